#include "app/errorbox.h"
#include "app/marks.h"
#include "app/pupildata.h"
#include "app/report.h"
#include "app/sending.h"
#include "records/summary.h"
#include "support/child.h"
#include "support/mainwindow.h"
#include "support/pointer.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

using board::kElementCount;
using layout::Command;

// The main window driven as a pupil drives it: real pointer and key events through the
// window, in the offscreen platform.
class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void startupShowsInformationFirstThenFocusesCorrection();
    void revealTickShowsTheCellsOnce();
    void hoverOverATileStopsEveryTimer();
    void dragOntoItsCellPlacesAndUncoversTheTile();
    void fastLastMoveIsJudgedWhereTheTileIsLetGo();
    void strayTileDriftsBackWhenThePointerCrossesTheBareWindow();
    void strayTileDriftsBackWhenThePointerComesInOverTheBareWindow_data();
    void strayTileDriftsBackWhenThePointerComesInOverTheBareWindow();
    void movesOverLabelsAreNotBareWindowMoves();
    void correctionFramesTheBoardAndFillsTheScore();
    void newGameAfterCorrectionRestoresTheBoard();
    void marksTellVerdictsAndStatesWithoutColour();
    void visibleBlankCellsCoverTilesWhateverTheStacking();
    void clickOnABlankCellHidesIt();
    void acceleratorsAndTabOrder();
    void failedSendShowsTheErrorAndKeepsTheBlock();
    void everySendIsKeptAsARecordOfItsPupil();
    void screenReadersCanTellWhatIsWhere();
    void clicksAndTapsAlonePlayAGame();
    void screenReadersFollowTheBoardFocus();
    void todaysTableIsPlayedWhole();

private:
    QPoint centreOf(const QWidget *w) const { return w->geometry().center(); }
    QPoint tileCentre(int n) const { return fx.tile(n)->pos() + QPoint(19, 19); }
    void moveTo(QPoint p) { QTest::mouseMove(window, p); }
    // Drags tile n in small steps so that its corner ends on `corner`, then nudges it one
    // pixel within the target so that the lit cell catches up.
    void dragTile(int n, QPoint corner, bool nudge = true);
    int litCells() const;

    MainWindowFixture fx;
    TForm1 *form = nullptr;
    QWindow *window = nullptr;
    QStringList errors;
};

void TestMainWindow::initTestCase()
{
    errorbox::setSink([this](const QString &text) { errors << text; });
}

void TestMainWindow::cleanupTestCase()
{
    errorbox::setSink({});
}

// A fresh window for every function.
void TestMainWindow::init()
{
    errors.clear();
    QVERIFY(fx.makeWindows());
    form = fx.form;
    window = fx.window;
    form->activateWindow();
    QTRY_VERIFY(form->isActiveWindow());
}

void TestMainWindow::cleanup()
{
    fx.destroyWindows();
}

// Making the windows shows nothing and waits for nobody; start-up shows the information window
// alone as soon as the main window is made, and the main window once it is closed.
void TestMainWindow::startupShowsInformationFirstThenFocusesCorrection()
{
    QVERIFY(fx.makeWindows(false));
    QVERIFY(fx.closer->seen.isEmpty());
    QVERIFY(!fx.form->isVisible());
    fx.destroyWindows();

    ModalCloser closer;
    bool othersMade = true;
    closer.onNextModal = [&] {
        const QWidgetList shown = QApplication::topLevelWidgets();
        othersMade = std::any_of(shown.begin(), shown.end(),
                                 [](QWidget *w) { return qobject_cast<TDatosBox *>(w); });
    };
    startup::Windows windows(startup::Windows::First::InformationWindow);
    QCOMPARE(closer.seen, QStringList{"TAboutBox"});
    QVERIFY2(!othersMade, "the information window comes before the other windows are made");
    TForm1 &main = windows.Form1;
    QVERIFY(!main.isVisible());
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    main.activateWindow();
    QTRY_VERIFY(QApplication::focusWidget() &&
                QApplication::focusWidget()->objectName() == QStringLiteral("Correct"));
    QCOMPARE(main.size(), QSize(812, 606));
    QCOMPARE(main.findChild<CaptionLabel *>(QStringLiteral("Veces"))->caption(), QStringLiteral("1"));
    QCOMPARE(main.findChild<CaptionLabel *>(QStringLiteral("Contador"))->caption(),
             QStringLiteral("0"));
    QCOMPARE(main.findChild<TGauge *>()->progress(), 0);
}

void TestMainWindow::revealTickShowsTheCellsOnce()
{
    QTRY_VERIFY_WITH_TIMEOUT(!form->timer1Active(), 15000);
    for (int n = 1; n <= kElementCount; ++n) {
        QVERIFY(fx.panel(n)->isVisible());
        QCOMPARE(fx.panel(n)->pos(), QPoint(board::cellCorner(n).x, board::cellCorner(n).y));
    }
}

void TestMainWindow::hoverOverATileStopsEveryTimer()
{
    form->BitBtn2Click();
    QVERIFY(fx.tile(1)->timerActive());
    moveTo(tileCentre(1));
    for (int n = 1; n <= kElementCount; ++n)
        QVERIFY(!fx.tile(n)->timerActive());
    QCOMPARE(form->placement().CandidateCell(), 0); // tiles in the tray lie on no cell
}

void TestMainWindow::dragTile(int n, QPoint corner, bool nudge)
{
    pointer::dragTile(window, fx.tile(n)->pos(), corner, nudge);
}

int TestMainWindow::litCells() const
{
    int lit = 0;
    for (int n = 1; n <= kElementCount; ++n)
        lit += fx.panel(n)->colour() == board::kLitCellColour ? 1 : 0;
    return lit;
}

void TestMainWindow::dragOntoItsCellPlacesAndUncoversTheTile()
{
    form->BitBtn2Click();
    const QPoint cell(board::cellCorner(6).x, board::cellCorner(6).y);
    dragTile(6, cell);
    QCOMPARE(form->placement().CandidateCell(), 6);
    QCOMPARE(fx.panel(6)->colour(), std::uint32_t(board::kLitCellColour));
    QCOMPARE(litCells(), 1);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, cell + QPoint(19, 19));
    QCOMPARE(fx.tile(6)->pos(), cell);
    QVERIFY(fx.tile(6)->Accepted());
    QVERIFY(!fx.panel(6)->isVisible());
    QVERIFY(!fx.tile(6)->timerActive());
}

void TestMainWindow::fastLastMoveIsJudgedWhereTheTileIsLetGo()
{
    form->BitBtn2Click();
    const QPoint cell(board::cellCorner(26).x, board::cellCorner(26).y);
    dragTile(26, cell);
    const QPoint away = cell + QPoint(19 + 45, 19); // one fast move onto the next cell
    moveTo(away);
    QCOMPARE(form->placement().CandidateCell(), 26);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, away);
    QVERIFY(fx.tile(26)->Accepted());
    QCOMPARE(fx.tile(26)->pos(), cell + QPoint(40, 0));
    QVERIFY(fx.panel(26)->isVisible() && !fx.panel(27)->isVisible());
}

void TestMainWindow::strayTileDriftsBackWhenThePointerCrossesTheBareWindow()
{
    form->BitBtn2Click();
    const board::Point slot = board::traySlot(form->game().DealOrder()[10]);
    dragTile(10, QPoint(440, 41), false); // above the table's first row, on no cell
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, QPoint(459, 60));
    QVERIFY(!fx.tile(10)->timerActive());
    moveTo(QPoint(470, 100)); // bare: between beryllium and boron, below the numbers
    QVERIFY(fx.tile(10)->timerActive());
    QCOMPARE(fx.tile(10)->Interval(), 10);
    QTRY_COMPARE_WITH_TIMEOUT(fx.tile(10)->pos(), QPoint(slot.x, slot.y), 20000);
}

void TestMainWindow::strayTileDriftsBackWhenThePointerComesInOverTheBareWindow_data()
{
    QTest::addColumn<bool>("drifts");
    QTest::newRow("the bare window") << true;
    QTest::newRow("a label") << false;
    QTest::newRow("a tile in the tray") << false;
}

// Qt for Windows tells a pointer that comes into the window from outside by an Enter alone,
// with no move: over the bare surface that is a move there.
void TestMainWindow::strayTileDriftsBackWhenThePointerComesInOverTheBareWindow()
{
    QFETCH(bool, drifts);
    const QString over = QTest::currentDataTag();
    const QPoint at = over == u"a label"              ? centreOf(fx.label("Label3"))
                      : over == u"a tile in the tray" ? tileCentre(3)
                                                      : QPoint(470, 100);
    form->BitBtn2Click();
    dragTile(10, QPoint(440, 41), false);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, QPoint(459, 60));
    QVERIFY(!fx.tile(10)->timerActive());
    QEnterEvent enter(at, at, form->mapToGlobal(at));
    QApplication::sendEvent(fx.surface(), &enter);
    QCOMPARE(fx.tile(10)->timerActive(), drifts);
}

void TestMainWindow::movesOverLabelsAreNotBareWindowMoves()
{
    form->BitBtn2Click();
    moveTo(tileCentre(3)); // stops every timer
    QVERIFY(!fx.tile(3)->timerActive());
    moveTo(fx.label("verde")->geometry().center());
    moveTo(fx.label("Label3")->geometry().center());
    moveTo(centreOf(fx.panel(40)));
    QVERIFY(!fx.tile(3)->timerActive());
}

void TestMainWindow::correctionFramesTheBoardAndFillsTheScore()
{
    form->BitBtn2Click();
    const int hitsBefore = form->game().HitTotal();
    const QPoint cell(board::cellCorner(8).x, board::cellCorner(8).y);
    dragTile(8, cell);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, cell + QPoint(19, 19));
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier,
                      centreOf(fx.button(Command::Corregir)));
    QVERIFY(form->game().Corrected());
    QCOMPARE(form->game().HitTotal(), hitsBefore + 1);
    QVERIFY(fx.shape(8)->isVisible());
    QCOMPARE(fx.shape(8)->pen(), std::uint32_t(board::kRightFrameColour));
    QVERIFY(fx.shape(9)->isVisible());
    QCOMPARE(fx.shape(9)->pen(), std::uint32_t(board::kWrongFrameColour));
    QCOMPARE(fx.label("Contador")->caption(), QString::number(hitsBefore + 1));
    QCOMPARE(fx.label("Contador")->rightEdge(), 548);
    // The counter is opaque: the bevel lines above the number break under its box.
    const QImage shot = form->grab().toImage();
    const QRect counter = fx.label("Contador")->geometry();
    for (int x = counter.left(); x <= counter.right(); ++x)
        for (int y : {0, 2})
            QCOMPARE(shot.pixel(x, y), colours::toQColor(colours::clMoneyGreen).rgb());
    QVERIFY(shot.pixel(counter.left() - 1, 0) !=
            colours::toQColor(colours::clMoneyGreen).rgb());
    QCOMPARE(fx.gauge()->progress(), form->game().hitPercentage());
    for (int n = 1; n <= kElementCount; ++n)
        QVERIFY(!fx.panel(n)->isVisible());
    // Every tile drifts to its own cell.
    const QPoint home(board::cellCorner(100).x, board::cellCorner(100).y);
    QTRY_COMPARE_WITH_TIMEOUT(fx.tile(100)->pos(), home, 20000);
    // Hovering no longer lights cells or stops timers.
    moveTo(tileCentre(100));
    QVERIFY(fx.tile(100)->timerActive());
}

void TestMainWindow::newGameAfterCorrectionRestoresTheBoard()
{
    if (!form->game().Corrected())
        form->CorrectClick();
    const int games = form->game().GameCount();
    fx.button(Command::Corregir)->setFocus();
    QTest::keyClick(fx.button(Command::Corregir), Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(form->game().GameCount(), games + 1); // a mnemonic clicks after a short flash
    QCOMPARE(fx.label("Veces")->caption(), QString::number(games + 1));
    QCOMPARE(fx.label("Veces")->rightEdge(), 785);
    QVERIFY(!form->game().Corrected());
    for (int n = 1; n <= kElementCount; ++n) {
        QVERIFY(fx.panel(n)->isVisible());
        QVERIFY(!fx.shape(n)->isVisible());
        QCOMPARE(fx.shape(n)->pen(), std::uint32_t(board::kWrongFrameColour));
        QVERIFY(fx.tile(n)->hasMoveReaction());
    }
}

// With marks, every judged frame carries a tick or a cross whatever tile lies under it, and
// each tile and its legend box the same pattern; without, the window is drawn as before.
void TestMainWindow::marksTellVerdictsAndStatesWithoutColour()
{
    form->BitBtn2Click();
    constexpr int right[] = {8, 26, 43, 80}; // gas, solid, synthetic and liquid tiles
    for (int n : right)
        fx.tile(n)->move(board::cellCorner(n).x, board::cellCorner(n).y);
    form->CorrectClick();
    for (int n = 1; n <= kElementCount; ++n) { // every tile stopped at home, for steady pixels
        fx.tile(n)->setInterval(0);
        fx.tile(n)->move(board::cellCorner(n).x, board::cellCorner(n).y);
    }
    const QImage unmarked = form->grab().toImage();
    form->setMarks(true);
    const QImage marked = form->grab().toImage();
    form->setMarks(false);
    QCOMPARE(form->grab().toImage(), unmarked);

    const auto shows = [](const QImage &shot, QPoint at, const QImage &sign) {
        for (int y = 0; y < sign.height(); ++y)
            for (int x = 0; x < sign.width(); ++x)
                if (qAlpha(sign.pixel(x, y)) == 255 &&
                    shot.pixel(at + QPoint(x, y)) != sign.pixel(x, y))
                    return false;
        return true;
    };
    for (int n : {8, 26, 43, 80, 9, 35, 114}) {
        const bool hit = std::find(std::begin(right), std::end(right), n) != std::end(right);
        QVERIFY(shows(marked, fx.shape(n)->pos(), marks::verdictBadge(hit)));
        QVERIFY(!shows(marked, fx.shape(n)->pos(), marks::verdictBadge(!hit)));
        QVERIFY(!shows(unmarked, fx.shape(n)->pos(), marks::verdictBadge(hit)));
        QVERIFY(shows(marked, fx.tile(n)->pos() + marks::kTilePatternCorner,
                      marks::statePattern(elements::element(n).state)));
    }

    // Each pattern shows once in the legend, in the box of its state's colour.
    using elements::State;
    const std::pair<State, QRgb> boxes[] = {{State::Solid, qRgb(255, 247, 33)},
                                            {State::Liquid, qRgb(24, 255, 255)},
                                            {State::Gas, qRgb(154, 201, 254)},
                                            {State::Synthetic, qRgb(255, 193, 183)}};
    const QRect solidLiquid = child<QWidget>(*form, "Image2")->geometry();
    const QRect legend = solidLiquid.united(child<QWidget>(*form, "Image3")->geometry());
    for (const auto &[state, colour] : boxes) {
        const QImage &pattern = marks::statePattern(state);
        QList<QPoint> found;
        for (int y = legend.top(); y <= legend.bottom() + 1 - pattern.height(); ++y)
            for (int x = legend.left(); x <= legend.right() + 1 - pattern.width(); ++x) {
                QVERIFY(!shows(unmarked, {x, y}, pattern));
                if (shows(marked, {x, y}, pattern))
                    found << QPoint(x, y);
            }
        QCOMPARE(found.size(), 1);
        QCOMPARE(marked.pixel(found[0] + QPoint(pattern.width(), pattern.height() / 2)), colour);
    }
}

// Whatever happens to the drawn controls, a visible blank cell hides the tile beneath it.
void TestMainWindow::visibleBlankCellsCoverTilesWhateverTheStacking()
{
    form->BitBtn2Click();
    form->CorrectClick(); // tiles go to the back, wrong frames to the front
    TAnimatedCorvalia *tile = fx.tile(20);
    tile->setInterval(0);
    tile->move(board::cellCorner(20).x, board::cellCorner(20).y);
    tile->raise();
    fx.shape(20)->raise();
    fx.panel(20)->show();
    const QPoint inside = fx.panel(20)->geometry().center();
    QImage shot = form->grab().toImage();
    QCOMPARE(shot.pixel(inside), colours::toQColor(board::kEmptyCellColour).rgb());
    fx.panel(20)->hide();
    shot = form->grab().toImage();
    QVERIFY(shot.pixel(inside) != colours::toQColor(board::kEmptyCellColour).rgb());
    QCOMPARE(shot.pixel(inside), tile->Bitmap().pixel(inside - tile->pos()));
}

void TestMainWindow::clickOnABlankCellHidesIt()
{
    form->BitBtn2Click();
    QVERIFY(fx.panel(50)->isVisible());
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centreOf(fx.panel(50)));
    QVERIFY(!fx.panel(50)->isVisible());
}

void TestMainWindow::acceleratorsAndTabOrder()
{
    form->activateWindow();
    QWidget *correct = fx.button(Command::Corregir);
    correct->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), correct);
    const QList<Command> order{Command::Ayuda, Command::Nuevo,     Command::Enviar,
                               Command::Datos, Command::Elementos, Command::Corregir};
    for (Command c : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(fx.button(c)));
    }
    // Alt+A runs "&Ayuda": the hidden "&Abrir" can't be reached.
    const qsizetype before = fx.closer->seen.size();
    QTest::keyClick(correct, Qt::Key_A, Qt::AltModifier);
    QTRY_COMPARE(fx.closer->seen.size(), before + 1);
    QCOMPARE(fx.closer->seen.last(), QStringLiteral("TAboutBox"));
    QVERIFY(!fx.button(Command::Abrir)->isVisible());
    // Enter runs the focused button.
    form->BitBtn2Click();
    correct->setFocus();
    QTest::keyClick(correct, Qt::Key_Return);
    QVERIFY(form->game().Corrected());
}

void TestMainWindow::failedSendShowsTheErrorAndKeepsTheBlock()
{
    const QString path = form->report().path();
    QCOMPARE(QFileInfo(path).dir().path(), QDir(qEnvironmentVariable("HOME")).path());
    QVERIFY(QDir().mkpath(path)); // a folder where the report should go
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier,
                      centreOf(fx.button(Command::Enviar)));
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().startsWith(QStringLiteral("Cannot create file \"") + path + "\". "),
             qPrintable(errors.first()));
    QCOMPARE(form->report().lines().size(), 5);
    QVERIFY(QDir(path).removeRecursively());
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier,
                      centreOf(fx.button(Command::Enviar)));
    QCOMPARE(errors.size(), 1);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().count("\r\n"), 10);
}

// Each send leaves a record about its own pupil: the corrections since the last send, and the
// run's totals as the report's last line states them. The results folder gets a copy of each;
// one that can't be written is told, and the pupil's own copy is kept all the same. A second
// run replaces the report and keeps every record.
void TestMainWindow::everySendIsKeptAsARecordOfItsPupil()
{
    QTemporaryDir results;
    form->setResultsFolder(results.path());
    const auto recordsIn = [](const QString &folder) {
        std::map<QString, records::Record> byPupil;
        for (const records::Loaded &loaded : records::readFolder(folder).records)
            byPupil[loaded.record.pupil] = loaded.record;
        return byPupil;
    };
    const qsizetype ownBefore = records::readFolder(records::ownFolder()).records.size();
    const auto send = [&](const QString &pupil) {
        PupilName = pupil;
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier,
                          centreOf(fx.button(Command::Enviar)));
    };
    fx.tile(6)->setLeft(board::cellCorner(6).x);
    fx.tile(6)->setTop(board::cellCorner(6).y);
    form->CorrectClick();
    // A session that sets neither USER nor USERNAME: the account comes from the user database.
    const QByteArray user = qgetenv("USER"), userName = qgetenv("USERNAME");
    qunsetenv("USER");
    qunsetenv("USERNAME");
    send(QStringLiteral("Ana"));
    qputenv("USER", user);
    qputenv("USERNAME", userName);
    for (int game = 2; game <= 3; ++game) {
        form->BitBtn2Click();
        form->CorrectClick();
    }
    send(QStringLiteral("Ștefan"));
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join(u'\n')));

    auto kept = recordsIn(results.path());
    QCOMPARE(kept.size(), std::size_t(2));
    const records::Record &ana = kept.at(QStringLiteral("Ana"));
    QCOMPARE(ana.account, QFile::decodeName(::getpwuid(::getuid())->pw_name));
    QCOMPARE(ana.corrections.size(), std::size_t(1));
    QCOMPARE(ana.corrections[0].hits, 1);
    QCOMPARE(ana.corrections[0].cellOf[5], 6);
    QCOMPARE(ana.corrections[0].cellOf[6], 0); // nitrogen is still in the tray
    const records::Record &stefan = kept.at(QStringLiteral("Ștefan"));
    QCOMPARE(stefan.corrections.size(), std::size_t(2));
    QCOMPARE(stefan.corrections[0].game, 2);
    QCOMPARE(form->report().lines().at(6), QStringLiteral("Alumno: Ștefan"));
    QCOMPARE(form->report().lines().last(), QStringLiteral("Aciertos: %1 de %2 (%3 %)")
                                                .arg(stefan.hitTotal)
                                                .arg(stefan.cellsCounted)
                                                .arg(stefan.percent));
    QCOMPARE(stefan.cellsCounted, 342);
    QCOMPARE(records::readFolder(records::ownFolder()).records.size(), ownBefore + 2);

    // A results folder not there (a share not mounted): the program never makes it, and what
    // it did not receive is owed to it, sent once it is there, once however often retried,
    // under the pupil's copy's own name.
    const QString later = results.filePath(QStringLiteral("más tarde"));
    form->setResultsFolder(later);
    send(QStringLiteral("Eva"));
    send(QStringLiteral("Eva"));
    QCOMPARE(errors.size(), 2);
    QVERIFY2(errors.first().startsWith(QStringLiteral("Los resultados no llegaron a la carpeta «")) &&
                 errors.first().endsWith(QStringLiteral("que se enviará de nuevo.")),
             qPrintable(errors.first()));
    QVERIFY(!QFileInfo::exists(later));
    QCOMPARE(records::readFolder(records::ownFolder()).records.size(), ownBefore + 4);
    QVERIFY(QDir().mkdir(later));
    sending::deliverOwed(later); // as the next start does
    sending::deliverOwed(later);
    const QStringList delivered = QDir(later).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(delivered.size(), 2);
    for (const QString &name : delivered) {
        QFile there(QDir(later).filePath(name)), own(QDir(records::ownFolder()).filePath(name));
        QVERIFY(there.open(QIODevice::ReadOnly) && own.open(QIODevice::ReadOnly));
        QCOMPARE(there.readAll(), own.readAll());
    }
    send(QStringLiteral("Eva"));
    QCOMPARE(QDir(later).entryList(QDir::Files | QDir::Hidden).size(), 3);
    QCOMPARE(errors.size(), 2);

    QVERIFY(fx.makeWindows());
    form = fx.form;
    window = fx.window;
    send(QStringLiteral("Luis"));
    QFile report(form->report().path());
    QVERIFY(report.open(QIODevice::ReadOnly));
    QCOMPARE(report.readAll().count("\r\n"), 5);
    QCOMPARE(records::readFolder(records::ownFolder()).records.size(), ownBefore + 6);
    PupilName.clear();
}

void TestMainWindow::screenReadersCanTellWhatIsWhere()
{
    auto name = [](QWidget *w) {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
        return a ? a->text(QAccessible::Name) : QString();
    };
    QCOMPARE(name(form), QStringLiteral("Tabelora"));
    // A tile says its state, which a pupil who sees reads from its colour.
    QCOMPARE(name(fx.tile(6)), QStringLiteral("C, Carbono, sólido"));
    QCOMPARE(name(fx.tile(80)), QStringLiteral("Hg, Mercurio, líquido"));
    QCOMPARE(name(fx.tile(10)), QStringLiteral("Ne, Neón, gas"));
    QCOMPARE(name(fx.tile(114)), QStringLiteral("Uuq, Ununcuadio, sintético"));
    QCOMPARE(name(fx.panel(26)), QStringLiteral("Casilla 26, periodo 4, grupo 8"));
    QCOMPARE(name(fx.panel(58)), QStringLiteral("Casilla 58, periodo 6, lantánidos"));
    QCOMPARE(name(fx.panel(103)), QStringLiteral("Casilla 103, periodo 7, actínidos"));
    // The board is the table of its cells: periods down, groups across, the series below.
    QAccessibleTableInterface *table =
        QAccessible::queryAccessibleInterface(fx.surface())->tableInterface();
    QVERIFY(table);
    QCOMPARE(table->cellAt(0, 17), QAccessible::queryAccessibleInterface(fx.panel(2)));
    QCOMPARE(table->cellAt(5, 2), QAccessible::queryAccessibleInterface(fx.panel(57)));
    QCOMPARE(table->cellAt(7, 3), QAccessible::queryAccessibleInterface(fx.panel(58)));
    QCOMPARE(table->cellAt(8, 17), QAccessible::queryAccessibleInterface(fx.panel(103)));
    QCOMPARE(table->cellAt(0, 1), nullptr);
    QAccessibleTableCellInterface *sodium =
        QAccessible::queryAccessibleInterface(fx.panel(11))->tableCellInterface();
    QCOMPARE((QList<int>{sodium->rowIndex(), sodium->columnIndex()}), (QList<int>{2, 0}));
    QCOMPARE(name(fx.button(Command::Corregir)), QStringLiteral("Corregir vistas"));
    QCOMPARE(name(fx.gauge()), QStringLiteral("Porcentaje de aciertos"));
    // The counters say their figures and the gauge its value, as they change.
    QAccessibleValueInterface *value =
        QAccessible::queryAccessibleInterface(fx.gauge())->valueInterface();
    QVERIFY(value);
    QCOMPARE(value->maximumValue().toInt(), 100);
    auto *hits = form->findChild<QWidget *>(QStringLiteral("Contador"));
    QCOMPARE(name(hits), QStringLiteral("Total aciertos: 0"));
    QCOMPARE(name(form->findChild<QWidget *>(QStringLiteral("Veces"))),
             QStringLiteral("Intentos: 1"));
    form->BitBtn2Click();
    const QPoint hydrogen(board::cellCorner(1).x, board::cellCorner(1).y);
    dragTile(1, hydrogen);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, hydrogen + QPoint(19, 19));
    form->CorrectClick();
    QCOMPARE(name(hits), QStringLiteral("Total aciertos: 1"));
    QCOMPARE(value->currentValue().toInt(), fx.gauge()->percentDone());
    QVERIFY(value->currentValue().toInt() > 0);
    QCOMPARE(name(fx.panel(1)),
             QStringLiteral("Casilla 1, periodo 1, grupo 1: H, Hidrógeno, gas, bien"));
    QCOMPARE(name(fx.panel(2)),
             QStringLiteral("Casilla 2, periodo 1, grupo 18: He, Helio, gas, no colocada"));
    TDatosBox &datos = fx.datosBox();
    QCOMPARE(name(&datos), QStringLiteral("Datos del alumno"));
    QCOMPARE(name(child<QLineEdit>(datos, "Alumno")), QStringLiteral("Nombre y apellidos"));
    QCOMPARE(name(child<QLineEdit>(datos, "curso")), QStringLiteral("Curso y grupo"));
}

// Single clicks, then a finger: a click or tap picks a tile up, one on a cell puts it down;
// a click on the bare window puts it back; a finger drags as the mouse does. The correction
// then frames what was placed.
void TestMainWindow::clicksAndTapsAlonePlayAGame()
{
    form->BitBtn2Click();
    const auto cellCentre = [](int n) {
        return QPoint(board::cellCorner(n).x + 20, board::cellCorner(n).y + 20);
    };
    const auto placed = [this](int n) {
        return fx.tile(n)->pos() == QPoint(board::cellCorner(n).x, board::cellCorner(n).y) &&
               fx.tile(n)->Accepted() && fx.panel(n)->isHidden();
    };
    // A click pick-up aims nowhere until a cell is clicked: nothing lights, no ring shows.
    auto *ring = form->findChild<QWidget *>(QStringLiteral("TargetMark"));
    for (int n : {6, 8}) {
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, tileCentre(n));
        QCOMPARE(form->pickup().pickedTile(), n);
        QVERIFY(fx.tile(n)->focusMark());
        QCOMPARE(litCells(), 0);
        QVERIFY(ring->isHidden());
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, cellCentre(n));
        QVERIFY(placed(n));
        QVERIFY(!fx.tile(n)->focusMark());
        QCOMPARE(litCells(), 0);
    }

    // A click on the bare window puts a picked tile back; the next click on a cell hides it,
    // as always.
    const QPoint at = fx.tile(9)->pos();
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, tileCentre(9));
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, QPoint(10, 345));
    QCOMPARE(form->pickup().pickedTile(), 0);
    QCOMPARE(fx.tile(9)->pos(), at);
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, cellCentre(9));
    QVERIFY(fx.panel(9)->isHidden());

    QPointingDevice *finger = QTest::createTouchDevice();
    QTest::touchEvent(window, finger).press(0, tileCentre(7));
    QTest::touchEvent(window, finger).release(0, tileCentre(7));
    QCOMPARE(form->pickup().pickedTile(), 7);
    QTest::touchEvent(window, finger).press(0, cellCentre(7));
    QTest::touchEvent(window, finger).release(0, cellCentre(7));
    QVERIFY(placed(7));
    // A finger drags hydrogen home in small steps, nudging at the end as a hand does.
    QPoint p = tileCentre(1);
    QTest::touchEvent(window, finger).press(0, p);
    while (p != cellCentre(1)) {
        const QPoint d = cellCentre(1) - p;
        p += QPoint(std::clamp(d.x(), -8, 8), std::clamp(d.y(), -8, 8));
        QTest::touchEvent(window, finger).move(0, p);
    }
    QTest::touchEvent(window, finger).move(0, p + QPoint(1, 0));
    QTest::touchEvent(window, finger).move(0, p);
    QTest::touchEvent(window, finger).release(0, p);
    QVERIFY(placed(1));
    QCOMPARE(form->pickup().pickedTile(), 0);

    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier,
                      centreOf(fx.button(Command::Corregir)));
    for (int n : {1, 6, 7, 8})
        QCOMPARE(fx.shape(n)->pen(), std::uint32_t(board::kRightFrameColour));
    QCOMPARE(fx.shape(9)->pen(), std::uint32_t(board::kWrongFrameColour));
}

// A screen reader hears the focused tile, the target cell and, after a drop, what stands on
// the cell: the board takes the keyboard focus with F6 and is called after each in turn.
void TestMainWindow::screenReadersFollowTheBoardFocus()
{
    // What a reader asking the board for its focused child hears.
    const auto heard = [this] {
        QAccessibleInterface *focused =
            QAccessible::queryAccessibleInterface(fx.surface())->focusChild();
        return focused ? focused->text(QAccessible::Name) : QString();
    };
    form->BitBtn2Click();
    QWidget *correct = fx.button(Command::Corregir);
    correct->setFocus();
    QTest::keyClick(correct, Qt::Key_F6);
    QVERIFY(fx.surface()->hasFocus());
    const int first = form->pickup().focusedTile();
    QCOMPARE(fx.tile(first)->pos(), QPoint(board::traySlot(1).x, board::traySlot(1).y));
    QCOMPARE(heard(), fx.tile(first)->accessibleName());
    QTest::keyClicks(fx.surface(), QStringLiteral("Be"));
    QCOMPARE(heard(), QStringLiteral("Be, Berilio, sólido"));
    const auto told = [this](int n) {
        return QAccessible::queryAccessibleInterface(fx.tile(n));
    };
    QCOMPARE(told(4)->text(QAccessible::Description), QStringLiteral("En la bandeja"));
    QTest::keyClick(fx.surface(), Qt::Key_Return);
    QVERIFY(told(4)->state().selected);
    const int from = form->pickup().targetCell(); // where the last pick-up left it
    // The target names the tile carried.
    const QString carried = QStringLiteral(". Llevas Be, Berilio, sólido");
    QCOMPARE(heard(), fx.panel(from)->accessibleName() + carried);
    QTest::keyClick(fx.surface(), Qt::Key_Down);
    const int target = board::cellInDirection(from, 0, 1);
    QCOMPARE(form->pickup().targetCell(), target);
    QCOMPARE(heard(), fx.panel(target)->accessibleName() + carried);
    // The ring marks the target above whatever stands there; a pointer passing over a tile
    // lights the cells afresh, and the target with them.
    auto *ring = form->findChild<QWidget *>(QStringLiteral("TargetMark"));
    QVERIFY(ring->isVisible());
    QCOMPARE(ring->pos(), fx.panel(target)->pos());
    QCOMPARE(form->childAt(ring->geometry().center()), fx.panel(target)); // passes presses on
    moveTo(tileCentre(50));
    QCOMPARE(fx.panel(target)->colour(), board::StoredColour(board::kLitCellColour));
    QVERIFY(ring->isVisible());
    QTest::keyClick(fx.surface(), Qt::Key_Return);
    QVERIFY(!told(4)->state().selected);
    QCOMPARE(told(4)->text(QAccessible::Description),
             QStringLiteral("En la ") + fx.panel(target)->accessibleName());
    // The cell says what stands on it now, as the target of the next pick-up will.
    QCOMPARE(QAccessible::queryAccessibleInterface(fx.panel(target))->text(QAccessible::Name),
             fx.panel(target)->accessibleName() + QStringLiteral(", ocupada por Be, Berilio, sólido"));
    QVERIFY(ring->isHidden());
    QCOMPARE(litCells(), 0);
    // Then the focus is back on the tray, and the board is called after the tile there.
    QCOMPARE(heard(), fx.tile(form->pickup().focusedTile())->accessibleName());
    QVERIFY(fx.tile(4)->Accepted());
    // The accelerators still work from the board, and F6 goes back to the bar.
    const int games = form->game().GameCount();
    QTest::keyClick(fx.surface(), Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(form->game().GameCount(), games + 1);
    QCOMPARE(told(4)->text(QAccessible::Description), QStringLiteral("En la bandeja"));
    QTest::keyClick(fx.surface(), Qt::Key_F6);
    QCOMPARE(QApplication::focusWidget(), correct);
    QCOMPARE(form->pickup().focusedTile(), 0);
}

// Today's table: 118 tiles, four of them in the new slots, whole inside the window and on no
// other control; a whole game by drag and clicks scores 118 of 118, earns the genie, and the
// record and the report count the table's 118 cells.
void TestMainWindow::todaysTableIsPlayedWhole()
{
    QTemporaryDir results;
    QVERIFY(fx.makeWindows(true, board::Table::Today));
    form = fx.form;
    window = fx.window;
    form->setResultsFolder(results.path());
    QCOMPARE(form->size(), QSize(812, 612));
    QCOMPARE(fx.tile(118)->accessibleName(), QStringLiteral("Og, Oganesón, sintético"));
    const auto cellAt = [](int n) { return QPoint(board::cellCorner(n).x, board::cellCorner(n).y); };

    QList<int> inNewSlots;
    for (int slot = 115; slot <= 118; ++slot)
        for (int n = 1; n <= 118; ++n)
            if (fx.tile(n)->pos() == QPoint(board::traySlot(slot).x, board::traySlot(slot).y))
                inNewSlots << n;
    QCOMPARE(inNewSlots.size(), 4);
    for (int n : inNewSlots) {
        const QRect tile = fx.tile(n)->geometry();
        QVERIFY(form->rect().contains(tile));
        for (const QWidget *other : fx.surface()->findChildren<QWidget *>()) {
            if (other->isVisible() && !qobject_cast<const TAnimatedCorvalia *>(other))
                QVERIFY2(!other->geometry().intersects(tile), qPrintable(other->objectName()));
        }
    }

    // One by drag, the others by a click on the tile and one on its cell.
    dragTile(inNewSlots.first(), cellAt(inNewSlots.first()));
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier,
                        cellAt(inNewSlots.first()) + QPoint(19, 19));
    for (int n = 1; n <= 118; ++n) {
        if (n == inNewSlots.first())
            continue;
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, tileCentre(n));
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, cellAt(n) + QPoint(20, 20));
    }
    for (int n = 1; n <= 118; ++n)
        QVERIFY2(fx.tile(n)->pos() == cellAt(n) && fx.tile(n)->Accepted(),
                 qPrintable(QString::number(n)));

    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier,
                      centreOf(fx.button(Command::Corregir)));
    QCOMPARE(form->game().HitTotal(), 118);
    QCOMPARE(fx.label("Contador")->caption(), QStringLiteral("118"));
    QCOMPARE(fx.gauge()->progress(), 100);
    QVERIFY(fx.label("mensaje")->isVisible());

    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centreOf(fx.button(Command::Enviar)));
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join(u'\n')));
    QCOMPARE(form->report().lines().last(), QStringLiteral("Aciertos: 118 de 118 (100 %)"));
    const std::vector<records::Loaded> kept = records::readFolder(results.path()).records;
    QCOMPARE(kept.size(), std::size_t(1));
    const records::Record &record = kept.front().record;
    QCOMPARE(record.table, QStringLiteral("actual"));
    QCOMPARE(record.corrections.at(0).judged, 118);
    QCOMPARE(record.corrections.at(0).cellOf.size(), std::size_t(118));
    QCOMPARE(record.corrections.at(0).cellOf.back(), 118);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
