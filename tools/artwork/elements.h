#pragma once

#include <QRgb>

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>

// The 114 elements as the tiles show them: symbol and state at room temperature, in
// atomic-number order. Tiles 104 to 109 carry the symbols fixed in 1997, 110 to 114 the
// systematic placeholders.
namespace artwork {

enum class State
{
    Solid,
    Liquid,
    Gas,
    Synthetic
};

struct Element
{
    std::string_view symbol;
    State state;
};

inline constexpr int kElementCount = 114;

// Index 0 is hydrogen; element n is kElements[n - 1].
inline constexpr std::array<Element, kElementCount> kElements = {{
    {"H", State::Gas},         {"He", State::Gas},        {"Li", State::Solid},
    {"Be", State::Solid},      {"B", State::Solid},       {"C", State::Solid},
    {"N", State::Gas},         {"O", State::Gas},         {"F", State::Gas},
    {"Ne", State::Gas},        {"Na", State::Solid},      {"Mg", State::Solid},
    {"Al", State::Solid},      {"Si", State::Solid},      {"P", State::Solid},
    {"S", State::Solid},       {"Cl", State::Gas},        {"Ar", State::Gas},
    {"K", State::Solid},       {"Ca", State::Solid},      {"Sc", State::Solid},
    {"Ti", State::Solid},      {"V", State::Solid},       {"Cr", State::Solid},
    {"Mn", State::Solid},      {"Fe", State::Solid},      {"Co", State::Solid},
    {"Ni", State::Solid},      {"Cu", State::Solid},      {"Zn", State::Solid},
    {"Ga", State::Solid},      {"Ge", State::Solid},      {"As", State::Solid},
    {"Se", State::Solid},      {"Br", State::Liquid},     {"Kr", State::Gas},
    {"Rb", State::Solid},      {"Sr", State::Solid},      {"Y", State::Solid},
    {"Zr", State::Solid},      {"Nb", State::Solid},      {"Mo", State::Solid},
    {"Tc", State::Synthetic},  {"Ru", State::Solid},      {"Rh", State::Solid},
    {"Pd", State::Solid},      {"Ag", State::Solid},      {"Cd", State::Solid},
    {"In", State::Solid},      {"Sn", State::Solid},      {"Sb", State::Solid},
    {"Te", State::Solid},      {"I", State::Solid},       {"Xe", State::Gas},
    {"Cs", State::Solid},      {"Ba", State::Solid},      {"La", State::Solid},
    {"Ce", State::Solid},      {"Pr", State::Solid},      {"Nd", State::Solid},
    {"Pm", State::Solid},      {"Sm", State::Solid},      {"Eu", State::Solid},
    {"Gd", State::Solid},      {"Tb", State::Solid},      {"Dy", State::Solid},
    {"Ho", State::Solid},      {"Er", State::Solid},      {"Tm", State::Solid},
    {"Yb", State::Solid},      {"Lu", State::Solid},      {"Hf", State::Solid},
    {"Ta", State::Solid},      {"W", State::Solid},       {"Re", State::Solid},
    {"Os", State::Solid},      {"Ir", State::Solid},      {"Pt", State::Solid},
    {"Au", State::Solid},      {"Hg", State::Liquid},     {"Tl", State::Solid},
    {"Pb", State::Solid},      {"Bi", State::Solid},      {"Po", State::Solid},
    {"At", State::Solid},      {"Rn", State::Gas},        {"Fr", State::Solid},
    {"Ra", State::Solid},      {"Ac", State::Solid},      {"Th", State::Solid},
    {"Pa", State::Solid},      {"U", State::Solid},       {"Np", State::Synthetic},
    {"Pu", State::Synthetic},  {"Am", State::Synthetic},  {"Cm", State::Synthetic},
    {"Bk", State::Synthetic},  {"Cf", State::Synthetic},  {"Es", State::Synthetic},
    {"Fm", State::Synthetic},  {"Md", State::Synthetic},  {"No", State::Synthetic},
    {"Lr", State::Synthetic},  {"Rf", State::Synthetic},  {"Db", State::Synthetic},
    {"Sg", State::Synthetic},  {"Bh", State::Synthetic},  {"Hs", State::Synthetic},
    {"Mt", State::Synthetic},  {"Uun", State::Synthetic}, {"Uuu", State::Synthetic},
    {"Uub", State::Synthetic}, {"Uut", State::Synthetic}, {"Uuq", State::Synthetic},
}};

constexpr const Element &element(int atomicNumber)
{
    return kElements[static_cast<std::size_t>(atomicNumber - 1)];
}

// Symbols drawn with two-pixel strokes: H, B, C, N, O and F.
inline constexpr int kBoldSymbols[] = {1, 5, 6, 7, 8, 9};
// Cerium and neptunium stand out in red-orange; every other symbol is dark violet.
inline constexpr int kRedSymbols[] = {58, 93};

constexpr bool isBoldSymbol(int atomicNumber)
{
    return std::ranges::find(kBoldSymbols, atomicNumber) != std::end(kBoldSymbols);
}

constexpr bool hasRedSymbol(int atomicNumber)
{
    return std::ranges::find(kRedSymbols, atomicNumber) != std::end(kRedSymbols);
}

// Tile geometry, in pixels.
inline constexpr int kTileSize = 40;
inline constexpr int kStripWidth = kTileSize * kElementCount;
inline constexpr int kVisibleTileSize = 38; // the part a freshly dealt tile shows

inline constexpr int kSymbolFoot = 31;                // lowest row of the letters
inline constexpr int kUnderlineRow = kSymbolFoot + 3; // one pixel thick
inline constexpr int kCapitalHeight = 11;
inline constexpr int kLowerCaseHeight = 8;

// Technetium also shows its atomic number above the symbol.
inline constexpr int kNumberedTile = 43;
inline constexpr int kNumberTop = 6;
inline constexpr int kNumberBottom = 12;
inline constexpr int kNumberUnderlineRow = 14;

// Tile colours.
inline constexpr QRgb kEdgeLight = qRgb(206, 222, 222); // top row and left column
inline constexpr QRgb kEdgeDark = qRgb(156, 173, 173);  // bottom row and right column
inline constexpr QRgb kCornerTopLeft = qRgb(231, 239, 239);
inline constexpr QRgb kCornerMixed = qRgb(173, 189, 189); // top-right and bottom-left
inline constexpr QRgb kCornerBottomRight = qRgb(148, 156, 156);
inline constexpr QRgb kSymbolViolet = qRgb(66, 8, 173);
inline constexpr QRgb kSymbolRed = qRgb(255, 41, 0);

// How each state looks: the tile face, the box of the legend pictures (a shade apart for
// gas and synthetic) and the legend's word. Indexed by State.
struct StateLook
{
    QRgb face;
    QRgb legend;
    const char *word; // UTF-8
};

inline constexpr StateLook kStateLooks[] = {
    {qRgb(255, 247, 33), qRgb(255, 247, 33), "sólido"},
    {qRgb(24, 255, 255), qRgb(24, 255, 255), "liquido"},
    {qRgb(156, 206, 255), qRgb(154, 201, 254), "gas"},
    {qRgb(255, 198, 181), qRgb(255, 193, 183), "sint."},
};

constexpr const StateLook &stateLook(State state)
{
    return kStateLooks[static_cast<int>(state)];
}

constexpr QRgb symbolColour(int atomicNumber)
{
    return hasRedSymbol(atomicNumber) ? kSymbolRed : kSymbolViolet;
}

} // namespace artwork
