#include "app/startup.h"

#include "app/colours.h"
#include "app/commandline.h"
#include "app/language.h"
#include "app/layout.h"
#include "app/platform.h"
#include "app/resources.h"
#include "app/sending.h"
#include "app/setupcheck.h"
#include "app/summaryexport.h"
#include "app/summarywindow.h"
#include "records/filesystem.h"
#include "records/labsettings.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>
#include <QTranslator>

#include <memory>
#include <optional>

namespace startup {

namespace {
// The language and the results folder the command line leaves open, from the lab's settings,
// read once the application object exists; the language then becomes the program's.
//
// What is wrong with the lab's set-up goes to standard error, never in front of a pupil:
// --comprobar shows it to the teacher.
void settle(commandline::Options &options)
{
    records::LabSettings lab = records::readLabSettings();
    commandline::completeFromSettings(options, lab);
    language::use(options.language);
    // Read again, to tell what is wrong in the language the settings chose.
    if (!lab.problems.isEmpty())
        lab = records::readLabSettings();
    QString note = commandline::settingsNote(options);
    for (const QString &problem : lab.problems)
        note += QStringLiteral("tabelora: ") + problem + QLatin1Char('\n');
    if (!note.isEmpty())
        commandline::print(note, true);
}

// The teacher's summary writes PDFs, which embed each face of the bundled fonts they use.
// Windows' own font engine (GDI) knows a face by its full name, which Wine gives alike to a
// family's regular and bold faces: the PDF then embeds one face for both, and all its text
// comes out bold. Qt's FreeType engine knows each face by the file it came from. Before the
// application object, which reads the choice; a platform the user chose wins.
void useFacesByFile()
{
#ifdef Q_OS_WIN
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
#endif
}

// --comprobar: the set-up as the teacher needs to see it; 0 when it is sound, 2 otherwise.
int checkAlone(int &argc, char **argv, commandline::Options options)
{
    QCoreApplication app(argc, argv);
    const bool fromCommandLine = !options.resultsFolder.isEmpty();
    const QStringList files = records::labSettingsFiles();
    records::LabSettings lab = records::readLabSettings(files);
    commandline::completeFromSettings(options, lab);
    language::use(options.language);
    lab = records::readLabSettings(files); // what is wrong, in the language chosen
    for (QString line : commandline::settingsNote(options).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        lab.problems << line.remove(QStringLiteral("tabelora: "));
    const setupcheck::Report report = setupcheck::check(files, lab, options, fromCommandLine);
    commandline::print(report.text, false);
    return report.sound ? 0 : 2;
}

// Help, version or a refusal, told in the language of --idioma or else of the settings or the
// system locale. Only Windows opens the window system: started from the desktop, with no
// console to print to, the answer comes in a message box.
int answerAlone(int &argc, char **argv, commandline::Options options, const QString &programName)
{
#ifdef Q_OS_WIN
    QApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    settle(options);
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

// The summary's CSV or PDF file written with no window: the CSV needs no window system at
// all, the PDF Qt's fonts and painting, which its offscreen platform gives without a display.
int writeFilesAlone(int &argc, char **argv, commandline::Options options)
{
    std::unique_ptr<QCoreApplication> app;
#ifdef Q_OS_WIN
    useFacesByFile();
    app = std::make_unique<QApplication>(argc, argv);
#else
    if (options.pdfFile.isEmpty()) {
        app = std::make_unique<QCoreApplication>(argc, argv);
    } else {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
#endif
    settle(options);
    if (!options.pdfFile.isEmpty())
        resources::load();

    // What a pupil may have put in a name or a record reaches the terminal escaped. Nothing is
    // shown in a window, on any system: a script waits for no one, and the status tells.
    const auto failed = [](const QString &why) {
        commandline::print(commandline::printable(why) + QLatin1Char('\n'), true);
        return 2;
    };
    if (const QString clash = commandline::sameExportFile(options); !clash.isEmpty())
        return failed(clash);
    QString error;
    const auto found = summaryexport::readRecords(options.summaryFolder, &error);
    if (!found)
        return failed(error);
    if (!found->skipped.isEmpty()) {
        QString lines = summaryexport::skippedCount(found->skipped.size()) + QLatin1Char(':');
        for (const QString &skipped : found->skipped)
            lines += QStringLiteral("\n  ") + commandline::printable(skipped);
        commandline::print(lines + QLatin1Char('\n'), true);
    }
    const records::Summary summary = records::summarize(found->records);
    if (!options.csvFile.isEmpty() &&
        !summaryexport::writeCsv(summary.rows, options.csvFile, &error))
        return failed(error);
    if (!options.pdfFile.isEmpty() && !summaryexport::writePdf(summary, options.summaryFolder,
                                                               QString(), options.pdfFile, &error))
        return failed(error);
    return 0;
}

// --proyector: the largest scale at which the main window fits the desktop's free area. Qt reads
// its scale once, as the application object is made, so the area is asked for before that, and
// only with the option. A scale the user set for Qt wins; so does a desktop too small to grow
// on.
std::optional<QByteArray> projectorScale(board::Table table)
{
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ||
        qEnvironmentVariableIsSet("QT_SCREEN_SCALE_FACTORS"))
        return std::nullopt;
    const std::optional<platform::DesktopArea> desktop = platform::desktopAreaBeforeStart();
    if (!desktop)
        return std::nullopt;
    const double scale = platform::fittingScale(
        *desktop, QSize(layout::kClientWidth, layout::clientHeight(table)));
    if (scale <= 1)
        return std::nullopt;
    return QByteArray::number(scale, 'f', 2);
}

// The summary window in place of the exercise; a folder that can't be read is told and ends
// the program.
int showSummary(const QString &folder)
{
    // The teacher's window in Spanish has Qt's own dialogs (saving a file, a message's
    // details) in Spanish too; the pupil's keeps Qt's texts as it always has.
    QTranslator qtSpanish;
    if (language::current() == language::Language::Spanish &&
        qtSpanish.load(QLatin1String(language::kTranslations) + QStringLiteral("/qtbase_es")))
        QCoreApplication::installTranslator(&qtSpanish);
    QString error;
    auto found = summaryexport::readRecords(folder, &error);
    if (!found) {
        commandline::print(commandline::printable(error) + QLatin1Char('\n'), true);
        QMessageBox::critical(nullptr, QStringLiteral("Tabelora"), error);
        return 2;
    }
    SummaryWindow window(folder, std::move(*found));
    window.show();
    return QApplication::exec();
}
} // namespace

int run(int &argc, char **argv)
{
    // The arguments are read before any application object exists: the answers that end the
    // program, and the summary's files, need no display.
    // A folder or file name that is not UTF-8 is kept byte for byte.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(records::pathFromNative(argv[i]));
    commandline::Options options =
        commandline::parse(arguments, language::forSystem());
    if (options.answeredAlone())
        return answerAlone(argc, argv, options, arguments.value(0));
    if (options.check)
        return checkAlone(argc, argv, options);
    if (options.writesFilesAlone())
        return writeFilesAlone(argc, argv, options);

    // The table may come from the lab's settings, which need the application object: the
    // scale is worked out for the window of the table the command line gives, or else for the
    // larger one.
    const std::optional<QByteArray> scale =
        options.projector ? projectorScale(options.tableGiven ? options.table : board::Table::Today)
                          : std::nullopt;
    if (scale)
        qputenv("QT_SCALE_FACTOR", *scale);
    if (!options.summaryFolder.isEmpty())
        useFacesByFile();
    QApplication app(argc, argv);
    // Read by now: the programs the windows start (a browser) keep their own scale.
    if (scale)
        qunsetenv("QT_SCALE_FACTOR");
    settle(options);

    resources::load();
    // The window class and desktop entry the desktop groups the program's windows under.
    QCoreApplication::setApplicationName(QStringLiteral("tabelora"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tabelora.Tabelora"));
    app.setWindowIcon(resources::programIcon());
    if (!options.summaryFolder.isEmpty()) {
        // The teacher's window, full of tooltips; the pupil's program sees no filter on its
        // every event.
        colours::keepToolTipsReadable(&app);
        return showSummary(options.summaryFolder);
    }
    app.setQuitOnLastWindowClosed(false); // closing the main window alone ends the program

    Windows windows(Windows::First::InformationWindow, options.table);
    windows.Form1.setResultsFolder(options.resultsFolder);
    windows.Form1.setMarks(options.marks);
    windows.Form1.show();
    // Once the windows are up: what an earlier run could not send to the results folder.
    QTimer::singleShot(0, &windows.Form1, [folder = options.resultsFolder] {
        sending::deliverOwed(folder);
    });
    return app.exec();
}

} // namespace startup
