#pragma once

#include "game/elements.h"

#include <QRgb>

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>

// How the tiles and legends are drawn. The elements themselves (symbol, name, state) are
// the game's tables: the classic one and today's.
namespace artwork {

using State = elements::State;
using Element = elements::Element;
using Table = board::Table;

inline constexpr int kElementCount = board::kElementCount; // the classic table's

constexpr const Element &element(int atomicNumber, Table table = Table::Classic)
{
    return elements::element(atomicNumber, table);
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
inline constexpr int kTileSize = board::kStripPicture;
inline constexpr int kVisibleTileSize = 38; // the part a freshly dealt tile shows

// A table's strip holds one tile per element.
constexpr int stripWidth(Table table)
{
    return kTileSize * board::elementCount(table);
}

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

// How each state looks: the tile face and the box of the legend pictures (a shade apart for
// gas and synthetic). Indexed by State; the legends' words are in languages.h.
struct StateLook
{
    QRgb face;
    QRgb legend;
};

inline constexpr StateLook kStateLooks[] = {
    {qRgb(255, 247, 33), qRgb(255, 247, 33)},
    {qRgb(24, 255, 255), qRgb(24, 255, 255)},
    {qRgb(156, 206, 255), qRgb(154, 201, 254)},
    {qRgb(255, 198, 181), qRgb(255, 193, 183)},
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
