#pragma once

#include "game/board.h"

#include <array>
#include <string_view>

// Qt's translation tools gather the names marked with QT_TRANSLATE_NOOP for the program's other
// languages. The game stays free of Qt, so the mark is spelled here as Qt spells it.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

// The 114 elements of the classic table in atomic-number order: the symbol each tile shows,
// its Spanish name, and its state at room temperature (which gives the tile its colour).
// Tiles 104 to 109 carry the symbols fixed in 1997 and 110 to 114 the systematic
// placeholders. Today's table is this one with the symbols and names of kTodayForms.
namespace elements {

enum class State
{
    Solid,
    Liquid,
    Gas,
    Synthetic,
};

struct Element
{
    std::string_view symbol;
    std::string_view name; // UTF-8, Spanish; the literal ends in a NUL
    State state;
};

using enum State;

// Element n is kTable[n - 1]. Promethium counts as solid here.
inline constexpr std::array<Element, board::kElementCount> kTable = {{
    {"H", QT_TRANSLATE_NOOP("elements", "Hidrógeno"), Gas},
    {"He", QT_TRANSLATE_NOOP("elements", "Helio"), Gas},
    {"Li", QT_TRANSLATE_NOOP("elements", "Litio"), Solid},
    {"Be", QT_TRANSLATE_NOOP("elements", "Berilio"), Solid},
    {"B", QT_TRANSLATE_NOOP("elements", "Boro"), Solid},
    {"C", QT_TRANSLATE_NOOP("elements", "Carbono"), Solid},
    {"N", QT_TRANSLATE_NOOP("elements", "Nitrógeno"), Gas},
    {"O", QT_TRANSLATE_NOOP("elements", "Oxígeno"), Gas},
    {"F", QT_TRANSLATE_NOOP("elements", "Flúor"), Gas},
    {"Ne", QT_TRANSLATE_NOOP("elements", "Neón"), Gas},
    {"Na", QT_TRANSLATE_NOOP("elements", "Sodio"), Solid},
    {"Mg", QT_TRANSLATE_NOOP("elements", "Magnesio"), Solid},
    {"Al", QT_TRANSLATE_NOOP("elements", "Aluminio"), Solid},
    {"Si", QT_TRANSLATE_NOOP("elements", "Silicio"), Solid},
    {"P", QT_TRANSLATE_NOOP("elements", "Fósforo"), Solid},
    {"S", QT_TRANSLATE_NOOP("elements", "Azufre"), Solid},
    {"Cl", QT_TRANSLATE_NOOP("elements", "Cloro"), Gas},
    {"Ar", QT_TRANSLATE_NOOP("elements", "Argón"), Gas},
    {"K", QT_TRANSLATE_NOOP("elements", "Potasio"), Solid},
    {"Ca", QT_TRANSLATE_NOOP("elements", "Calcio"), Solid},
    {"Sc", QT_TRANSLATE_NOOP("elements", "Escandio"), Solid},
    {"Ti", QT_TRANSLATE_NOOP("elements", "Titanio"), Solid},
    {"V", QT_TRANSLATE_NOOP("elements", "Vanadio"), Solid},
    {"Cr", QT_TRANSLATE_NOOP("elements", "Cromo"), Solid},
    {"Mn", QT_TRANSLATE_NOOP("elements", "Manganeso"), Solid},
    {"Fe", QT_TRANSLATE_NOOP("elements", "Hierro"), Solid},
    {"Co", QT_TRANSLATE_NOOP("elements", "Cobalto"), Solid},
    {"Ni", QT_TRANSLATE_NOOP("elements", "Níquel"), Solid},
    {"Cu", QT_TRANSLATE_NOOP("elements", "Cobre"), Solid},
    {"Zn", QT_TRANSLATE_NOOP("elements", "Cinc"), Solid},
    {"Ga", QT_TRANSLATE_NOOP("elements", "Galio"), Solid},
    {"Ge", QT_TRANSLATE_NOOP("elements", "Germanio"), Solid},
    {"As", QT_TRANSLATE_NOOP("elements", "Arsénico"), Solid},
    {"Se", QT_TRANSLATE_NOOP("elements", "Selenio"), Solid},
    {"Br", QT_TRANSLATE_NOOP("elements", "Bromo"), Liquid},
    {"Kr", QT_TRANSLATE_NOOP("elements", "Kriptón"), Gas},
    {"Rb", QT_TRANSLATE_NOOP("elements", "Rubidio"), Solid},
    {"Sr", QT_TRANSLATE_NOOP("elements", "Estroncio"), Solid},
    {"Y", QT_TRANSLATE_NOOP("elements", "Itrio"), Solid},
    {"Zr", QT_TRANSLATE_NOOP("elements", "Circonio"), Solid},
    {"Nb", QT_TRANSLATE_NOOP("elements", "Niobio"), Solid},
    {"Mo", QT_TRANSLATE_NOOP("elements", "Molibdeno"), Solid},
    {"Tc", QT_TRANSLATE_NOOP("elements", "Tecnecio"), Synthetic},
    {"Ru", QT_TRANSLATE_NOOP("elements", "Rutenio"), Solid},
    {"Rh", QT_TRANSLATE_NOOP("elements", "Rodio"), Solid},
    {"Pd", QT_TRANSLATE_NOOP("elements", "Paladio"), Solid},
    {"Ag", QT_TRANSLATE_NOOP("elements", "Plata"), Solid},
    {"Cd", QT_TRANSLATE_NOOP("elements", "Cadmio"), Solid},
    {"In", QT_TRANSLATE_NOOP("elements", "Indio"), Solid},
    {"Sn", QT_TRANSLATE_NOOP("elements", "Estaño"), Solid},
    {"Sb", QT_TRANSLATE_NOOP("elements", "Antimonio"), Solid},
    {"Te", QT_TRANSLATE_NOOP("elements", "Teluro"), Solid},
    {"I", QT_TRANSLATE_NOOP("elements", "Yodo"), Solid},
    {"Xe", QT_TRANSLATE_NOOP("elements", "Xenón"), Gas},
    {"Cs", QT_TRANSLATE_NOOP("elements", "Cesio"), Solid},
    {"Ba", QT_TRANSLATE_NOOP("elements", "Bario"), Solid},
    {"La", QT_TRANSLATE_NOOP("elements", "Lantano"), Solid},
    {"Ce", QT_TRANSLATE_NOOP("elements", "Cerio"), Solid},
    {"Pr", QT_TRANSLATE_NOOP("elements", "Praseodimio"), Solid},
    {"Nd", QT_TRANSLATE_NOOP("elements", "Neodimio"), Solid},
    {"Pm", QT_TRANSLATE_NOOP("elements", "Prometio"), Solid},
    {"Sm", QT_TRANSLATE_NOOP("elements", "Samario"), Solid},
    {"Eu", QT_TRANSLATE_NOOP("elements", "Europio"), Solid},
    {"Gd", QT_TRANSLATE_NOOP("elements", "Gadolinio"), Solid},
    {"Tb", QT_TRANSLATE_NOOP("elements", "Terbio"), Solid},
    {"Dy", QT_TRANSLATE_NOOP("elements", "Disprosio"), Solid},
    {"Ho", QT_TRANSLATE_NOOP("elements", "Holmio"), Solid},
    {"Er", QT_TRANSLATE_NOOP("elements", "Erbio"), Solid},
    {"Tm", QT_TRANSLATE_NOOP("elements", "Tulio"), Solid},
    {"Yb", QT_TRANSLATE_NOOP("elements", "Iterbio"), Solid},
    {"Lu", QT_TRANSLATE_NOOP("elements", "Lutecio"), Solid},
    {"Hf", QT_TRANSLATE_NOOP("elements", "Hafnio"), Solid},
    {"Ta", QT_TRANSLATE_NOOP("elements", "Tántalo"), Solid},
    {"W", QT_TRANSLATE_NOOP("elements", "Wolframio"), Solid},
    {"Re", QT_TRANSLATE_NOOP("elements", "Renio"), Solid},
    {"Os", QT_TRANSLATE_NOOP("elements", "Osmio"), Solid},
    {"Ir", QT_TRANSLATE_NOOP("elements", "Iridio"), Solid},
    {"Pt", QT_TRANSLATE_NOOP("elements", "Platino"), Solid},
    {"Au", QT_TRANSLATE_NOOP("elements", "Oro"), Solid},
    {"Hg", QT_TRANSLATE_NOOP("elements", "Mercurio"), Liquid},
    {"Tl", QT_TRANSLATE_NOOP("elements", "Talio"), Solid},
    {"Pb", QT_TRANSLATE_NOOP("elements", "Plomo"), Solid},
    {"Bi", QT_TRANSLATE_NOOP("elements", "Bismuto"), Solid},
    {"Po", QT_TRANSLATE_NOOP("elements", "Polonio"), Solid},
    {"At", QT_TRANSLATE_NOOP("elements", "Astato"), Solid},
    {"Rn", QT_TRANSLATE_NOOP("elements", "Radón"), Gas},
    {"Fr", QT_TRANSLATE_NOOP("elements", "Francio"), Solid},
    {"Ra", QT_TRANSLATE_NOOP("elements", "Radio"), Solid},
    {"Ac", QT_TRANSLATE_NOOP("elements", "Actinio"), Solid},
    {"Th", QT_TRANSLATE_NOOP("elements", "Torio"), Solid},
    {"Pa", QT_TRANSLATE_NOOP("elements", "Protactinio"), Solid},
    {"U", QT_TRANSLATE_NOOP("elements", "Uranio"), Solid},
    {"Np", QT_TRANSLATE_NOOP("elements", "Neptunio"), Synthetic},
    {"Pu", QT_TRANSLATE_NOOP("elements", "Plutonio"), Synthetic},
    {"Am", QT_TRANSLATE_NOOP("elements", "Americio"), Synthetic},
    {"Cm", QT_TRANSLATE_NOOP("elements", "Curio"), Synthetic},
    {"Bk", QT_TRANSLATE_NOOP("elements", "Berkelio"), Synthetic},
    {"Cf", QT_TRANSLATE_NOOP("elements", "Californio"), Synthetic},
    {"Es", QT_TRANSLATE_NOOP("elements", "Einstenio"), Synthetic},
    {"Fm", QT_TRANSLATE_NOOP("elements", "Fermio"), Synthetic},
    {"Md", QT_TRANSLATE_NOOP("elements", "Mendelevio"), Synthetic},
    {"No", QT_TRANSLATE_NOOP("elements", "Nobelio"), Synthetic},
    {"Lr", QT_TRANSLATE_NOOP("elements", "Laurencio"), Synthetic},
    {"Rf", QT_TRANSLATE_NOOP("elements", "Rutherfordio"), Synthetic},
    {"Db", QT_TRANSLATE_NOOP("elements", "Dubnio"), Synthetic},
    {"Sg", QT_TRANSLATE_NOOP("elements", "Seaborgio"), Synthetic},
    {"Bh", QT_TRANSLATE_NOOP("elements", "Bohrio"), Synthetic},
    {"Hs", QT_TRANSLATE_NOOP("elements", "Hassio"), Synthetic},
    {"Mt", QT_TRANSLATE_NOOP("elements", "Meitnerio"), Synthetic},
    {"Uun", QT_TRANSLATE_NOOP("elements", "Ununnilio"), Synthetic},
    {"Uuu", QT_TRANSLATE_NOOP("elements", "Unununio"), Synthetic},
    {"Uub", QT_TRANSLATE_NOOP("elements", "Ununbio"), Synthetic},
    {"Uut", QT_TRANSLATE_NOOP("elements", "Ununtrio"), Synthetic},
    {"Uuq", QT_TRANSLATE_NOOP("elements", "Ununcuadio"), Synthetic},
}};

// Where today's table writes an element otherwise, and its four elements more: the names
// the Real Academia de Ciencias gives, with the symbols of IUPAC.
struct TodayForm
{
    int number;
    Element element;
};

inline constexpr TodayForm kTodayForms[] = {
    {103, {"Lr", QT_TRANSLATE_NOOP("elements", "Lawrencio"), Synthetic}},
    {108, {"Hs", QT_TRANSLATE_NOOP("elements", "Hasio"), Synthetic}},
    {110, {"Ds", QT_TRANSLATE_NOOP("elements", "Darmstatio"), Synthetic}},
    {111, {"Rg", QT_TRANSLATE_NOOP("elements", "Roentgenio"), Synthetic}},
    {112, {"Cn", QT_TRANSLATE_NOOP("elements", "Copernicio"), Synthetic}},
    {113, {"Nh", QT_TRANSLATE_NOOP("elements", "Nihonio"), Synthetic}},
    {114, {"Fl", QT_TRANSLATE_NOOP("elements", "Flerovio"), Synthetic}},
    {115, {"Mc", QT_TRANSLATE_NOOP("elements", "Moscovio"), Synthetic}},
    {116, {"Lv", QT_TRANSLATE_NOOP("elements", "Livermorio"), Synthetic}},
    {117, {"Ts", QT_TRANSLATE_NOOP("elements", "Teneso"), Synthetic}},
    {118, {"Og", QT_TRANSLATE_NOOP("elements", "Oganesón"), Synthetic}},
};

// Element n, 1 to the table's size, as the table writes it.
constexpr const Element &element(int n, board::Table table = board::Table::Classic)
{
    if (table == board::Table::Today)
        for (const TodayForm &form : kTodayForms)
            if (form.number == n)
                return form.element;
    return kTable[n - 1];
}

} // namespace elements
