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
} // namespace

Options parse(const QStringList &arguments, language::Language systemLanguage)
{
    Options options;
    options.language = systemLanguage;

    QCommandLineParser parser;
    const QCommandLineOption idioma(QStringLiteral("idioma"), QString(), QStringLiteral("idioma"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOption(idioma);
    parser.addOption(help);
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (unknown.isEmpty()) {
            options.error = Texts::tr("Falta el idioma después de --idioma.");
        } else {
            const QString dashes =
                unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
            options.error = Texts::tr("Opción desconocida: %1").arg(dashes + unknown.first());
        }
        return options;
    }
    options.help = parser.isSet(help);
    if (parser.isSet(idioma)) {
        const QString value = parser.value(idioma);
        if (const auto chosen = language::fromCode(value.toLower()))
            options.language = *chosen;
        else
            options.error =
                Texts::tr("Idioma desconocido: %1. Los idiomas son es, ca, gl y eu.").arg(value);
    }
    return options;
}

QString helpText(const QString &programName)
{
    //: The option's name --idioma and the codes es, ca, gl and eu stay as they are.
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
           "  -h, --help       muestra esta ayuda.\n")
            .arg(QFileInfo(programName).fileName());
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
