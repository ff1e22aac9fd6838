#pragma once

#include "game/board.h"

#include <QLocale>
#include <QString>

#include <cstdio>
#include <optional>

// The languages the program speaks. Spanish is its own: its texts are the ones written in the
// code. Catalan, Valencian, Galician and Basque come from Qt translation files built into the
// program, beside Qt's own translations of its texts where it has them, and a few pictures
// with words in them are drawn once per language.
namespace language {

enum class Language
{
    Spanish,
    Catalan,
    Valencian, // Catalan as the Acadèmia Valenciana de la Llengua writes it
    Galician,
    Basque,
};

struct LanguageEntry
{
    Language language;
    const char *code;               // the --idioma value and the suffix of the translation file
    QLocale::Language localeFamily; // system locales of this family pick the language
    const char *pictures;           // the folder of its pictures under the assets; "" for none
    const char *qtTranslation;      // Qt's own translation of its texts; nullptr for none
    const char *systemLocale;       // a locale whose system messages are in this language
};

inline constexpr LanguageEntry kLanguages[] = {
    {Language::Spanish, "es", QLocale::Spanish, "", nullptr, nullptr},
    {Language::Catalan, "ca", QLocale::Catalan, "ca", "qtbase_ca", "ca_ES.UTF-8"},
    {Language::Valencian, "ca-valencia", QLocale::Catalan, "ca", "qtbase_ca",
     "ca_ES.UTF-8@valencia"},
    {Language::Galician, "gl", QLocale::Galician, "gl", "qt_gl", "gl_ES.UTF-8"},
    {Language::Basque, "eu", QLocale::Basque, "eu", nullptr, "eu_ES.UTF-8"},
};

// The language of a system locale: a Catalan, Galician or Basque locale gives its own
// language, every other locale Spanish. `posixName`, the locale's name as the environment
// gives it, tells Valencian ("ca_ES.UTF-8@valencia"), which QLocale does not keep.
Language forLocale(const QLocale &locale, const QString &posixName = {});
// The language of the system's locale: LC_ALL, LC_MESSAGES or LANG where one is set, else
// the system's own (Windows names Valencian "ca-ES-valencia").
Language forSystem();

// The language named by a code ("es", "ca", "ca-valencia", "gl", "eu"); nothing for any other
// text.
std::optional<Language> fromCode(const QString &code);
QString code(Language language);

// The resource folder the translations are built into, one file per language.
inline constexpr char kTranslations[] = ":/i18n";

// Makes the language the program's from now on: installs Qt's translation of its own texts
// and then the program's, found in `translations`, in place of any earlier ones (Spanish
// needs none), asks the system for its messages in the language where it has them, and makes
// its locale the default one for numbers.
// Windows made before keep their texts. A translation of the program's that can't be loaded
// is told to `complaints` and leaves the program wholly in Spanish, its pictures too; false
// then. Qt's own is optional: without it the program's file translates Qt's texts too.
bool use(Language language, const QString &translations = QLatin1String(kTranslations),
         std::FILE *complaints = stderr);
Language current();
// How the language writes numbers and dates: Spain's form of it. The language in use is also
// the default locale, so QLocale() formats in it whatever the system's locale.
QLocale locale(Language language);

// A built-in picture drawn in the current language: ":/assets/x.png" gives
// ":/assets/ca/x.png" in Catalan and Valencian when the program has one, the picture itself
// otherwise.
QString picture(const QString &resource);

// The element's name, as the table writes it, in the current language.
QString elementName(int atomicNumber, board::Table table = board::Table::Classic);

} // namespace language
