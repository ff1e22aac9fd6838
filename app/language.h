#pragma once

#include "game/board.h"

#include <QLocale>
#include <QString>

#include <cstdio>
#include <optional>

// The languages the program speaks. Spanish is its own: its texts are the ones written in the
// code. Catalan, Galician and Basque come from Qt translation files built into the program,
// and a few pictures with words in them are drawn once per language.
namespace language {

enum class Language
{
    Spanish,
    Catalan, // Valencian too
    Galician,
    Basque,
};

struct LanguageEntry
{
    Language language;
    const char *code;               // the --idioma value and the suffix of the translation file
    QLocale::Language localeFamily; // system locales of this family pick the language
};

inline constexpr LanguageEntry kLanguages[] = {
    {Language::Spanish, "es", QLocale::Spanish},
    {Language::Catalan, "ca", QLocale::Catalan},
    {Language::Galician, "gl", QLocale::Galician},
    {Language::Basque, "eu", QLocale::Basque},
};

// The language of a system locale: a Catalan (Valencian included), Galician or Basque locale
// gives its own language, every other locale Spanish.
Language forLocale(const QLocale &locale);

// The language named by a code ("es", "ca", "gl", "eu"); nothing for any other text.
std::optional<Language> fromCode(const QString &code);
QString code(Language language);

// The resource folder the translations are built into, one file per language.
inline constexpr char kTranslations[] = ":/i18n";

// Makes the language the program's from now on: installs its translation, found in
// `translations`, in place of any earlier one (Spanish needs none). Windows made before keep
// their texts. A translation that can't be loaded is told to `complaints` and leaves the
// program wholly in Spanish, its pictures too; false then.
bool use(Language language, const QString &translations = QLatin1String(kTranslations),
         std::FILE *complaints = stderr);
Language current();

// A built-in picture drawn in the current language: ":/assets/x.png" gives
// ":/assets/ca/x.png" in Catalan when the program has one, the picture itself otherwise.
QString picture(const QString &resource);

// The element's name, as the table writes it, in the current language.
QString elementName(int atomicNumber, board::Table table = board::Table::Classic);

} // namespace language
