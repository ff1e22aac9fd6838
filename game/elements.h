#pragma once

#include <array>
#include <string_view>

// The 114 elements of the exercise in atomic-number order: the symbol each tile shows, its
// Spanish name, and its state at room temperature (which gives the tile its colour). Tiles
// 104 to 109 carry the symbols fixed in 1997 and 110 to 114 the systematic placeholders.
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
    std::string_view name; // UTF-8
    State state;
};

inline constexpr int kCount = 114;

using enum State;

// Element n is kTable[n - 1]. Promethium counts as solid here.
inline constexpr std::array<Element, kCount> kTable = {{
    {"H", "Hidrógeno", Gas},
    {"He", "Helio", Gas},
    {"Li", "Litio", Solid},
    {"Be", "Berilio", Solid},
    {"B", "Boro", Solid},
    {"C", "Carbono", Solid},
    {"N", "Nitrógeno", Gas},
    {"O", "Oxígeno", Gas},
    {"F", "Flúor", Gas},
    {"Ne", "Neón", Gas},
    {"Na", "Sodio", Solid},
    {"Mg", "Magnesio", Solid},
    {"Al", "Aluminio", Solid},
    {"Si", "Silicio", Solid},
    {"P", "Fósforo", Solid},
    {"S", "Azufre", Solid},
    {"Cl", "Cloro", Gas},
    {"Ar", "Argón", Gas},
    {"K", "Potasio", Solid},
    {"Ca", "Calcio", Solid},
    {"Sc", "Escandio", Solid},
    {"Ti", "Titanio", Solid},
    {"V", "Vanadio", Solid},
    {"Cr", "Cromo", Solid},
    {"Mn", "Manganeso", Solid},
    {"Fe", "Hierro", Solid},
    {"Co", "Cobalto", Solid},
    {"Ni", "Níquel", Solid},
    {"Cu", "Cobre", Solid},
    {"Zn", "Cinc", Solid},
    {"Ga", "Galio", Solid},
    {"Ge", "Germanio", Solid},
    {"As", "Arsénico", Solid},
    {"Se", "Selenio", Solid},
    {"Br", "Bromo", Liquid},
    {"Kr", "Kriptón", Gas},
    {"Rb", "Rubidio", Solid},
    {"Sr", "Estroncio", Solid},
    {"Y", "Itrio", Solid},
    {"Zr", "Circonio", Solid},
    {"Nb", "Niobio", Solid},
    {"Mo", "Molibdeno", Solid},
    {"Tc", "Tecnecio", Synthetic},
    {"Ru", "Rutenio", Solid},
    {"Rh", "Rodio", Solid},
    {"Pd", "Paladio", Solid},
    {"Ag", "Plata", Solid},
    {"Cd", "Cadmio", Solid},
    {"In", "Indio", Solid},
    {"Sn", "Estaño", Solid},
    {"Sb", "Antimonio", Solid},
    {"Te", "Teluro", Solid},
    {"I", "Yodo", Solid},
    {"Xe", "Xenón", Gas},
    {"Cs", "Cesio", Solid},
    {"Ba", "Bario", Solid},
    {"La", "Lantano", Solid},
    {"Ce", "Cerio", Solid},
    {"Pr", "Praseodimio", Solid},
    {"Nd", "Neodimio", Solid},
    {"Pm", "Prometio", Solid},
    {"Sm", "Samario", Solid},
    {"Eu", "Europio", Solid},
    {"Gd", "Gadolinio", Solid},
    {"Tb", "Terbio", Solid},
    {"Dy", "Disprosio", Solid},
    {"Ho", "Holmio", Solid},
    {"Er", "Erbio", Solid},
    {"Tm", "Tulio", Solid},
    {"Yb", "Iterbio", Solid},
    {"Lu", "Lutecio", Solid},
    {"Hf", "Hafnio", Solid},
    {"Ta", "Tántalo", Solid},
    {"W", "Wolframio", Solid},
    {"Re", "Renio", Solid},
    {"Os", "Osmio", Solid},
    {"Ir", "Iridio", Solid},
    {"Pt", "Platino", Solid},
    {"Au", "Oro", Solid},
    {"Hg", "Mercurio", Liquid},
    {"Tl", "Talio", Solid},
    {"Pb", "Plomo", Solid},
    {"Bi", "Bismuto", Solid},
    {"Po", "Polonio", Solid},
    {"At", "Astato", Solid},
    {"Rn", "Radón", Gas},
    {"Fr", "Francio", Solid},
    {"Ra", "Radio", Solid},
    {"Ac", "Actinio", Solid},
    {"Th", "Torio", Solid},
    {"Pa", "Protactinio", Solid},
    {"U", "Uranio", Solid},
    {"Np", "Neptunio", Synthetic},
    {"Pu", "Plutonio", Synthetic},
    {"Am", "Americio", Synthetic},
    {"Cm", "Curio", Synthetic},
    {"Bk", "Berkelio", Synthetic},
    {"Cf", "Californio", Synthetic},
    {"Es", "Einstenio", Synthetic},
    {"Fm", "Fermio", Synthetic},
    {"Md", "Mendelevio", Synthetic},
    {"No", "Nobelio", Synthetic},
    {"Lr", "Laurencio", Synthetic},
    {"Rf", "Rutherfordio", Synthetic},
    {"Db", "Dubnio", Synthetic},
    {"Sg", "Seaborgio", Synthetic},
    {"Bh", "Bohrio", Synthetic},
    {"Hs", "Hassio", Synthetic},
    {"Mt", "Meitnerio", Synthetic},
    {"Uun", "Ununnilio", Synthetic},
    {"Uuu", "Unununio", Synthetic},
    {"Uub", "Ununbio", Synthetic},
    {"Uut", "Ununtrio", Synthetic},
    {"Uuq", "Ununcuadio", Synthetic},
}};

constexpr const Element &element(int n)
{
    return kTable[n - 1];
}

} // namespace elements
