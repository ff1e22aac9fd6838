#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <QMessageBox>
#else
#include <cstdio>
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
    {Refusal::MissingLanguage,
     QT_TRANSLATE_NOOP("commandline", "Falta el idioma después de --idioma.")},
    {Refusal::UnknownLanguage,
     QT_TRANSLATE_NOOP("commandline", "Idioma desconocido: %1. Los idiomas son es, ca, gl y eu.")},
    {Refusal::UnexpectedValue,
     QT_TRANSLATE_NOOP("commandline", "La opción %1 no admite ningún valor.")},
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

void refuse(Options &options, Refusal refusal, const QString &refused)
{
    if (options.refusal != Refusal::None)
        return; // the first fault found is the one told
    options.refusal = refusal;
    options.refused = refused;
}

// Why the parser failed when it names no unknown option: a value given to an option that
// takes none ("--help=x"), or else --idioma without its value.
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
    refuse(options, Refusal::MissingLanguage, QString());
}
} // namespace

Options parse(const QStringList &arguments, language::Language systemLanguage)
{
    Options options;
    options.language = systemLanguage;

    const QCommandLineOption idioma(QStringLiteral("idioma"), QString(), QStringLiteral("idioma"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    QList<QCommandLineOption> known{idioma, help, version};
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
    if (parser.isSet(idioma) && options.refusal != Refusal::MissingLanguage) {
        const QString value = parser.value(idioma);
        if (const auto chosen = language::fromCode(value.toLower()))
            options.language = *chosen;
        else
            refuse(options, Refusal::UnknownLanguage, value);
    }
    options.help = parser.isSet(help);
    options.version = parser.isSet(version);
    return options;
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
    //: The option names --idioma and --version and the codes es, ca, gl and eu stay as they
    //: are.
    return Texts::
        tr("Uso: %1 [--idioma es|ca|gl|eu]\n"
           "\n"
           "Tabelora, ejercicio para aprender la tabla periódica.\n"
           "\n"
           "Opciones:\n"
           "  --idioma IDIOMA  idioma del programa: es (castellano), ca (catalán o valenciano),\n"
           "                   gl (gallego) o eu (euskera). Sin esta opción se sigue el idioma\n"
           "                   del sistema: catalán con ca_*, gallego con gl_*, euskera con eu_*\n"
           "                   y castellano con cualquier otro.\n"
           "  -h, --help       muestra esta ayuda.\n"
           "      --version    muestra la versión del programa.\n")
            .arg(QFileInfo(programName).fileName());
}

QString versionText()
{
    return QStringLiteral("tabelora %1\n").arg(QLatin1String(TABELORA_VERSION));
}

void tell(const QString &text, bool error)
{
#ifdef Q_OS_WIN
    QMessageBox box(error ? QMessageBox::Critical : QMessageBox::Information,
                    QCoreApplication::applicationName(), text, QMessageBox::Ok);
    box.exec();
#else
    std::fputs(qPrintable(text), error ? stderr : stdout);
    std::fflush(error ? stderr : stdout);
#endif
}

} // namespace commandline
