#include "app/startup.h"

#include "app/commandline.h"
#include "app/language.h"
#include "app/resources.h"

#include <QApplication>
#include <QIcon>

namespace startup {

int run(QApplication &app)
{
    const QStringList arguments = app.arguments();
    const language::Language systemLanguage = language::forLocale(QLocale::system());
    language::use(systemLanguage);
    const commandline::Options options = commandline::parse(arguments, systemLanguage);
    if (options.language != systemLanguage)
        language::use(options.language);
    if (!options.error.isEmpty()) {
        commandline::tell(options.error + QStringLiteral("\n\n") +
                              commandline::helpText(arguments.value(0)),
                          true);
        return 2;
    }
    if (options.help) {
        commandline::tell(commandline::helpText(arguments.value(0)), false);
        return 0;
    }

    resources::load();
    // The window class and desktop entry the desktop groups the program's windows under.
    QCoreApplication::setApplicationName(QStringLiteral("tabelora"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tabelora.Tabelora"));
    app.setWindowIcon(resources::programIcon());
    app.setQuitOnLastWindowClosed(false); // closing the main window alone ends the program

    Windows windows;
    windows.Form1.show();
    return app.exec();
}

} // namespace startup
