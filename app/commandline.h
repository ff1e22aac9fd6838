#pragma once

#include "app/language.h"

#include <QString>
#include <QStringList>

// The program's options: --idioma es|ca|gl|eu, which overrides the language of the system
// locale, --help and --version. Reading them needs no application object, so that the program
// can answer them before it opens a window system.
namespace commandline {

// Why the arguments were refused.
enum class Refusal
{
    None,
    UnknownOption,   // "--nada"
    NotAnOption,     // "foo": the program takes no other words
    MissingLanguage, // "--idioma" last
    UnknownLanguage, // "--idioma xx"
    UnexpectedValue, // "--help=x"
};

struct Options
{
    language::Language language = language::Language::Spanish;
    bool help = false;
    bool version = false;
    Refusal refusal = Refusal::None;
    QString refused; // the refused argument or value, as typed

    // Help, version or a refusal: the program answers and ends without a window.
    bool answeredAlone() const { return help || version || refusal != Refusal::None; }
};

// Reads the arguments (the program's name first). Without --idioma, or with a wrong one, the
// language is the given one of the system locale. Qt's own window-system options (-platform,
// -session and the like) are let through for the application object.
Options parse(const QStringList &arguments, language::Language systemLanguage);

// Why the arguments were refused, in the current language; empty when they were not.
QString reason(const Options &options);

// The usage text, in the current language.
QString helpText(const QString &programName);

// "tabelora" and the version number.
QString versionText();

// Prints the text: to standard output, or to standard error for an error; in a message box
// on Windows, where a windowed program has neither.
void tell(const QString &text, bool error);

} // namespace commandline
