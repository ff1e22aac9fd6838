#include "app/summarywindow.h"
#include "support/mainwindow.h"
#include "support/pointer.h"
#include "support/tool.h"

#include <QApplication>
#include <QScopeGuard>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

// The main window at a scale factor of 2: the layout keeps its geometry in device-independent
// pixels, the pixel art is drawn with hard edges, and the pointer still finds the cells. On a
// real 1920 x 1080 display under openbox (the run labelled display), every window keeps its
// title bar on the screen at that scale, and --proyector makes the real program as large as
// the screen holds.
class TestHiDpi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void layoutKeepsItsLogicalGeometry();
    void tileFacesScaleWithoutSmoothing();
    void dragStillPlacesATile();
    void everyWindowKeepsItsTitleBarOnTheScreen();
    void projectorScalesTheMainWindowToTheScreen();

private:
    static bool onRealDisplay() { return QGuiApplication::platformName() == u"xcb"; }
    // How long a shown window may take to be exposed: milliseconds. The test library allows
    // 5 seconds of real time, while every other wait here counts its polling steps; but on a
    // real display the window manager frames and maps the window first, so the test, openbox
    // and the X server each wait their turn, and on a machine busy with builds the first
    // 1624 x 1212 window took longer than that.
    static constexpr int kExposeMs = 30000;

    MainWindowFixture fx;
    TForm1 *form = nullptr;
    QTemporaryDir home;
    QProcess openbox;
};

void TestHiDpi::initTestCase()
{
    if (!onRealDisplay())
        return;
    const QString failure = startOpenbox(openbox, home.path());
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void TestHiDpi::cleanupTestCase()
{
    openbox.terminate();
    openbox.waitForFinished(5000);
}

// A fresh window for every function.
void TestHiDpi::init()
{
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    QVERIFY(fx.makeWindows(false));
    form = fx.form;
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form, kExposeMs));
}

void TestHiDpi::cleanup()
{
    fx.destroyWindows();
}

void TestHiDpi::layoutKeepsItsLogicalGeometry()
{
    QCOMPARE(form->size(), QSize(812, 606));
    QCOMPARE(fx.panel(1)->geometry(), QRect(10, 40, 40, 40));
    QCOMPARE(fx.tile(1)->size(), QSize(38, 38));
    const QImage shot = form->grab().toImage();
    QCOMPARE(shot.size(), QSize(1624, 1212));
}

void TestHiDpi::tileFacesScaleWithoutSmoothing()
{
    QTRY_COMPARE(fx.tile(5)->size(), QSize(38, 38));
    const QImage shot = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int n : {1, 43, 58, 114}) {
        const TAnimatedCorvalia *tile = fx.tile(n);
        const QImage face = tile->Bitmap().convertToFormat(QImage::Format_RGB32);
        const QPoint origin = tile->pos() * 2;
        // Rows that lie inside the window (the tray's last row reaches past its edge).
        const int rows = std::min(38, 606 - tile->y());
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < 38; ++x) {
                const QRgb expected = face.pixel(x, y) & 0xffffff;
                for (int dy = 0; dy < 2; ++dy)
                    for (int dx = 0; dx < 2; ++dx)
                        if ((shot.pixel(origin + QPoint(2 * x + dx, 2 * y + dy)) & 0xffffff) !=
                            expected)
                            QFAIL(qPrintable(
                                QStringLiteral("tile %1 blurred at %2, %3").arg(n).arg(x).arg(y)));
            }
    }
}

void TestHiDpi::dragStillPlacesATile()
{
    QWindow *window = form->windowHandle();
    TAnimatedCorvalia *tile = fx.tile(6);
    const QPoint cell(board::cellCorner(6).x, board::cellCorner(6).y);
    const QPoint at = pointer::dragTile(window, tile->pos(), cell);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, at);
    QCOMPARE(tile->pos(), cell);
    QVERIFY(tile->Accepted());
    QVERIFY(!fx.panel(6)->isVisible());
}

// 812 x 606 at a scale of 2 is taller than the 1920 x 1080 screen: its title bar still starts
// at the top. The smaller windows lie wholly on the screen, and the chart is shortened to it.
void TestHiDpi::everyWindowKeepsItsTitleBarOnTheScreen()
{
    if (!onRealDisplay())
        QSKIP("needs a window manager's frames (the run on a virtual X display)");
    const QRect area = form->screen()->availableGeometry();
    QCOMPARE(area, QRect(0, 0, 960, 540));
    SummaryWindow summary(QStringLiteral("clase"), records::FolderRecords{});
    const QList<QWidget *> windows = {form, &fx.windows().AboutBox, &fx.datosBox(), &fx.elementos(),
                                      &summary};
    for (QWidget *window : windows) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window, kExposeMs));
        QRect frame;
        const auto placed = [&] {
            frame = window->frameGeometry();
            const bool fits = frame.width() <= area.width() && frame.height() <= area.height();
            return frame != window->geometry() && area.contains(frame.topLeft()) &&
                   (!fits || area.contains(frame)) && (window != form || frame.top() == area.top());
        };
        QTRY_VERIFY2(placed(), qPrintable(QStringLiteral("%1 at %2,%3 %4x%5")
                                              .arg(QLatin1String(window->metaObject()->className()))
                                              .arg(frame.x())
                                              .arg(frame.y())
                                              .arg(frame.width())
                                              .arg(frame.height())));
        if (window != form)
            window->hide();
    }
}

// The largest quarter step at which 812 x 606 and openbox's frame fit 1920 x 1080 is 1.5:
// 1.75 would make the window 1061 pixels high before its title bar.
void TestHiDpi::projectorScalesTheMainWindowToTheScreen()
{
    if (!onRealDisplay())
        QSKIP("needs the real program on a virtual X display");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_SCALE_FACTOR");
    env.insert("HOME", home.path());
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(TABELORA_PROGRAM), {"--proyector", "--idioma", "es"});
    QVERIFY(program.waitForStarted());
    const auto stop = qScopeGuard([&] {
        program.terminate();
        program.waitForFinished(5000);
    });
    const auto find = [&](const char *title) {
        QString found;
        const QStringList search = {"xdotool",       "search", "--all",
                                    "--onlyvisible", "--pid",  QString::number(program.processId()),
                                    "--name",        title};
        for (int waited = 0; waited < 20000 && found.isEmpty(); waited += 100) {
            found = runTool(search).section('\n', 0, 0);
            if (found.isEmpty())
                QTest::qWait(100);
        }
        return found;
    };
    const QString info = find("^Información$");
    QVERIFY2(!info.isEmpty(), "the information window did not appear");
    runTool({"xdotool", "windowactivate", "--sync", info, "key", "Escape"});
    const QString main = find("^Tabelora$");
    QVERIFY2(!main.isEmpty(), "the main window did not appear");
    QString shown;
    const auto fills = [&] {
        shown = runTool({"xwininfo", "-id", main});
        const auto field = [&](const char *name) {
            return shown.section(QLatin1String(name) + u':', 1).section('\n', 0, 0).toInt();
        };
        const QRect client(field("Absolute upper-left X"), field("Absolute upper-left Y"),
                           field("Width"), field("Height"));
        const QStringList frame = runTool({"xprop", "-id", main, "_NET_FRAME_EXTENTS"})
                                      .section('=', 1)
                                      .split(',', Qt::SkipEmptyParts);
        return frame.size() == 4 && client.size() == QSize(1218, 909) &&
               QRect(0, 0, 1920, 1080)
                   .contains(client.adjusted(-frame[0].toInt(), -frame[2].toInt(), frame[1].toInt(),
                                             frame[3].toInt()));
    };
    QTRY_VERIFY2_WITH_TIMEOUT(fills(), qPrintable(shown), 10000);
}

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHiDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hidpi.moc"
