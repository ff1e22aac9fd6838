#include "app/commandline.h"

#include "app/summaryexport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <optional>

#include <cstdio>

#ifdef Q_OS_WIN
#include <QMessageBox>

#include <windows.h>
#endif

namespace commandline {

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(commandline)
};

struct RefusalText
{
    Refusal refusal;
    const char *text; // %1 is the refused argument or value, where there is one
};

constexpr RefusalText kRefusalTexts[] = {
    {Refusal::UnknownOption, QT_TRANSLATE_NOOP("commandline", "Opción desconocida: %1")},
    {Refusal::NotAnOption, QT_TRANSLATE_NOOP("commandline", "Argumento desconocido: %1")},
    {Refusal::MissingLanguage, QT_TRANSLATE_NOOP("commandline", "Falta el idioma después de %1.")},
    {Refusal::UnknownLanguage,
     QT_TRANSLATE_NOOP("commandline", "Idioma desconocido: %1. Los idiomas son es, ca, ca-valencia, gl y eu.")},
    {Refusal::MissingTable, QT_TRANSLATE_NOOP("commandline", "Falta la tabla después de %1.")},
    //: clasica and actual stay as they are: they are what the option takes.
    {Refusal::UnknownTable,
     QT_TRANSLATE_NOOP("commandline", "Tabla desconocida: %1. Las tablas son clasica y actual.")},
    {Refusal::UnexpectedValue,
     QT_TRANSLATE_NOOP("commandline", "La opción %1 no admite ningún valor.")},
    {Refusal::MissingFolder, QT_TRANSLATE_NOOP("commandline", "Falta la carpeta después de %1.")},
    {Refusal::MissingFile,
     QT_TRANSLATE_NOOP("commandline", "Falta el nombre del fichero después de %1.")},
    {Refusal::MissingValue, QT_TRANSLATE_NOOP("commandline", "Falta el valor después de %1.")},
    {Refusal::FileWithoutSummary,
     //: --resumen stays as it is; CARPETA is the name of its value, as in the help.
     QT_TRANSLATE_NOOP("commandline", "La opción %1 solo sirve con --resumen CARPETA.")},
};

// The program's options that take a value: what is refused when it is missing, and the
// field it fills (none for the language and the table, which are read apart).
struct ValueOption
{
    const char *name;
    Refusal missing;
    QString Options::*field;
};

constexpr ValueOption kValueOptions[] = {
    {"idioma", Refusal::MissingLanguage, nullptr},
    {"tabla", Refusal::MissingTable, nullptr},
    {"informes", Refusal::MissingFolder, &Options::resultsFolder},
    {"resumen", Refusal::MissingFolder, &Options::summaryFolder},
    {"csv", Refusal::MissingFile, &Options::csvFile},
    {"pdf", Refusal::MissingFile, &Options::pdfFile},
};

// The program's options that take no value, and the field each turns on.
struct FlagOption
{
    const char *name;
    bool Options::*field;
};

constexpr FlagOption kFlagOptions[] = {
    {"marcas", &Options::marks},
    {"proyector", &Options::projector},
    {"comprobar", &Options::check},
};

// Options that Qt's application object reads and takes away before the program sees its
// arguments: a desktop session restarts the program with -session, and the others choose the
// window system, the style or the first window's place. Read before that object exists, they
// are let through rather than refused.
struct QtOption
{
    const char *name;
    bool takesValue;
};

constexpr QtOption kQtOptions[] = {
    {"platform", true},     {"platformpluginpath", true}, {"platformtheme", true},
    {"plugin", true},       {"qwindowgeometry", true},    {"qwindowicon", true},
    {"qwindowtitle", true}, {"reverse", false},           {"session", true},
    {"display", true},      {"geometry", true},           {"style", true},
    {"stylesheet", true},   {"widgetcount", false},
};

// The arguments that are options, up to a "--" after which every word is a plain one.
QStringList optionArguments(const QStringList &arguments)
{
    QStringList found;
    for (const QString &argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            break;
        if (argument.size() > 1 && argument.startsWith(QLatin1Char('-')))
            found.append(argument);
    }
    return found;
}

// "--idioma=ca" gives "idioma".
QString bareName(const QString &argument)
{
    const qsizetype dashes = argument.startsWith(QLatin1String("--")) ? 2 : 1;
    return argument.mid(dashes).section(QLatin1Char('='), 0, 0);
}

// The table a name gives, as the settings and --tabla write it, in any case.
std::optional<board::Table> tableNamed(const QString &name)
{
    for (const board::TableName &entry : board::kTableNames)
        if (name.compare(QLatin1String(entry.name.data(), qsizetype(entry.name.size())),
                         Qt::CaseInsensitive) == 0)
            return entry.table;
    return std::nullopt;
}

void refuse(Options &options, Refusal refusal, const QString &refused)
{
    if (options.refusal != Refusal::None)
        return; // the first fault found is the one told
    options.refusal = refusal;
    options.refused = refused;
}

// Why the parser failed when it names no unknown option: a value given to an option that
// takes none ("--help=x"), or else an option that takes a value and ends the arguments.
void refuseMisplacedValue(Options &options, const QStringList &arguments,
                          const QList<QCommandLineOption> &known)
{
    for (const QString &argument : optionArguments(arguments)) {
        if (!argument.contains(QLatin1Char('=')))
            continue;
        for (const QCommandLineOption &option : known) {
            if (option.valueName().isEmpty() && option.names().contains(bareName(argument))) {
                refuse(options, Refusal::UnexpectedValue, argument.section(QLatin1Char('='), 0, 0));
                return;
            }
        }
    }
    const QString last = arguments.last();
    Refusal missing = Refusal::MissingValue; // one of Qt's options
    for (const ValueOption &option : kValueOptions)
        if (bareName(last) == QLatin1String(option.name))
            missing = option.missing;
    refuse(options, missing, last);
}
} // namespace

Options parse(const QStringList &arguments, language::Language systemLanguage)
{
    Options options;
    options.language = systemLanguage;

    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    QList<QCommandLineOption> known{help, version};
    for (const ValueOption &option : kValueOptions)
        known.append(
            QCommandLineOption(QLatin1String(option.name), QString(), QLatin1String(option.name)));
    for (const FlagOption &option : kFlagOptions)
        known.append(QCommandLineOption(QLatin1String(option.name)));
    for (const QtOption &qt : kQtOptions)
        known.append(QCommandLineOption(QLatin1String(qt.name), QString(),
                                        qt.takesValue ? QStringLiteral("value") : QString()));

    QCommandLineParser parser;
    // Qt's options are words after one dash, so one dash starts a name as two do, never a run
    // of one-letter options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(known);
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (unknown.isEmpty()) {
            refuseMisplacedValue(options, arguments, known);
        } else {
            QString typed = QStringLiteral("--") + unknown.first();
            for (const QString &argument : optionArguments(arguments)) {
                if (bareName(argument) == unknown.first()) {
                    typed = argument.section(QLatin1Char('='), 0, 0);
                    break;
                }
            }
            refuse(options, Refusal::UnknownOption, typed);
        }
    }
    if (!parser.positionalArguments().isEmpty())
        refuse(options, Refusal::NotAnOption, parser.positionalArguments().first());
    // Read even when something else is refused, so that the refusal is told in this language.
    const QString idioma = QStringLiteral("idioma");
    if (parser.isSet(idioma) && options.refusal != Refusal::MissingLanguage) {
        const QString value = parser.value(idioma);
        options.languageGiven = true;
        if (const auto chosen = language::fromCode(value.toLower()))
            options.language = *chosen;
        else
            refuse(options, Refusal::UnknownLanguage, value);
    }
    const QString tabla = QStringLiteral("tabla");
    if (parser.isSet(tabla) && options.refusal != Refusal::MissingTable) {
        const QString value = parser.value(tabla);
        options.tableGiven = true;
        if (const auto chosen = tableNamed(value))
            options.table = *chosen;
        else
            refuse(options, Refusal::UnknownTable, value);
    }
    for (const ValueOption &option : kValueOptions) {
        const QString name = QLatin1String(option.name);
        if (!option.field || !parser.isSet(name))
            continue;
        options.*option.field = parser.value(name);
        if ((options.*option.field).isEmpty())
            refuse(options, option.missing, QStringLiteral("--") + name);
    }
    if (options.summaryFolder.isEmpty()) {
        if (!options.csvFile.isEmpty())
            refuse(options, Refusal::FileWithoutSummary, QStringLiteral("--csv"));
        if (!options.pdfFile.isEmpty())
            refuse(options, Refusal::FileWithoutSummary, QStringLiteral("--pdf"));
    }
    for (const FlagOption &option : kFlagOptions)
        options.*option.field = parser.isSet(QLatin1String(option.name));
    options.help = parser.isSet(help);
    options.version = parser.isSet(version);
    return options;
}

void completeFromSettings(Options &options, const records::LabSettings &settings)
{
    if (!options.languageGiven && !settings.language.isEmpty()) {
        if (const auto chosen = language::fromCode(settings.language.toLower()))
            options.language = *chosen;
        else
            options.ignoredLanguage = settings.language;
    }
    if (const QString table = settings.table.trimmed(); !options.tableGiven && !table.isEmpty()) {
        if (const auto chosen = tableNamed(table))
            options.table = *chosen;
        else
            options.ignoredTable = settings.table;
    }
    if (options.resultsFolder.isEmpty())
        options.resultsFolder = settings.resultsFolder;
    if (const QString marks = settings.marks.trimmed().toLower(); !marks.isEmpty()) {
        if (marks == QLatin1String("true"))
            options.marks = true;
        else if (marks != QLatin1String("false"))
            options.ignoredMarks = settings.marks;
    }
}

QString settingsNote(const Options &options)
{
    QString note;
    if (!options.ignoredLanguage.isEmpty())
        //: The codes es, ca, ca-valencia, gl and eu stay as they are.
        note += Texts::tr("tabelora: el idioma «%1» de la configuración del aula no es ninguno "
                          "de es, ca, ca-valencia, gl y eu; no se tiene en cuenta.\n")
                    .arg(options.ignoredLanguage);
    if (!options.ignoredTable.isEmpty())
        //: tabla, clasica and actual stay as they are: they are what the settings file holds.
        note += Texts::tr("tabelora: «tabla = %1» de la configuración del aula no es clasica "
                          "ni actual; no se tiene en cuenta.\n")
                    .arg(options.ignoredTable);
    if (!options.ignoredMarks.isEmpty())
        //: marcas, true and false stay as they are: they are what the settings file holds.
        note += Texts::tr("tabelora: «marcas = %1» de la configuración del aula no es true ni "
                          "false; no se tiene en cuenta.\n")
                    .arg(options.ignoredMarks);
    return note;
}

QString reason(const Options &options)
{
    for (const RefusalText &entry : kRefusalTexts) {
        if (entry.refusal != options.refusal)
            continue;
        const QString text = QCoreApplication::translate("commandline", entry.text);
        return options.refused.isNull() ? text : text.arg(options.refused);
    }
    return QString();
}

QString helpText(const QString &programName)
{
    //: The option names (--idioma, --tabla, --informes, --marcas, --proyector, --resumen,
    //: --csv, --pdf, --comprobar, --help, --version), the codes es, ca, ca-valencia, gl and eu, the
    //: locale patterns (ca_*, ca_*@valencia, gl_*, eu_*) and the tables' names
    //: clasica and actual stay as they are; the names of the values (IDIOMA, CARPETA,
    //: FICHERO) and the button's name «Enviar» are translated.
    return Texts::tr(
               "Uso: %1 [--idioma es|ca|ca-valencia|gl|eu] [--tabla clasica|actual]\n"
               "         [--informes CARPETA] [--marcas] [--proyector]\n"
               "     %1 --resumen CARPETA [--csv FICHERO] [--pdf FICHERO]\n"
               "     %1 --comprobar\n"
               "\n"
               "Tabelora, ejercicio para aprender la tabla periódica.\n"
               "\n"
               "Opciones:\n"
               "  --idioma IDIOMA     idioma del programa: es (castellano), ca (catalán),\n"
               "                      ca-valencia (valenciano), gl (gallego) o eu (euskera).\n"
               "                      Sin esta opción se sigue el idioma de la configuración\n"
               "                      del aula o, si no lo hay, el del sistema: catalán con\n"
               "                      ca_*, valenciano con ca_*@valencia, gallego con gl_*,\n"
               "                      euskera con eu_* y castellano con cualquier otro.\n"
               "  --tabla clasica     la tabla del ejercicio, de 114 elementos (la de siempre).\n"
               "  --tabla actual      la tabla de hoy, de 118 elementos con sus nombres y\n"
               "                      símbolos actuales. Sin esta opción, la de la\n"
               "                      configuración del aula (tabla=clasica o tabla=actual)\n"
               "                      o, si no la hay, la clásica.\n"
               "  --informes CARPETA  carpeta de resultados de esta sesión: cada «Enviar» deja\n"
               "                      allí un registro. Sin esta opción, la de la configuración\n"
               "                      del aula.\n"
               "  --marcas            al corregir, marca cada ficha con un signo además del\n"
               "                      color: ✓ bien colocada, ✗ mal colocada; la leyenda\n"
               "                      muestra también una trama para cada estado. También\n"
               "                      con marcas=true en la configuración del aula.\n"
               "  --proyector         agranda las ventanas tanto como quepan en la pantalla,\n"
               "                      para una pizarra digital o un proyector.\n"
               "  --resumen CARPETA   abre el resumen de la clase con los registros de la\n"
               "                      carpeta y de sus subcarpetas, en lugar del ejercicio.\n"
               "  --csv FICHERO       con --resumen: escribe la tabla de los alumnos en un\n"
               "                      fichero CSV y termina, sin abrir ninguna ventana.\n"
               "  --pdf FICHERO       con --resumen: escribe el resumen en un fichero PDF y\n"
               "                      termina, sin abrir ninguna ventana.\n"
               "  --comprobar         comprueba la configuración del aula de este equipo y la\n"
               "                      carpeta de resultados, sin abrir ninguna ventana.\n"
               "  -h, --help          muestra esta ayuda.\n"
               "      --version       muestra la versión del programa.\n")
        .arg(QFileInfo(programName).fileName());
}

QString versionText()
{
    return QStringLiteral("tabelora %1\n").arg(QLatin1String(TABELORA_VERSION));
}

#ifdef Q_OS_WIN
namespace {
// The handle of the standard output or error: the one the program was given, or else that of
// the parent's console, attached once. Null when there is neither.
HANDLE standardHandle(DWORD which)
{
    const auto usable = [](HANDLE handle) { return handle && handle != INVALID_HANDLE_VALUE; };
    if (HANDLE given = GetStdHandle(which); usable(given))
        return given;
    static const bool attached = AttachConsole(ATTACH_PARENT_PROCESS);
    if (!attached)
        return nullptr;
    if (HANDLE console = GetStdHandle(which); usable(console))
        return console;
    // Older systems attach the console without setting the standard handles.
    static const HANDLE output = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                             FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                             OPEN_EXISTING, 0, nullptr);
    return usable(output) ? output : nullptr;
}
} // namespace

bool print(const QString &text, bool error)
{
    HANDLE handle = standardHandle(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    if (!handle)
        return false;
    // A console takes the text as UTF-16, whatever its code page; a file or a pipe gets UTF-8.
    // A console shows a new line only with its carriage return.
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) {
        const QString lines = QString(text).replace(QLatin1Char('\n'), QLatin1String("\r\n"));
        DWORD written = 0;
        return WriteConsoleW(handle, lines.utf16(), DWORD(lines.size()), &written, nullptr);
    }
    const QByteArray bytes = text.toUtf8();
    DWORD written = 0;
    return WriteFile(handle, bytes.constData(), DWORD(bytes.size()), &written, nullptr);
}

void tell(const QString &text, bool error)
{
    if (print(text, error))
        return;
    QMessageBox box(error ? QMessageBox::Critical : QMessageBox::Information,
                    QCoreApplication::applicationName(), text, QMessageBox::Ok);
    box.exec();
}
#else
bool print(const QString &text, bool error)
{
    std::fputs(qPrintable(text), error ? stderr : stdout);
    return std::fflush(error ? stderr : stdout) == 0;
}

void tell(const QString &text, bool error)
{
    print(text, error);
}
#endif

QString printable(const QString &text)
{
    QString safe;
    safe.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text.at(i).unicode();
        if (QChar::isHighSurrogate(u) && i + 1 < text.size() &&
            QChar::isLowSurrogate(text.at(i + 1).unicode())) {
            safe.append(text.mid(i, 2));
            ++i;
            continue;
        }
        const bool control = u < 0x20 || (u >= 0x7F && u <= 0x9F);
        const bool direction = u == 0x061C || u == 0x200E || u == 0x200F ||
                               (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
        const bool separator = u == 0x2028 || u == 0x2029;
        if (u == '\n')
            safe.append(QLatin1String("\\n"));
        else if (u == '\r')
            safe.append(QLatin1String("\\r"));
        else if (u == '\t')
            safe.append(QLatin1String("\\t"));
        else if (u < 0x80 && control)
            safe.append(QStringLiteral("\\x%1").arg(uint(u), 2, 16, QLatin1Char('0')));
        else if (u >= 0xDC80 && u <= 0xDCFF)
            safe.append(QStringLiteral("\\x%1").arg(uint(u - 0xDC00), 2, 16, QLatin1Char('0')));
        else if (control || direction || separator || QChar::isSurrogate(u))
            safe.append(QStringLiteral("\\u%1").arg(uint(u), 4, 16, QLatin1Char('0')));
        else
            safe.append(QChar(u));
    }
    return safe;
}

QString sameExportFile(const Options &options)
{
    if (options.csvFile.isEmpty() || options.pdfFile.isEmpty() ||
        !summaryexport::sameFile(options.csvFile, options.pdfFile))
        return QString();
    return summaryexport::sameFileText(options.pdfFile);
}

} // namespace commandline
