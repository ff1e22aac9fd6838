#pragma once

#include "game/board.h"

#include <array>
#include <iterator>
#include <string_view>

// The element chart's layout, which the artwork tool draws by and the chart's window puts its
// keyboard ring by: the texts row by row, as the chart prints them, four name and symbol
// pairs per row, each row four consecutive atomic numbers in the chart's own order; and where
// its cells lie in the picture. The classic chart still uses the older names of elements 104
// to 109 and has no 110 to 114; today's chart keeps its order and finishes period 7.
namespace chart {

struct ChartCell
{
    std::string_view name;   // UTF-8; "-" marks an empty cell
    std::string_view symbol; // UTF-8; "-" marks an empty cell
    int atomicNumber;        // 0 for an empty cell
};

inline constexpr int kChartColumns = 4; // name and symbol pairs per row
inline constexpr int kChartRowCount = 28;

using ChartRow = std::array<ChartCell, kChartColumns>;

// clang-format off
inline constexpr std::array<ChartRow, kChartRowCount> kChartRows = {{
    {{{"Helio", "He", 2}, {"Hidrógeno", "H", 1}, {"Berilio", "Be", 4}, {"Litio", "Li", 3}}},
    {{{"Rutherfordio", "Rf", 106}, {"Joliotio", "Jl", 105}, {"Hahnio", "Hn", 108}, {"Bohrio", "Bh", 107}}},
    {{{"Neón", "Ne", 10}, {"Fluor", "F", 9}, {"Magnesio", "Mg", 12}, {"Sodio", "Na", 11}}},
    {{{"Wolframio", "W", 74}, {"Tántalo", "Ta", 73}, {"Osmio", "Os", 76}, {"Renio", "Re", 75}}},
    {{{"Platino", "Pt", 78}, {"Iridio", "Ir", 77}, {"Mercurio", "Hg", 80}, {"Oro", "Au", 79}}},
    {{{"Plomo", "Pb", 82}, {"Talio", "Tl", 81}, {"Polonio", "Po", 84}, {"Bismuto", "Bi", 83}}},
    {{{"Radón", "Rn", 86}, {"Astato", "At", 85}, {"Radio", "Ra", 88}, {"Francio", "Fr", 87}}},
    {{{"Torio", "Th", 90}, {"Actinio**", "Ac**", 89}, {"Uranio", "U", 92}, {"Proactinio", "Pa", 91}}},
    {{{"Selenio", "Se", 34}, {"Arsénico", "As", 33}, {"Kriptón", "Kr", 36}, {"Bromo", "Br", 35}}},
    {{{"Estroncio", "Sr", 38}, {"Rubidio", "Rb", 37}, {"Circonio", "Zr", 40}, {"Ytrio", "Y", 39}}},
    {{{"Molibdeno", "Mo", 42}, {"Niobio", "Nb", 41}, {"Rutenio", "Ru", 44}, {"Tecnecio", "Tc", 43}}},
    {{{"Paladio", "Pd", 46}, {"Rodio", "Rh", 45}, {"Cadmio", "Cd", 48}, {"Plata", "Ag", 47}}},
    {{{"Estaño", "Sn", 50}, {"Indio", "In", 49}, {"Teluro", "Te", 52}, {"Antimonio", "Sb", 51}}},
    {{{"Xenón", "Xe", 54}, {"Yodo", "I", 53}, {"Bario", "Ba", 56}, {"Cesio", "Cs", 55}}},
    {{{"Cerio", "Ce", 58}, {"Lantano *", "La*", 57}, {"Neodimio", "Nd", 60}, {"Praseodimio", "Pr", 59}}},
    {{{"Samario", "Sm", 62}, {"Prometio", "Pm", 61}, {"Gadolinio", "Gd", 64}, {"Europio", "Eu", 63}}},
    {{{"Disprosio", "Dy", 66}, {"Terbio", "Tb", 65}, {"Erbio", "Er", 68}, {"Holmio", "Ho", 67}}},
    {{{"Yterbio", "Yb", 70}, {"Tulio", "Tm", 69}, {"Hafnio", "Hf", 72}, {"Lutecio", "Lu", 71}}},
    {{{"Silicio", "Si", 14}, {"Aluminio", "Al", 13}, {"Azufre", "S", 16}, {"Fósforo", "P", 15}}},
    {{{"Argón", "Ar", 18}, {"Cloro", "Cl", 17}, {"Calcio", "Ca", 20}, {"Potasio", "K", 19}}},
    {{{"Titanio", "Ti", 22}, {"Escandio", "Sc", 21}, {"Cromo", "Cr", 24}, {"Vanadio", "V", 23}}},
    {{{"Hierro", "Fe", 26}, {"Manganeso", "Mn", 25}, {"Niquel", "Ni", 28}, {"Cobalto", "Co", 27}}},
    {{{"Cinc", "Zn", 30}, {"Cobre", "Cu", 29}, {"Germanio", "Ge", 32}, {"Galio", "Ga", 31}}},
    {{{"Plutonio", "Pu", 94}, {"Neptunio", "Np", 93}, {"Curio", "Cm", 96}, {"Americio", "Am", 95}}},
    {{{"Californio", "Cf", 98}, {"Berkelio", "Bk", 97}, {"Fermio", "Fm", 100}, {"Einstenio", "Es", 99}}},
    {{{"Nobelio", "No", 102}, {"Mendelevio", "Md", 101}, {"Dubnio", "Db", 104}, {"Laurencio", "Lr", 103}}},
    {{{"Carbono", "C", 6}, {"Boro", "B", 5}, {"Oxígeno", "O", 8}, {"Nitrógeno", "N", 7}}},
    {{{"-", "-", 0}, {"Meitnerio", "Mt", 109}, {"-", "-", 0}, {"-", "-", 0}}},
}};
// clang-format on

// Today's chart holds the same elements as the classic one in rows 1 to 27, then these rows
// of its own: 0 for an empty cell.
inline constexpr int kTodayKeptRows = 27;
inline constexpr int kTodayLastRows[][kChartColumns] = {
    {110, 109, 112, 111},
    {114, 113, 116, 115},
    {118, 117, 0, 0},
};

// The body rows of the table's chart.
constexpr int chartRowCount(board::Table table)
{
    return table == board::Table::Today ? kTodayKeptRows + int(std::size(kTodayLastRows))
                                        : kChartRowCount;
}

// The element in a chart's row and pair; 0 for an empty cell.
constexpr int chartNumber(board::Table table, int row, int pair)
{
    return table == board::Table::Today && row >= kTodayKeptRows
               ? kTodayLastRows[row - kTodayKeptRows][pair]
               : kChartRows[row][pair].atomicNumber;
}

// Where the cells lie in the picture, in pixels. A one-pixel line runs round every cell, and
// a pale margin round the whole table.
inline constexpr int kChartWidth = 508;
inline constexpr int kChartClassicHeight = 600;
inline constexpr int kChartMargin = 1;        // at the top and the sides
inline constexpr int kChartHeaderHeight = 24; // inside its lines
inline constexpr int kChartBodyTop = kChartMargin + 1 + kChartHeaderHeight + 1;

// Widths inside the lines, left to right: the name column of each pair is as wide as its
// longest name needs.
using ColumnWidths = std::array<int, 2 * kChartColumns>;
inline constexpr ColumnWidths kColumnWidths = {80, 50, 72, 50, 68, 50, 76, 51};
// Today's chart writes Rutherfordio in the third pair, where the classic one has Dubnio, and
// no longer in the first, whose longest name becomes Darmstadtio: the first name column gives
// the third seven pixels, and the chart keeps its width.
inline constexpr ColumnWidths kTodayColumnWidths = {73, 50, 72, 50, 75, 50, 76, 51};

constexpr const ColumnWidths &columnWidths(board::Table table)
{
    return table == board::Table::Today ? kTodayColumnWidths : kColumnWidths;
}

// The first pixel inside the lines of column c, or one past the last line for c the count.
constexpr int columnLeft(board::Table table, int c)
{
    int x = kChartMargin + 1;
    for (int i = 0; i < c; ++i)
        x += columnWidths(table)[i] + 1;
    return x;
}

// The top of body row i, or the foot of the chart for i the row count: the rows keep the
// classic chart's pitch, its 28 rows sharing the height below the header as evenly as whole
// pixels allow, and a chart of more rows grows by as much.
constexpr int bodyRowTop(int i)
{
    return kChartBodyTop + i * (kChartClassicHeight - kChartBodyTop) / kChartRowCount;
}

// A rectangle of the picture, inside the lines round it.
struct ChartBox
{
    int left, top, width, height;
};

// The pair of cells in a body row that holds one element's name and symbol, with the line
// between them.
constexpr ChartBox pairBox(board::Table table, int row, int pair)
{
    const int left = columnLeft(table, 2 * pair);
    const int top = bodyRowTop(row);
    return {left, top, columnLeft(table, 2 * pair + 2) - 1 - left, bodyRowTop(row + 1) - 1 - top};
}

// The body row and pair of element n in the table's chart; row -1 when the chart lacks it.
struct ChartPlace
{
    int row, pair;
};
constexpr ChartPlace placeOf(board::Table table, int n)
{
    for (int row = 0; row < chartRowCount(table); ++row)
        for (int pair = 0; pair < kChartColumns; ++pair)
            if (n != 0 && chartNumber(table, row, pair) == n)
                return {row, pair};
    return {-1, -1};
}

// The cell of element n in the classic chart; one with no texts for the elements it lacks.
constexpr ChartCell classicCell(int n)
{
    for (const ChartRow &row : kChartRows)
        for (const ChartCell &cell : row)
            if (cell.atomicNumber == n)
                return cell;
    return {"", "", 0};
}

// The asterisks the chart writes after lanthanum and actinium and their symbols, with the space
// before them; empty for every other text.
constexpr std::string_view chartMark(std::string_view printed)
{
    return printed.substr(printed.find_last_not_of(" *") + 1);
}

// The lanthanides after lanthanum and the actinides after actinium have cyan cells.
constexpr bool hasCyanCells(int atomicNumber)
{
    return (atomicNumber >= 58 && atomicNumber <= 71) ||
           (atomicNumber >= 90 && atomicNumber <= 103);
}

} // namespace chart
