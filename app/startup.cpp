#include "app/startup.h"

#include "app/commandline.h"
#include "app/language.h"
#include "app/resources.h"

#include <QApplication>
#include <QIcon>

namespace startup {

namespace {
// Help, version or a refusal, told in the language of --idioma or else of the system locale.
// Only Windows, whose windowed program tells through a message box, opens the window system.
int answerAlone(int &argc, char **argv, const commandline::Options &options,
                const QString &programName)
{
#ifdef Q_OS_WIN
    QApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    language::use(options.language);
    if (options.refusal != commandline::Refusal::None) {
        commandline::tell(commandline::reason(options) + QStringLiteral("\n\n") +
                              commandline::helpText(programName),
                          true);
        return 2;
    }
    commandline::tell(
        options.help ? commandline::helpText(programName) : commandline::versionText(), false);
    return 0;
}
} // namespace

int run(int &argc, char **argv)
{
    // The arguments are read before any application object exists: the answers that end the
    // program need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const commandline::Options options =
        commandline::parse(arguments, language::forLocale(QLocale::system()));
    if (options.answeredAlone())
        return answerAlone(argc, argv, options, arguments.value(0));

    QApplication app(argc, argv);
    language::use(options.language);

    resources::load();
    // The window class and desktop entry the desktop groups the program's windows under.
    QCoreApplication::setApplicationName(QStringLiteral("tabelora"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tabelora.Tabelora"));
    app.setWindowIcon(resources::programIcon());
    app.setQuitOnLastWindowClosed(false); // closing the main window alone ends the program

    Windows windows;
    showFirstWindows(windows);
    return app.exec();
}

void showFirstWindows(Windows &windows)
{
    windows.Form1.showInformationWindow();
    windows.Form1.show();
}

} // namespace startup
