#pragma once

#include "app/language.h"

#include <QString>
#include <QStringList>

// The program's one option, --idioma es|ca|gl|eu, which overrides the language of the system
// locale, and --help.
namespace commandline {

struct Options
{
    language::Language language = language::Language::Spanish;
    bool help = false;
    QString error; // why the arguments were refused, in the language current while parsing
};

// Reads the arguments (the program's name first). Without --idioma the language is the given
// one of the system locale, which should be current, so that errors are told in it.
Options parse(const QStringList &arguments, language::Language systemLanguage);

// The usage text, in the current language.
QString helpText(const QString &programName);

// Prints the text: to standard output, or to standard error for an error; in a message box
// on Windows, where a windowed program has neither.
void tell(const QString &text, bool error);

} // namespace commandline
