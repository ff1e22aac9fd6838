#pragma once

#include "game/chartlayout.h"
#include "tools/artwork/elements.h"

#include <array>
#include <string>
#include <string_view>

// The languages of the pictures that have words in them: the legends and the element chart.
// Spanish is the program's own and its pictures lie in assets/; every other language's lie in
// a folder of their own under assets/, where the program looks first.
namespace artwork {

inline constexpr int kChartedElements = 109; // the classic chart names elements 1 to 109
inline constexpr int kFirstTodayName = 104;  // today's chart names 104 on by today's names
inline constexpr int kTodayNames = board::kMaxElementCount - kFirstTodayName + 1;

struct PictureLanguage
{
    const char *folder;                     // under assets/; empty for Spanish
    std::array<const char *, 4> stateWords; // the legends' words, indexed by State; UTF-8
    std::string_view nameHeader;
    std::string_view symbolHeader;
    // The chart's names by atomic number, asterisks included, with the older names of 104 to
    // 108 that the classic chart keeps. Empty for Spanish, whose names are the chart rows' own.
    std::array<std::string_view, kChartedElements> chartNames;
    // Today's names of 104 to 118. Empty for Spanish, whose names are the game's.
    std::array<std::string_view, kTodayNames> todayNames;
};

// clang-format off
inline constexpr PictureLanguage kPictureLanguages[] = {
    {"", {"sólido", "liquido", "gas", "sint."}, "NOMBRE", "Símbolo", {}, {}},
    {"ca", {"sòlid", "líquid", "gas", "sint."}, "NOM", "Símbol", {
        "Hidrogen", "Heli", "Liti", "Beril·li", "Bor", "Carboni", "Nitrogen", "Oxigen", "Fluor",
        "Neó", "Sodi", "Magnesi", "Alumini", "Silici", "Fòsfor", "Sofre", "Clor", "Argó",
        "Potassi", "Calci", "Escandi", "Titani", "Vanadi", "Crom", "Manganès", "Ferro", "Cobalt",
        "Níquel", "Coure", "Zinc", "Gal·li", "Germani", "Arsènic", "Seleni", "Brom", "Criptó",
        "Rubidi", "Estronci", "Itri", "Zirconi", "Niobi", "Molibdè", "Tecneci", "Ruteni", "Rodi",
        "Pal·ladi", "Argent", "Cadmi", "Indi", "Estany", "Antimoni", "Tel·luri", "Iode", "Xenó",
        "Cesi", "Bari", "Lantani *", "Ceri", "Praseodimi", "Neodimi", "Prometi", "Samari",
        "Europi", "Gadolini", "Terbi", "Disprosi", "Holmi", "Erbi", "Tuli", "Iterbi", "Luteci",
        "Hafni", "Tàntal", "Tungstè", "Reni", "Osmi", "Iridi", "Platí", "Or", "Mercuri", "Tal·li",
        "Plom", "Bismut", "Poloni", "Àstat", "Radó", "Franci", "Radi", "Actini**", "Tori",
        "Protoactini", "Urani", "Neptuni", "Plutoni", "Americi", "Curi", "Berkeli", "Californi",
        "Einsteini", "Fermi", "Mendelevi", "Nobeli", "Lawrenci", "Dubni", "Jolioti",
        "Rutherfordi", "Bohri", "Hahni", "Meitneri",
    }, {
        "Rutherfordi", "Dubni", "Seaborgi", "Bohri", "Hassi", "Meitneri", "Darmstadti",
        "Roentgeni", "Copernici", "Nihoni", "Flerovi", "Moscovi", "Livermori", "Tennes",
        "Oganessó",
    }},
    {"gl", {"sólido", "líquido", "gas", "sint."}, "NOME", "Símbolo", {
        "Hidróxeno", "Helio", "Litio", "Berilio", "Boro", "Carbono", "Nitróxeno", "Osíxeno",
        "Flúor", "Neon", "Sodio", "Magnesio", "Aluminio", "Silicio", "Fósforo", "Xofre", "Cloro",
        "Argon", "Potasio", "Calcio", "Escandio", "Titanio", "Vanadio", "Cromo", "Manganeso",
        "Ferro", "Cobalto", "Níquel", "Cobre", "Cinc", "Galio", "Xermanio", "Arsénico", "Selenio",
        "Bromo", "Cripton", "Rubidio", "Estroncio", "Itrio", "Circonio", "Niobio", "Molibdeno",
        "Tecnecio", "Rutenio", "Rodio", "Paladio", "Prata", "Cadmio", "Indio", "Estaño",
        "Antimonio", "Telurio", "Iodo", "Xenon", "Cesio", "Bario", "Lantano *", "Cerio",
        "Praseodimio", "Neodimio", "Prometio", "Samario", "Europio", "Gadolinio", "Terbio",
        "Disprosio", "Holmio", "Erbio", "Tulio", "Iterbio", "Lutecio", "Hafnio", "Tántalo",
        "Volframio", "Renio", "Osmio", "Iridio", "Platino", "Ouro", "Mercurio", "Talio", "Chumbo",
        "Bismuto", "Polonio", "Ástato", "Radon", "Francio", "Radio", "Actinio**", "Torio",
        "Protactinio", "Uranio", "Neptunio", "Plutonio", "Americio", "Curio", "Berquelio",
        "Californio", "Einsteinio", "Fermio", "Mendelevio", "Nobelio", "Laurencio", "Dubnio",
        "Joliotio", "Rutherfordio", "Bohrio", "Hahnio", "Meitnerio",
    }, {
        "Rutherfordio", "Dubnio", "Seaborgio", "Bohrio", "Hasio", "Meitnerio", "Darmstadtio",
        "Roentxenio", "Copernicio", "Nihonio", "Flerovio", "Moscovio", "Livermorio", "Teneso",
        "Oganesón",
    }},
    {"eu", {"solidoa", "likidoa", "gasa", "sint."}, "IZENA", "Ikurra", {
        "Hidrogeno", "Helio", "Litio", "Berilio", "Boro", "Karbono", "Nitrogeno", "Oxigeno",
        "Fluor", "Neon", "Sodio", "Magnesio", "Aluminio", "Silizio", "Fosforo", "Sufre", "Kloro",
        "Argon", "Potasio", "Kaltzio", "Eskandio", "Titanio", "Banadio", "Kromo", "Manganeso",
        "Burdina", "Kobalto", "Nikel", "Kobre", "Zink", "Galio", "Germanio", "Artseniko",
        "Selenio", "Bromo", "Kripton", "Rubidio", "Estrontzio", "Itrio", "Zirkonio", "Niobio",
        "Molibdeno", "Teknezio", "Rutenio", "Rodio", "Paladio", "Zilar", "Kadmio", "Indio",
        "Eztainu", "Antimonio", "Teluro", "Iodo", "Xenon", "Zesio", "Bario", "Lantano *", "Zerio",
        "Praseodimio", "Neodimio", "Prometio", "Samario", "Europio", "Gadolinio", "Terbio",
        "Disprosio", "Holmio", "Erbio", "Tulio", "Iterbio", "Lutezio", "Hafnio", "Tantalo",
        "Wolframio", "Renio", "Osmio", "Iridio", "Platino", "Urre", "Merkurio", "Talio", "Berun",
        "Bismuto", "Polonio", "Astato", "Radon", "Frantzio", "Radio", "Aktinio**", "Torio",
        "Protaktinio", "Uranio", "Neptunio", "Plutonio", "Amerizio", "Kurio", "Berkelio",
        "Kalifornio", "Einsteinio", "Fermio", "Mendelevio", "Nobelio", "Lawrentzio", "Dubnio",
        "Joliotio", "Rutherfordio", "Bohrio", "Hahnio", "Meitnerio",
    }, {
        "Rutherfordio", "Dubnio", "Seaborgio", "Bohrio", "Hassio", "Meitnerio", "Darmstadtio",
        "Roentgenio", "Kopernizio", "Nihonio", "Flerovio", "Moskovio", "Livermorio", "Teneso",
        "Oganeson",
    }},
};
// clang-format on

inline constexpr const PictureLanguage &kSpanishPictures = kPictureLanguages[0];

constexpr const char *stateWord(const PictureLanguage &language, State state)
{
    return language.stateWords[static_cast<int>(state)];
}

// The name a classic chart cell prints in the language; "-" for an empty cell.
constexpr std::string_view chartName(const PictureLanguage &language, const chart::ChartCell &cell)
{
    if (cell.atomicNumber == 0 || language.chartNames[0].empty())
        return cell.name;
    return language.chartNames[cell.atomicNumber - 1];
}

// A cell as a chart prints it in a language.
struct PrintedCell
{
    std::string name;   // UTF-8; "-" marks an empty cell
    std::string symbol; // UTF-8; "-" marks an empty cell
    int atomicNumber;   // 0 for an empty cell
};

// A cell of the table's chart in the language. Today's chart writes the game's symbols, and
// the game's names in Spanish, with the asterisks the classic chart gives lanthanum and actinium.
inline PrintedCell printedCell(const PictureLanguage &language, Table table, int row, int pair)
{
    const int n = chart::chartNumber(table, row, pair);
    if (n == 0)
        return {"-", "-", 0};
    if (table == Table::Classic) {
        const chart::ChartCell &cell = chart::kChartRows[row][pair];
        return {std::string(chartName(language, cell)), std::string(cell.symbol), n};
    }
    const Element &today = element(n, table);
    const chart::ChartCell classic = chart::classicCell(n);
    const std::string symbol =
        std::string(today.symbol) + std::string(chart::chartMark(classic.symbol));
    if (language.chartNames[0].empty())
        return {std::string(today.name) + std::string(chart::chartMark(classic.name)), symbol, n};
    return {std::string(n >= kFirstTodayName ? language.todayNames[n - kFirstTodayName]
                                             : language.chartNames[n - 1]),
            symbol, n};
}

} // namespace artwork
