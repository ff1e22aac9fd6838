#pragma once

#include "app/language.h"
#include "game/board.h"
#include "records/labsettings.h"

#include <QString>
#include <QStringList>

// The program's options: --idioma es|ca|gl|eu, which overrides the language of the lab's
// settings and of the system locale; --tabla clasica|actual, the table of the exercise, which
// overrides the settings' too; --informes, the results folder of this run; --marcas, the
// ticks and crosses of a correction drawn beside the colours; --proyector, the windows as
// large as the screen holds; --resumen, the class's summary in place of the exercise, and
// with it --csv and --pdf, which write the summary to a file with no window; --help and
// --version. Reading them needs no application object, so that the program can answer them
// before it opens a window system.
namespace commandline {

// Why the arguments were refused.
enum class Refusal
{
    None,
    UnknownOption,      // "--nada"
    NotAnOption,        // "foo": the program takes no other words
    MissingLanguage,    // "--idioma" last
    UnknownLanguage,    // "--idioma xx"
    MissingTable,       // "--tabla" last
    UnknownTable,       // "--tabla xx"
    UnexpectedValue,    // "--help=x"
    MissingFolder,      // "--informes" or "--resumen" last, or with an empty value
    MissingFile,        // "--csv" or "--pdf" last, or with an empty value
    MissingValue,       // one of Qt's options that take a value, last ("-platform")
    FileWithoutSummary, // "--csv x" with no --resumen
};

struct Options
{
    language::Language language = language::Language::Spanish;
    bool languageGiven = false; // by --idioma, over the lab's settings
    board::Table table = board::Table::Classic;
    bool tableGiven = false; // by --tabla, over the lab's settings
    QString resultsFolder;      // where every send also leaves a record; empty for none
    QString summaryFolder;      // --resumen: the folder of records to sum up
    QString csvFile, pdfFile;   // --csv, --pdf: the files to write from it
    // The lab's settings named a language that is none of the program's; it was left out.
    QString ignoredLanguage;
    bool marks = false;     // --marcas, or marcas=true in the lab's settings
    bool projector = false; // --proyector
    bool check = false;     // --comprobar: the lab's set-up checked, with no window
    // The lab's settings gave marcas a value that is neither true nor false; it was left out.
    QString ignoredMarks;
    // The lab's settings named a table that is neither of the two; it was left out.
    QString ignoredTable;
    bool help = false;
    bool version = false;
    Refusal refusal = Refusal::None;
    QString refused; // the refused argument or value, as typed

    // Help, version or a refusal: the program answers and ends without a window.
    bool answeredAlone() const { return help || version || refusal != Refusal::None; }
    // The summary written to files, with no window and no display.
    bool writesFilesAlone() const { return !csvFile.isEmpty() || !pdfFile.isEmpty(); }
};

// Reads the arguments (the program's name first). Without --idioma, or with a wrong one, the
// language is the given one of the system locale. Qt's own window-system options (-platform,
// -session and the like) are let through for the application object.
Options parse(const QStringList &arguments, language::Language systemLanguage);

// Fills what the command line left open from the lab's settings: the language, when --idioma
// named none and the settings name one of the program's; the table likewise, for --tabla; the
// results folder, when --informes named none; the marks, when the settings turn them on.
void completeFromSettings(Options &options, const records::LabSettings &settings);

// The note that the settings' language, table or marks were left out, in the current
// language; empty when none was.
QString settingsNote(const Options &options);

// Why the arguments were refused, in the current language; empty when they were not.
QString reason(const Options &options);

// The usage text, in the current language.
QString helpText(const QString &programName);

// "tabelora" and the version number.
QString versionText();

// Prints the text to standard output, or to standard error for an error. A windowed program
// on Windows has neither of its own: it writes where its standard handles lead when whoever
// started it gave it some (a redirection), or else to the console of the program that started
// it (a command prompt). False when there is nowhere to write: started from the desktop, with
// no console.
bool print(const QString &text, bool error);

// Prints the text, or when there is nowhere to print it (Windows, started from the desktop),
// shows it in a message box that waits for OK. For the answers a teacher asks for (help,
// version, a refused option), never for the exports, which show nothing.
void tell(const QString &text, bool error);

// A text from outside the program (a file name, what a record holds) made safe to print on a
// line of a terminal: control characters, the characters that turn text right to left and
// line separators are written as escapes ("\n", "\x1b", "\u202e"), and the bytes of a name
// that are not UTF-8 (records::pathFromNative) as "\xe9". Every other character stays.
QString printable(const QString &text);

// The files --csv and --pdf write, when both lead to one file; empty otherwise.
QString sameExportFile(const Options &options);

} // namespace commandline
