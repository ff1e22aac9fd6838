#include "support/tool.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The real program under a real window manager (openbox) on a netbook's 1024 x 600 screen:
// the windows' outer sizes and places with the manager's own frames, and the pupil-data
// dialog as the next pupil finds it. Windows are measured with xwininfo and the frame
// extents the manager publishes; keys and clicks go through xdotool. TABELORA_SESSION_PROGRAM
// names another build of the program to play.
class TestWmSession : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void mainWindowTitleBarIsOnTheScreen();
    void dataDialogHasItsOuterSizeCentred();
    void nextPupilTypesOverTheNameAndAltChordsTypeNothing();
    void datosBringsBackAMinimisedDialog();
    void chartIsShortenedToTheScreen();

private:
    static constexpr QSize kScreen{1024, 600};

    // Runs the command until its output is as wanted (or not empty), for up to 20 seconds.
    QString waitFor(const QStringList &args, const QString &wanted = {});
    QString findWindow(const QString &title);
    // The window's rectangle on the screen, the manager's frame included.
    QRect outer(const QString &window);
    static QString shown(const QRect &frame);
    void click(QPoint client);
    // The dialog's window once it is the active one, or nothing.
    QString dialogOpenedByDatos();
    QStringList reportAfterEnviar();

    QTemporaryDir home;
    QProcess openbox;
    QProcess tabelora;
    QString mainWindow;
};

QString TestWmSession::waitFor(const QStringList &args, const QString &wanted)
{
    const QDeadlineTimer deadline(20000);
    QString output;
    while (((output = runTool(args)).isEmpty() || (!wanted.isNull() && output != wanted)) &&
           !deadline.hasExpired())
        QTest::qWait(100);
    return output;
}

QString TestWmSession::findWindow(const QString &title)
{
    // A search can fail while another window is going away: ask again until it answers.
    return waitFor({"xdotool", "search", "--onlyvisible", "--name", '^' + title + '$'})
        .section('\n', 0, 0);
}

QRect TestWmSession::outer(const QString &window)
{
    const QString info = runTool({"xwininfo", "-id", window});
    const auto field = [&](const QString &name) {
        const int at = info.indexOf(name + ':');
        return at < 0 ? -1 : info.mid(at + name.size() + 1).section('\n', 0, 0).trimmed().toInt();
    };
    const QRect client(field("Absolute upper-left X"), field("Absolute upper-left Y"),
                       field("Width"), field("Height"));
    // "_NET_FRAME_EXTENTS(CARDINAL) = left, right, top, bottom"
    const QStringList extents = runTool({"xprop", "-id", window, "_NET_FRAME_EXTENTS"})
                                    .section('=', 1)
                                    .split(',', Qt::SkipEmptyParts);
    if (extents.size() != 4)
        return {};
    return client.adjusted(-extents[0].toInt(), -extents[2].toInt(), extents[1].toInt(),
                           extents[3].toInt());
}

QString TestWmSession::shown(const QRect &frame)
{
    return QStringLiteral("%1,%2 %3x%4")
        .arg(frame.x())
        .arg(frame.y())
        .arg(frame.width())
        .arg(frame.height());
}

void TestWmSession::click(QPoint client)
{
    const QString info = runTool({"xwininfo", "-id", mainWindow});
    const QPoint origin(info.section("Absolute upper-left X:", 1).section('\n', 0, 0).toInt(),
                        info.section("Absolute upper-left Y:", 1).section('\n', 0, 0).toInt());
    const QPoint p = origin + client;
    // Without --sync, which would wait for ever where the pointer is there already.
    runTool({"xdotool", "mousemove", QString::number(p.x()), QString::number(p.y()), "click", "1"});
}

QString TestWmSession::dialogOpenedByDatos()
{
    runTool({"xdotool", "windowactivate", "--sync", mainWindow, "key", "alt+d"});
    const QString datos = findWindow(QStringLiteral("Datos del alumno"));
    if (datos.isEmpty() || waitFor({"xdotool", "getactivewindow"}, datos) != datos)
        return {};
    return datos;
}

QStringList TestWmSession::reportAfterEnviar()
{
    const QString report = home.filePath(QStringLiteral("result.txt"));
    QFile::remove(report);
    click({248 + 36, 13});
    const QDeadlineTimer deadline(10000);
    while (QFileInfo(report).size() == 0 && !deadline.hasExpired())
        QTest::qWait(50);
    QFile file(report);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"));
}

void TestWmSession::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs an X server (run under xvfb-run)");
    for (const char *tool : {"openbox", "xdotool", "xwininfo", "xprop"})
        QVERIFY2(!QStandardPaths::findExecutable(tool).isEmpty(), tool);

    const QString failure = startOpenbox(openbox, home.path());
    QVERIFY2(failure.isEmpty(), qPrintable(failure));

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.insert("XDG_CONFIG_HOME", home.filePath("config"));
    env.insert("QT_QPA_PLATFORM", "xcb");
    tabelora.setProcessEnvironment(env);
    tabelora.start(
        qEnvironmentVariable("TABELORA_SESSION_PROGRAM", QStringLiteral(TABELORA_PROGRAM)),
        {"--idioma", "es"});
    QVERIFY(tabelora.waitForStarted());
    const QString info = findWindow(QStringLiteral("Información"));
    QVERIFY2(!info.isEmpty(), "the information window did not appear");
    runTool({"xdotool", "windowactivate", "--sync", info, "key", "Escape"});
    mainWindow = findWindow(QStringLiteral("Tabelora"));
    QVERIFY2(!mainWindow.isEmpty(), "the main window did not appear");
}

void TestWmSession::cleanupTestCase()
{
    for (QProcess *p : {&tabelora, &openbox}) {
        p->terminate();
        if (!p->waitForFinished(5000))
            p->kill();
    }
}

// 812 x 606 and a title bar: taller than the screen, so it starts at the top.
void TestWmSession::mainWindowTitleBarIsOnTheScreen()
{
    QRect frame;
    const auto onTop = [&] {
        frame = outer(mainWindow);
        return frame.isValid() && frame.top() == 0 &&
               qAbs(frame.left() - (kScreen.width() - frame.width()) / 2) <= 1;
    };
    QTRY_VERIFY2(onTop(), qPrintable(shown(frame)));
}

void TestWmSession::dataDialogHasItsOuterSizeCentred()
{
    const QString datos = dialogOpenedByDatos();
    QVERIFY(!datos.isEmpty());
    const QRect wanted(QPoint((kScreen.width() - 523) / 2, (kScreen.height() - 366) / 2),
                       QSize(523, 366));
    QRect frame;
    const auto near = [&] {
        frame = outer(datos);
        return (frame.topLeft() - wanted.topLeft()).manhattanLength() <= 2 &&
               qAbs(frame.width() - wanted.width()) <= 1 &&
               qAbs(frame.height() - wanted.height()) <= 1;
    };
    QTRY_VERIFY2(near(), qPrintable(shown(frame)));
    click({400, -10}); // the main window's title bar: the dialog stays open behind it
}

// The first pupil types a name with two of the main window's accelerators in it and leaves
// with "Salir"; the next one reopens the dialog and types at once.
void TestWmSession::nextPupilTypesOverTheNameAndAltChordsTypeNothing()
{
    QVERIFY(!dialogOpenedByDatos().isEmpty());
    runTool({"xdotool", "key", "--delay", "40", "A", "n", "a", "alt+n", "alt+c", "Tab", "Tab",
         "space"});
    QTRY_VERIFY(
        runTool({"xdotool", "search", "--onlyvisible", "--name", "^Datos del alumno$"}).isEmpty());
    QCOMPARE(reportAfterEnviar().filter(QStringLiteral("Alumno: ")),
             QStringList{QStringLiteral("Alumno: Ana")});

    QVERIFY(!dialogOpenedByDatos().isEmpty());
    runTool({"xdotool", "type", "--delay", "40", "Bruno Etxeberria"});
    runTool({"xdotool", "key", "--delay", "40", "Tab", "3", "B", "Tab", "space"});
    // Every send adds its block to the report.
    const QStringList report = reportAfterEnviar();
    QCOMPARE(report.filter(QStringLiteral("Alumno: ")).value(1),
             QStringLiteral("Alumno: Bruno Etxeberria"));
    QCOMPARE(report.filter(QStringLiteral("Grupo : ")).value(1), QStringLiteral("Grupo : 3B"));
}

void TestWmSession::datosBringsBackAMinimisedDialog()
{
    const QString datos = dialogOpenedByDatos();
    QVERIFY(!datos.isEmpty());
    runTool({"xdotool", "windowminimize", "--sync", datos});
    QTRY_VERIFY(runTool({"xwininfo", "-id", datos}).contains("IsUnMapped"));
    QCOMPARE(dialogOpenedByDatos(), datos);
    QVERIFY(runTool({"xwininfo", "-id", datos}).contains("IsViewable"));
    click({400, -10});
}

// 516 x 635 would run 35 pixels off the screen: the chart is as tall as the screen instead.
void TestWmSession::chartIsShortenedToTheScreen()
{
    click({712 + 48, 13});
    const QString chart = findWindow(QStringLiteral("Elementos"));
    QVERIFY(!chart.isEmpty());
    QRect frame;
    const auto shortened = [&] {
        frame = outer(chart);
        return frame.isValid() && frame.top() == 0 && frame.height() == kScreen.height() &&
               qAbs(frame.width() - 516) <= 1;
    };
    QTRY_VERIFY2(shortened(), qPrintable(shown(frame)));
    runTool({"xdotool", "windowactivate", "--sync", chart, "key", "alt+F4"});
    QTRY_VERIFY(runTool({"xdotool", "search", "--onlyvisible", "--name", "^Elementos$"}).isEmpty());
}

QTEST_GUILESS_MAIN(TestWmSession)
#include "tst_wmsession.moc"
