#pragma once

#include "game/board.h"

#include <array>
#include <iterator>
#include <string_view>

// The texts of the element chart, row by row, as the chart prints them: four name and
// symbol pairs per row, each row four consecutive atomic numbers in the chart's own order.
// The classic chart still uses the older names of elements 104 to 109 and has no 110 to 114;
// today's chart keeps its order and finishes period 7.
namespace artwork {

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

} // namespace artwork
