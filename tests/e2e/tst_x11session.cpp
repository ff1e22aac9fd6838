#include "game/board.h"
#include "game/elements.h"
#include "support/tool.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <X11/Xlib.h>

namespace {
// Asks the window to close, as a window manager does when its close box is clicked.
bool askToClose(const QString &windowId)
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = Window(windowId.toULong());
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const bool sent = XSendEvent(display, event.xclient.window, False, NoEventMask, &event) != 0;
    XCloseDisplay(display);
    return sent;
}

// Pixels only: a screenshot carries a colour space that the strip file does not.
bool samePixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((a.pixel(x, y) & 0xffffff) != (b.pixel(x, y) & 0xffffff))
                return false;
    return true;
}
} // namespace

// Starts the real program in the X server this test runs in, closes the information window,
// drags one tile onto its cell with the real pointer, corrects, and reads the verdict off a
// screenshot.
//
// The same session plays the Windows build under Wine. These variables change it:
//   TABELORA_SESSION_PROGRAM   the program file (the Linux build by default)
//   TABELORA_SESSION_LAUNCHER  a program that runs it ("wine")
//   TABELORA_SESSION_REPORT    where "Enviar" writes the report; when set, the session also
//                              sends and checks the file's bytes
//   TABELORA_SESSION_SHOTS     a folder for screenshots of the information and main windows
class TestX11Session : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void dragOneTileHomeAndCorrect();
    void noTileFollowsThePointerAfterWhatOpensMidDrag_data();
    void noTileFollowsThePointerAfterWhatOpensMidDrag();
    void keyboardAlonePlacesATile();
    void clicksDropOnAnyCellAndTheTargetShowsThere();
    void tilesLandWhereTheyAreLetGoAndStay();
    void aHeldEnterPicksUpOneTile();
    void todaysNewSlotsAreReachedByDragClickAndKeys();

private:
    QImage screenshot();
    // Saves the part of the screen the window covers, when screenshots are asked for.
    void keepShot(const QImage &shot, const QString &window, const QString &name);
    // Starts the program with these arguments and closes its information window.
    void startProgram(const QStringList &arguments);
    QPoint windowOrigin(const QString &window);
    QPoint toScreen(QPoint client) const { return origin + client; }
    void pointer(const QString &action, QPoint client = {});
    // Drags the tile whose corner is at `from` with the real pointer until its corner is at
    // `to`, in small steps, and lets go there.
    void dragTile(board::Point from, board::Point to);
    // The tray slot whose tile shows element n, found by its picture; 0 for none.
    int slotOfElement(const QImage &shot, int n);
    // Whether tile n shows on its own cell.
    bool faceOnItsCell(int n);
    // A new game dealt by key, once tile n rests in the tray: its slot, 0 if it never does.
    int newGameWith(int n);

    QString program;
    QString launcher;
    QString report;
    QString shots;
    QTemporaryDir home;
    QProcess tabelora;
    QString mainWindow; // the X window id
    QPoint origin;
    QImage strip;
};

QImage TestX11Session::screenshot()
{
    QProcess p;
    p.start(QStringLiteral("import"), {"-window", "root", "png:-"});
    if (!p.waitForFinished(20000))
        return {};
    return QImage::fromData(p.readAllStandardOutput(), "PNG").convertToFormat(QImage::Format_RGB32);
}

QPoint TestX11Session::windowOrigin(const QString &window)
{
    const QString geometry = runTool({"xdotool", "getwindowgeometry", "--shell", window});
    int x = -1, y = -1;
    for (const QString &line : geometry.split('\n')) {
        if (line.startsWith("X="))
            x = line.mid(2).toInt();
        if (line.startsWith("Y="))
            y = line.mid(2).toInt();
    }
    return {x, y};
}

void TestX11Session::keepShot(const QImage &shot, const QString &window, const QString &name)
{
    if (shots.isEmpty())
        return;
    const QString geometry = runTool({"xdotool", "getwindowgeometry", "--shell", window});
    int width = 0, height = 0;
    for (const QString &line : geometry.split('\n')) {
        if (line.startsWith("WIDTH="))
            width = line.mid(6).toInt();
        if (line.startsWith("HEIGHT="))
            height = line.mid(7).toInt();
    }
    const QRect area(windowOrigin(window), QSize(width, height));
    QVERIFY2(shot.copy(area).save(shots + '/' + name), qPrintable(shots + '/' + name));
}

void TestX11Session::pointer(const QString &action, QPoint client)
{
    if (action == QLatin1String("move")) {
        const QPoint p = toScreen(client);
        runTool({"xdotool", "mousemove", "--sync", QString::number(p.x()), QString::number(p.y())});
    } else {
        runTool({"xdotool", action, "1"});
    }
    QTest::qWait(15);
}

void TestX11Session::dragTile(board::Point from, board::Point to)
{
    QPoint p(from.x + 19, from.y + 19);
    pointer("move", p);
    pointer("mousedown");
    const QPoint target(to.x + 19, to.y + 19);
    while (p != target) {
        const QPoint d = target - p;
        p += QPoint(std::clamp(d.x(), -6, 6), std::clamp(d.y(), -6, 6));
        pointer("move", p);
    }
    // The lit cell follows one move behind: two last moves, apart enough that the X
    // connection can't merge them, bring it onto the cell under the tile.
    QTest::qWait(150);
    pointer("move", p + QPoint(1, 0));
    QTest::qWait(150);
    pointer("move", p);
    QTest::qWait(150);
    pointer("mouseup");
}

void TestX11Session::initTestCase()
{
    program = qEnvironmentVariable("TABELORA_SESSION_PROGRAM", QStringLiteral(TABELORA_PROGRAM));
    launcher = qEnvironmentVariable("TABELORA_SESSION_LAUNCHER");
    report = qEnvironmentVariable("TABELORA_SESSION_REPORT");
    shots = qEnvironmentVariable("TABELORA_SESSION_SHOTS");
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs an X server (run under xvfb-run)");
    QVERIFY2(!QStandardPaths::findExecutable("xdotool").isEmpty(), "xdotool is missing");
    QVERIFY2(!QStandardPaths::findExecutable("import").isEmpty(),
             "ImageMagick's import is missing");
    strip = QImage(QStringLiteral(TABELORA_STRIP)).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!strip.isNull());
    startProgram({});
}

void TestX11Session::startProgram(const QStringList &extra)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (launcher.isEmpty())
        env.insert("QT_QPA_PLATFORM", "xcb");
    else
        env.remove("QT_QPA_PLATFORM"); // another system's Qt, with its own platform
    env.insert("HOME", home.path());
    tabelora.setProcessEnvironment(env);
    // In Spanish whatever the machine's locale: the windows are found by their titles.
    const QStringList arguments =
        QStringList{QStringLiteral("--idioma"), QStringLiteral("es")} + extra;
    if (launcher.isEmpty())
        tabelora.start(program, arguments);
    else
        tabelora.start(launcher, QStringList{program} + arguments);
    QVERIFY(tabelora.waitForStarted());

    // The information window comes first; Escape closes it. A first start under Wine, in a
    // fresh prefix, takes long.
    const QString info =
        runTool({"xdotool", "search", "--sync", "--onlyvisible", "--name", "^Información$"}, 90000);
    QVERIFY2(!info.isEmpty(), "the information window did not appear");
    QVERIFY(runTool({"xdotool", "search", "--onlyvisible", "--name", "^Tabelora$"}).isEmpty());
    if (!shots.isEmpty()) {
        QTest::qWait(1000); // fully drawn
        keepShot(screenshot(), info.section('\n', 0, 0), QStringLiteral("information.png"));
    }
    runTool({"xdotool", "windowfocus", "--sync", info.section('\n', 0, 0), "key", "Escape"});
    const QString main =
        runTool({"xdotool", "search", "--sync", "--onlyvisible", "--name", "^Tabelora$"}, 20000);
    QVERIFY2(!main.isEmpty(), "the main window did not appear");
    mainWindow = main.section('\n', 0, 0);
    origin = windowOrigin(mainWindow);
    QVERIFY(origin.x() >= 0 && origin.y() >= 0);
}

void TestX11Session::cleanupTestCase()
{
    tabelora.terminate();
    if (!tabelora.waitForFinished(5000))
        tabelora.kill();
}

int TestX11Session::slotOfElement(const QImage &shot, int n)
{
    // The tray's bottom row reaches past the window's lower edge: compare the top 34 rows.
    const QImage face = strip.copy(40 * (n - 1), 0, 38, 34);
    for (int s = 1; s <= board::kMaxElementCount; ++s) {
        const board::Point slot = board::traySlot(s);
        const QRect onScreen(toScreen(QPoint(slot.x, slot.y)), QSize(38, 34));
        if (shot.rect().contains(onScreen) && samePixels(shot.copy(onScreen), face))
            return s;
    }
    return 0;
}

void TestX11Session::dragOneTileHomeAndCorrect()
{
    constexpr int kCarbon = 6;
    QImage shot;
    int slot = 0;
    QTRY_VERIFY_WITH_TIMEOUT((shot = screenshot(), slot = slotOfElement(shot, kCarbon)) != 0,
                             10000);

    const board::Point from = board::traySlot(slot);
    const board::Point to = board::cellCorner(kCarbon);
    dragTile(from, to);
    // Placed: its blank cell hides and its face shows on the cell. On a busy machine the
    // program may take a while to catch up with the pointer, and a click meanwhile is early.
    const QRect placedFace(toScreen(QPoint(to.x + 2, to.y + 2)), QSize(34, 34));
    QTRY_VERIFY_WITH_TIMEOUT(samePixels(screenshot().copy(placedFace),
                                        strip.copy(40 * (kCarbon - 1) + 2, 2, 34, 34)),
                             10000);

    pointer("move", QPoint(72 + 48, 13)); // "&Corregir vistas"
    pointer("click");
    // The verdict shows once the program has caught up with the click.
    const QPoint rightFrame = toScreen(QPoint(to.x - 1, to.y - 1));
    QTRY_COMPARE_WITH_TIMEOUT((shot = screenshot(), QColor(shot.pixel(rightFrame))),
                              QColor(0, 255, 0), 10000);
    const board::Point wrong = board::cellCorner(kCarbon + 1);
    QCOMPARE(QColor(shot.pixel(toScreen(QPoint(wrong.x - 1, wrong.y - 1)))), QColor(255, 0, 0));
    // The placed tile stands on its cell: its picture is there, framed. The wrong tiles drift
    // home across the board, now and then over it, so seeing its face there once is enough.
    const QRect face(toScreen(QPoint(to.x + 2, to.y + 2)), QSize(34, 34));
    bool faceSeen = false;
    QTRY_VERIFY_WITH_TIMEOUT(
        faceSeen = faceSeen || (shot = screenshot(),
                                samePixels(shot.copy(face),
                                           strip.copy(40 * (kCarbon - 1) + 2, 2, 34, 34))),
        30000); // slower under Wine, the first time
    keepShot(shot, mainWindow, QStringLiteral("corrected.png"));

    if (report.isEmpty())
        return;
    // "Enviar" with no pupil data: the five lines, in Windows-1252 with CR LF.
    QFile::remove(report);
    pointer("move", QPoint(248 + 36, 13));
    pointer("click");
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(report).size() > 0, 10000);
    QFile file(report);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("Pr\xe1""ctica de Corvalia \r\n"
                                        "Alumno: \r\n"
                                        "Grupo : \r\n"
                                        + QByteArray(46, '_') + "\r\n"
                                        "Aciertos: 1 de 114 (1 %)\r\n"));
    keepShot(screenshot(), mainWindow, QStringLiteral("sent.png"));
}

// Whatever runs by key while a tile is held must not leave the tile on the pointer: a command
// that shows many controls at once, and every window that can open over the board. The
// button comes up out of the window, while the window that opened is still there; then the
// window is closed and the pointer crosses the tile with no button held. Every tile must end
// in its tray slot, none under the pointer.
void TestX11Session::noTileFollowsThePointerAfterWhatOpensMidDrag_data()
{
    QTest::addColumn<QPoint>("button");   // clicked first, for the focus and its window
    QTest::addColumn<QString>("keys");     // pressed while the tile is held
    QTest::addColumn<QString>("opens");    // the window's title, none for a command
    QTest::addColumn<QString>("closeKeys"); // what closes it
    const QPoint none;
    QTest::newRow("a command by key") << none << "alt+n" << QString() << QString();
    QTest::newRow("the information window") << none << "alt+a" << "Información" << "Escape";
    QTest::newRow("the element chart")
        << QPoint(712 + 48, 13) << "space" << "Elementos" << QString(); // its close box
    QTest::newRow("an error box") << QPoint(248 + 36, 13) << "space" << "Tabelora"
                                  << "Return";
    QTest::newRow("the data dialog")
        << none << "alt+d" << "Datos del alumno" << "Tab Tab space";
}

void TestX11Session::noTileFollowsThePointerAfterWhatOpensMidDrag()
{
    QFETCH(QPoint, button);
    QFETCH(QString, keys);
    QFETCH(QString, opens);
    QFETCH(QString, closeKeys);
    const bool errorBox = QTest::currentDataTag() == QLatin1String("an error box");
    if (errorBox && !report.isEmpty())
        QSKIP("the report can't be made to fail where the session does not own it");
    // A folder where the report should be fails every send with an error box.
    QDir(home.path()).mkdir(QStringLiteral("result.txt"));
    const auto cleanup = qScopeGuard([&] { QDir(home.path()).rmdir(QStringLiteral("result.txt")); });

    const QRect window(origin, QSize(812, 606));
    const auto settled = [&] {
        const QImage first = screenshot().copy(window);
        QTest::qWait(600);
        return first == screenshot().copy(window);
    };
    const auto windowsNamed = [&](const QString &title) {
        return runTool({"xdotool", "search", "--onlyvisible", "--name", '^' + title + '$'})
            .split('\n', Qt::SkipEmptyParts);
    };
    const auto closeWindow = [&](const QString &title) {
        // The one that is not the main window, for an error box has the program's title too.
        QStringList found;
        QTRY_VERIFY_WITH_TIMEOUT(
            (found = windowsNamed(title), found.removeAll(mainWindow), !found.isEmpty()), 10000);
        if (closeKeys.isEmpty())
            QVERIFY(askToClose(found.first()));
        else
            runTool(QStringList{"xdotool", "windowfocus", "--sync", found.first(), "key", "--delay",
                            "80"} +
                closeKeys.split(' '));
        QTRY_VERIFY_WITH_TIMEOUT(
            (found = windowsNamed(title), found.removeAll(mainWindow), found.isEmpty()), 10000);
    };
    if (!button.isNull()) { // the button takes the focus; its window is closed again
        pointer("move", button);
        pointer("click");
        closeWindow(opens);
    }
    runTool({"xdotool", "windowfocus", "--sync", mainWindow, "key", "alt+n"});
    QImage shot;
    int slot = 0;
    QTRY_VERIFY_WITH_TIMEOUT((shot = screenshot(), slot = slotOfElement(shot, 1)) != 0, 15000);

    const board::Point from = board::traySlot(slot);
    QPoint p(from.x + 19, from.y + 19);
    pointer("move", p);
    pointer("mousedown");
    pointer("move", p += QPoint(-6, -6));
    runTool({"xdotool", "key", keys});
    QTest::qWait(300);
    if (!opens.isEmpty()) {
        QStringList found;
        QTRY_VERIFY_WITH_TIMEOUT(
            (found = windowsNamed(opens), found.removeAll(mainWindow), !found.isEmpty()), 10000);
    }
    // Out of the window to the right, and the button comes up out there.
    while (p.x() < window.width() + 40)
        pointer("move", p += QPoint(30, 0));
    pointer("mouseup");
    if (!opens.isEmpty())
        closeWindow(opens);
    // Over the bare window every tile not placed drifts home.
    const QPoint bare(10, 345);
    pointer("move", bare);
    QTRY_VERIFY_WITH_TIMEOUT(settled(), 20000);
    // Every tile rests in its tray slot. The pointer, no button held, then crosses the tile
    // that was held: hovering stops every drift, so the tile must stay in its slot.
    shot = screenshot();
    slot = slotOfElement(shot, 1); // a new one when the command dealt a new game
    if (slot == 0) // where the tile went, for whoever reads the screenshots
        keepShot(shot, mainWindow,
                 QStringLiteral("no-tile-home-%1.png").arg(QTest::currentDataTag()));
    QVERIFY(slot != 0);
    const board::Point home = board::traySlot(slot);
    for (int step = 0; step <= 6; ++step)
        pointer("move", QPoint(home.x + 19 + 10 * step, home.y + 19));
    QTest::qWait(100);
    shot = screenshot();
    QVERIFY2(slotOfElement(shot, 1) == slot, "the tile held went along with the pointer");
    for (int n = 1; n <= board::kElementCount; ++n)
        QVERIFY2(slotOfElement(shot, n) != 0,
                 qPrintable(QStringLiteral("tile %1 left the tray").arg(n)));
}

// The keyboard alone: F6 to the board, a symbol typed, Enter, arrows to the target across
// the table, Enter again; the correction frames the tile's cell green.
void TestX11Session::keyboardAlonePlacesATile()
{
    constexpr int kOxygen = 8;
    runTool({"xdotool", "windowfocus", "--sync", mainWindow, "key", "alt+n"});
    QTest::qWait(500);
    // The first pick-up of a run targets hydrogen: down to lithium, along period 2 to oxygen.
    runTool({"xdotool", "key", "--delay", "60", "F6", "o", "Return", "Down", "Right", "Right", "Right",
         "Right", "Right", "Return", "alt+c"});
    const board::Point cell = board::cellCorner(kOxygen);
    QImage shot;
    QTRY_COMPARE_WITH_TIMEOUT(
        (shot = screenshot(), QColor(shot.pixel(toScreen(QPoint(cell.x - 1, cell.y - 1))))),
        QColor(0, 255, 0), 10000);
    const board::Point wrong = board::cellCorner(kOxygen + 1);
    QCOMPARE(QColor(shot.pixel(toScreen(QPoint(wrong.x - 1, wrong.y - 1)))), QColor(255, 0, 0));
}

// Single clicks drop on any cell: one whose blank cell shows, one where a tile stands, with no
// cell lit before the pupil chose one. The keyboard's target then shows on the taken cell, a
// ring above the tile there, and goes with the gesture.
void TestX11Session::clicksDropOnAnyCellAndTheTargetShowsThere()
{
    constexpr int kCarbon = 6, kNitrogen = 7, kOxygen = 8;
    // "Nuevo" clicked: the keyboard focus is on the command bar, whatever had it before.
    runTool({"xdotool", "windowfocus", "--sync", mainWindow});
    pointer("move", QPoint(36, 13));
    pointer("click");
    QImage shot;
    QTRY_VERIFY_WITH_TIMEOUT((shot = screenshot(), slotOfElement(shot, kCarbon) != 0 &&
                                                       slotOfElement(shot, kNitrogen) != 0),
                             15000);
    const board::Point cell = board::cellCorner(kCarbon);
    const QPoint cellCentre(cell.x + 20, cell.y + 20);
    const QRect faceOnCell(toScreen(QPoint(cell.x + 2, cell.y + 2)), QSize(34, 34));
    const auto faceOf = [&](int n) { return strip.copy(40 * (n - 1) + 2, 2, 34, 34); };
    const auto litPixels = [&](const QImage &image) {
        int lit = 0;
        const QRect table(toScreen(QPoint(0, 40)), QSize(812, 330));
        for (int y = table.top(); y <= table.bottom(); y += 2)
            for (int x = table.left(); x <= table.right(); x += 2)
                lit += QColor(image.pixel(x, y)) == QColor(0, 255, 0) ? 1 : 0;
        return lit;
    };
    // Either tile may lie on top, as the deal stacks them.
    const auto aFaceOnTheCell = [&] {
        const QImage onCell = screenshot().copy(faceOnCell);
        return samePixels(onCell, faceOf(kCarbon)) || samePixels(onCell, faceOf(kNitrogen));
    };
    for (int n : {kCarbon, kNitrogen}) {
        const board::Point from = board::traySlot(slotOfElement(screenshot(), n));
        pointer("move", QPoint(from.x + 19, from.y + 19));
        pointer("click");
        QTest::qWait(200);
        QCOMPARE(litPixels(screenshot()), 0);
        pointer("move", cellCentre);
        pointer("click");
        QTRY_VERIFY_WITH_TIMEOUT(slotOfElement(screenshot(), n) == 0 && aFaceOnTheCell(), 5000);
    }
    // Both stay on the cell where the tiles not placed drift home: carbon was not picked up
    // by the click that put nitrogen over it.
    pointer("move", QPoint(10, 345));
    QTest::qWait(500);
    QCOMPARE(slotOfElement(screenshot(), kCarbon), 0);
    QCOMPARE(slotOfElement(screenshot(), kNitrogen), 0);
    QVERIFY(aFaceOnTheCell());

    // The keyboard picks oxygen up; its first target is where the last drop went.
    runTool({"xdotool", "key", "--delay", "60", "F6", "o", "Return"});
    QTRY_VERIFY_WITH_TIMEOUT((shot = screenshot(), QColor(shot.pixel(faceOnCell.topLeft())) ==
                                                       QColor(Qt::white)),
                             5000);
    QCOMPARE(QColor(shot.pixel(toScreen(QPoint(cell.x, cell.y + 20)))), QColor(Qt::black));
    QCOMPARE(QColor(shot.pixel(faceOnCell.topLeft() + QPoint(0, 18))), QColor(Qt::white));
    keepShot(shot, mainWindow, QStringLiteral("target-on-a-taken-cell.png"));
    runTool({"xdotool", "key", "Escape", "F6"});
    QTRY_VERIFY_WITH_TIMEOUT(aFaceOnTheCell(), 5000);
    QCOMPARE(litPixels(screenshot()), 0);
    QVERIFY(slotOfElement(screenshot(), kOxygen) != 0);
}

bool TestX11Session::faceOnItsCell(int n)
{
    const board::Point cell = board::cellCorner(n);
    const QRect face(toScreen(QPoint(cell.x + 2, cell.y + 2)), QSize(34, 34));
    return samePixels(screenshot().copy(face), strip.copy(40 * (n - 1) + 2, 2, 34, 34));
}

int TestX11Session::newGameWith(int n)
{
    runTool({"xdotool", "windowfocus", "--sync", mainWindow, "key", "alt+n"});
    QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired()) {
        const int slot = slotOfElement(screenshot(), n);
        QTest::qWait(300);
        if (slot != 0 && slotOfElement(screenshot(), n) == slot)
            return slot;
    }
    return 0;
}

// Tiles as a quick or a returning hand moves them: a tile pressed while it drifts home under
// a still pointer, and a drag of a few large moves, as Qt delivers a quick flick on a slow
// machine. Each lands on the cell under its centre when let go, and stays there.
void TestX11Session::tilesLandWhereTheyAreLetGoAndStay()
{
    constexpr int kHydrogen = 1, kHelium = 2;
    // Helium let go above the table, on no cell; the pointer then rests on its empty slot, so
    // it glides home under the still pointer. Pressed there without a move, and dragged onto
    // its cell: it stays placed.
    const int slot = newGameWith(kHelium);
    QVERIFY(slot != 0);
    const board::Point home = board::traySlot(slot);
    dragTile(home, {440, 41});
    pointer("move", QPoint(home.x + 19, home.y + 19));
    QTRY_VERIFY_WITH_TIMEOUT(slotOfElement(screenshot(), kHelium) == slot, 10000);
    QTest::qWait(300);
    dragTile(home, board::cellCorner(kHelium));
    QTRY_VERIFY_WITH_TIMEOUT(faceOnItsCell(kHelium), 5000);
    QTest::qWait(1000); // a tile sent drifting would be off by now
    QVERIFY2(faceOnItsCell(kHelium), "the placed tile slid off its cell");

    // Hydrogen from the tray to its cell in ten large moves.
    const int first = newGameWith(kHydrogen);
    QVERIFY(first != 0);
    const board::Point from = board::traySlot(first);
    const board::Point to = board::cellCorner(kHydrogen);
    pointer("move", QPoint(from.x + 19, from.y + 19));
    pointer("mousedown");
    for (int step = 1; step <= 10; ++step)
        pointer("move", QPoint(from.x + (to.x - from.x) * step / 10 + 19,
                               from.y + (to.y - from.y) * step / 10 + 19));
    pointer("mouseup");
    QTRY_VERIFY_WITH_TIMEOUT(faceOnItsCell(kHydrogen), 5000);
    // No cell stays lit: neither the one a move behind, nor any after "Nuevo".
    const auto litCells = [&] {
        const QImage shot = screenshot();
        int lit = 0;
        for (int n = 1; n <= board::kElementCount; ++n) {
            const board::Point c = board::cellCorner(n);
            lit += QColor(shot.pixel(toScreen(QPoint(c.x + 20, c.y + 20)))) == QColor(0, 255, 0);
        }
        return lit;
    };
    QCOMPARE(litCells(), 0);
    QTest::qWait(1000);
    QVERIFY(faceOnItsCell(kHydrogen));
    runTool({"xdotool", "key", "alt+c"});
    QTest::qWait(500);
    newGameWith(kHydrogen);
    QCOMPARE(litCells(), 0);
}

// Enter held down on the board picks a tile up once, however long the key repeats: put back
// by Escape, it leaves every tile in the tray.
void TestX11Session::aHeldEnterPicksUpOneTile()
{
    QVERIFY(newGameWith(1) != 0);
    runTool({"xdotool", "windowfocus", "--sync", mainWindow, "key", "F6"});
    runTool({"xdotool", "keydown", "Return"});
    QTest::qWait(1500);
    runTool({"xdotool", "keyup", "Return"});
    runTool({"xdotool", "key", "--delay", "60", "Escape", "F6"});
    QTest::qWait(300);
    const QImage shot = screenshot();
    QStringList away;
    for (int n = 1; n <= board::kElementCount; ++n)
        if (slotOfElement(shot, n) == 0)
            away << QString::number(n);
    QVERIFY2(away.isEmpty(), qPrintable(away.join(u' ')));
}

// Today's table: the tiles dealt to the four new slots are reached as every other tile is, one
// dragged home, one clicked home, one picked up by its typed symbol and put down by the keys.
void TestX11Session::todaysNewSlotsAreReachedByDragClickAndKeys()
{
    cleanupTestCase();
    strip = QImage(QStringLiteral(TABELORA_STRIP_TODAY)).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!strip.isNull());
    startProgram({QStringLiteral("--tabla"), QStringLiteral("actual")});
    if (QTest::currentTestFailed())
        return;
    // Tiles dealt to the new slots, by slot 115 to 118, found by their pictures.
    QList<int> dealt;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            const QImage shot = screenshot();
            dealt.clear();
            for (int n = 1; n <= board::kMaxElementCount; ++n)
                if (slotOfElement(shot, n) > board::kElementCount)
                    dealt << n;
            return dealt.size() == 4;
        }(),
        10000);
    const auto framedGreen = [&](int n) {
        const board::Point cell = board::cellCorner(n);
        return QColor(screenshot().pixel(toScreen(QPoint(cell.x - 1, cell.y - 1)))) ==
               QColor(0, 255, 0);
    };

    // The first by drag, to its own cell.
    dragTile(board::traySlot(slotOfElement(screenshot(), dealt[0])),
             board::cellCorner(dealt[0]));
    // The second by a click on it and one on its cell.
    const board::Point second = board::traySlot(slotOfElement(screenshot(), dealt[1]));
    pointer("move", QPoint(second.x + 19, second.y + 19));
    pointer("click");
    pointer("move", QPoint(board::cellCorner(dealt[1]).x + 20, board::cellCorner(dealt[1]).y + 20));
    pointer("click");
    // The third by its symbol typed on the board: Enter picks it up and Enter puts it down on
    // the target, which starts where the click's drop went.
    const std::string_view symbol = elements::element(dealt[2], board::Table::Today).symbol;
    runTool({"xdotool", "windowfocus", "--sync", mainWindow, "key", "F6"});
    runTool({"xdotool", "type", "--delay", "60",
             QString::fromLatin1(symbol.data(), qsizetype(symbol.size()))});
    runTool({"xdotool", "key", "--delay", "60", "Return", "Return"});
    QTRY_VERIFY_WITH_TIMEOUT(slotOfElement(screenshot(), dealt[2]) == 0, 5000);
    QVERIFY(slotOfElement(screenshot(), dealt[3]) > board::kElementCount); // untouched

    runTool({"xdotool", "key", "alt+c"});
    QTRY_VERIFY_WITH_TIMEOUT(framedGreen(dealt[0]) && framedGreen(dealt[1]), 10000);
    keepShot(screenshot(), mainWindow, QStringLiteral("today-corrected.png"));
}

QTEST_GUILESS_MAIN(TestX11Session)
#include "tst_x11session.moc"
