#include "app/blankcell.h"
#include "app/captionlabel.h"
#include "app/commandbutton.h"
#include "app/datosbox.h"

#include "app/errorbox.h"
#include "app/form1.h"
#include "app/frameshape.h"
#include "app/gauge.h"
#include "app/report.h"
#include "app/resources.h"
#include "support/modalcloser.h"
#include "support/pointer.h"
#include "tiles/animatedcorvalia.h"
#include <QLineEdit>

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

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
    void startupShowsInformationFirstThenFocusesCorrection();
    void revealTickShowsTheCellsOnce();
    void hoverOverATileStopsEveryTimer();
    void dragOntoItsCellPlacesAndUncoversTheTile();
    void fastLastMoveOffTheCellPlacesNothing();
    void strayTileDriftsBackWhenThePointerCrossesTheBareWindow();
    void movesOverLabelsAreNotBareWindowMoves();
    void correctionFramesTheBoardAndFillsTheScore();
    void newGameAfterCorrectionRestoresTheBoard();
    void visibleBlankCellsCoverTilesWhateverTheStacking();
    void clickOnABlankCellHidesIt();
    void acceleratorsAndTabOrder();
    void failedSendShowsTheErrorAndKeepsTheBlock();
    void screenReadersCanTellWhatIsWhere();

private:
    QPoint centreOf(const QWidget *w) const { return w->geometry().center(); }
    QPoint tileCentre(int n) const { return form->tile(n)->pos() + QPoint(19, 19); }
    void moveTo(QPoint p) { QTest::mouseMove(window, p); }
    // Drags tile n in small steps so that its corner ends on `corner`, then nudges it one
    // pixel within the target so that the lit cell catches up.
    void dragTile(int n, QPoint corner, bool nudge = true);
    int litCells() const;

    QTemporaryDir home;
    ModalCloser *closer = nullptr;
    TForm1 *form = nullptr;
    QWindow *window = nullptr;
    QStringList errors;
};

void TestMainWindow::initTestCase()
{
    QVERIFY(home.isValid());
    qputenv("HOME", home.path().toLocal8Bit());
    resources::load();
    errorbox::setSink([this](const QString &text) { errors << text; });
    closer = new ModalCloser;
    form = new TForm1;
    closer->watched = form;
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    window = form->windowHandle();
}

void TestMainWindow::cleanupTestCase()
{
    delete form;
    delete closer;
    errorbox::setSink({});
}

void TestMainWindow::init()
{
    errors.clear();
    QApplication::setActiveWindow(form);
    QTRY_VERIFY(form->isActiveWindow());
}

void TestMainWindow::startupShowsInformationFirstThenFocusesCorrection()
{
    QCOMPARE(closer->seen, QStringList{"TAboutBox"});
    QCOMPARE(closer->mainWindowShown, QList<bool>{false});
    QApplication::setActiveWindow(form);
    QTRY_COMPARE(QApplication::focusWidget(),
                 static_cast<QWidget *>(form->button(Command::Corregir)));
    QCOMPARE(form->size(), QSize(812, 606));
    QCOMPARE(form->label("Veces")->caption(), QStringLiteral("1"));
    QCOMPARE(form->label("Contador")->caption(), QStringLiteral("0"));
    QCOMPARE(form->gauge()->progress(), 0);
}

void TestMainWindow::revealTickShowsTheCellsOnce()
{
    QTRY_VERIFY_WITH_TIMEOUT(!form->timer1Active(), 15000);
    for (int n = 1; n <= kElementCount; ++n) {
        QVERIFY(form->panel(n)->isVisible());
        QCOMPARE(form->panel(n)->pos(), QPoint(board::cellCorner(n).x, board::cellCorner(n).y));
    }
}

void TestMainWindow::hoverOverATileStopsEveryTimer()
{
    form->BitBtn2Click();
    QVERIFY(form->tile(1)->timerActive());
    moveTo(tileCentre(1));
    for (int n = 1; n <= kElementCount; ++n)
        QVERIFY(!form->tile(n)->timerActive());
    QCOMPARE(form->placement().CandidateCell, 0); // tiles in the tray lie on no cell
}

void TestMainWindow::dragTile(int n, QPoint corner, bool nudge)
{
    pointer::dragTile(window, form->tile(n)->pos(), corner, nudge);
}

int TestMainWindow::litCells() const
{
    int lit = 0;
    for (int n = 1; n <= kElementCount; ++n)
        lit += form->panel(n)->colour() == board::kLitCellColour ? 1 : 0;
    return lit;
}

void TestMainWindow::dragOntoItsCellPlacesAndUncoversTheTile()
{
    form->BitBtn2Click();
    const QPoint cell(board::cellCorner(6).x, board::cellCorner(6).y);
    dragTile(6, cell);
    QCOMPARE(form->placement().CandidateCell, 6);
    QCOMPARE(form->panel(6)->colour(), std::uint32_t(board::kLitCellColour));
    QCOMPARE(litCells(), 1);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, cell + QPoint(19, 19));
    QCOMPARE(form->tile(6)->pos(), cell);
    QVERIFY(form->tile(6)->Accepted());
    QVERIFY(!form->panel(6)->isVisible());
    QVERIFY(!form->tile(6)->timerActive());
}

void TestMainWindow::fastLastMoveOffTheCellPlacesNothing()
{
    form->BitBtn2Click();
    const QPoint cell(board::cellCorner(26).x, board::cellCorner(26).y);
    dragTile(26, cell);
    const QPoint away = cell + QPoint(19 + 45, 19); // one fast move onto the next cell
    moveTo(away);
    QCOMPARE(form->placement().CandidateCell, 26);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, away);
    QVERIFY(!form->tile(26)->Accepted());
    QCOMPARE(form->tile(26)->pos(), cell + QPoint(45, 0));
    QVERIFY(form->panel(26)->isVisible() && form->panel(27)->isVisible());
}

void TestMainWindow::strayTileDriftsBackWhenThePointerCrossesTheBareWindow()
{
    form->BitBtn2Click();
    const board::Point slot = board::traySlot(form->game().DealOrder[10]);
    dragTile(10, QPoint(440, 41), false); // above the table's first row, on no cell
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, QPoint(459, 60));
    QVERIFY(!form->tile(10)->timerActive());
    moveTo(QPoint(470, 100)); // bare: between beryllium and boron, below the numbers
    QVERIFY(form->tile(10)->timerActive());
    QCOMPARE(form->tile(10)->Interval(), 10);
    QTRY_COMPARE_WITH_TIMEOUT(form->tile(10)->pos(), QPoint(slot.x, slot.y), 20000);
}

void TestMainWindow::movesOverLabelsAreNotBareWindowMoves()
{
    form->BitBtn2Click();
    moveTo(tileCentre(3)); // stops every timer
    QVERIFY(!form->tile(3)->timerActive());
    moveTo(form->label("verde")->geometry().center());
    moveTo(form->label("Label3")->geometry().center());
    moveTo(centreOf(form->panel(40)));
    QVERIFY(!form->tile(3)->timerActive());
}

void TestMainWindow::correctionFramesTheBoardAndFillsTheScore()
{
    form->BitBtn2Click();
    const int hitsBefore = form->game().HitTotal;
    const QPoint cell(board::cellCorner(8).x, board::cellCorner(8).y);
    dragTile(8, cell);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, cell + QPoint(19, 19));
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier,
                      centreOf(form->button(Command::Corregir)));
    QVERIFY(form->game().Corrected);
    QCOMPARE(form->game().HitTotal, hitsBefore + 1);
    QVERIFY(form->shape(8)->isVisible());
    QCOMPARE(form->shape(8)->pen(), std::uint32_t(board::kRightFrameColour));
    QVERIFY(form->shape(9)->isVisible());
    QCOMPARE(form->shape(9)->pen(), std::uint32_t(board::kWrongFrameColour));
    QCOMPARE(form->label("Contador")->caption(), QString::number(hitsBefore + 1));
    QCOMPARE(form->label("Contador")->rightEdge(), 548);
    // The counter is opaque: the bevel lines above the number break under its box.
    const QImage shot = form->grab().toImage();
    const QRect counter = form->label("Contador")->geometry();
    for (int x = counter.left(); x <= counter.right(); ++x)
        for (int y : {0, 2})
            QCOMPARE(shot.pixel(x, y), resources::storedColour(layout::kMoneyGreen).rgb());
    QVERIFY(shot.pixel(counter.left() - 1, 0) !=
            resources::storedColour(layout::kMoneyGreen).rgb());
    QCOMPARE(form->gauge()->progress(), form->game().hitPercentage());
    for (int n = 1; n <= kElementCount; ++n)
        QVERIFY(!form->panel(n)->isVisible());
    // Every tile drifts to its own cell.
    const QPoint home(board::cellCorner(100).x, board::cellCorner(100).y);
    QTRY_COMPARE_WITH_TIMEOUT(form->tile(100)->pos(), home, 20000);
    // Hovering no longer lights cells or stops timers.
    moveTo(tileCentre(100));
    QVERIFY(form->tile(100)->timerActive());
}

void TestMainWindow::newGameAfterCorrectionRestoresTheBoard()
{
    if (!form->game().Corrected)
        form->CorrectClick();
    const int games = form->game().GameCount;
    form->button(Command::Corregir)->setFocus();
    QTest::keyClick(form->button(Command::Corregir), Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(form->game().GameCount, games + 1); // a mnemonic clicks after a short flash
    QCOMPARE(form->label("Veces")->caption(), QString::number(games + 1));
    QCOMPARE(form->label("Veces")->rightEdge(), 785);
    QVERIFY(!form->game().Corrected);
    for (int n = 1; n <= kElementCount; ++n) {
        QVERIFY(form->panel(n)->isVisible());
        QVERIFY(!form->shape(n)->isVisible());
        QCOMPARE(form->shape(n)->pen(), std::uint32_t(board::kWrongFrameColour));
        QVERIFY(form->tile(n)->OnMouseMove);
    }
}

// Whatever happens to the drawn controls, a visible blank cell hides the tile beneath it.
void TestMainWindow::visibleBlankCellsCoverTilesWhateverTheStacking()
{
    form->BitBtn2Click();
    form->CorrectClick(); // tiles go to the back, wrong frames to the front
    TAnimatedCorvalia *tile = form->tile(20);
    tile->setInterval(0);
    tile->move(board::cellCorner(20).x, board::cellCorner(20).y);
    tile->raise();
    form->shape(20)->raise();
    form->panel(20)->show();
    const QPoint inside = form->panel(20)->geometry().center();
    QImage shot = form->grab().toImage();
    QCOMPARE(shot.pixel(inside), resources::storedColour(board::kEmptyCellColour).rgb());
    form->panel(20)->hide();
    shot = form->grab().toImage();
    QVERIFY(shot.pixel(inside) != resources::storedColour(board::kEmptyCellColour).rgb());
    QCOMPARE(shot.pixel(inside), tile->Bitmap().pixel(inside - tile->pos()));
}

void TestMainWindow::clickOnABlankCellHidesIt()
{
    form->BitBtn2Click();
    QVERIFY(form->panel(50)->isVisible());
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centreOf(form->panel(50)));
    QVERIFY(!form->panel(50)->isVisible());
}

void TestMainWindow::acceleratorsAndTabOrder()
{
    QApplication::setActiveWindow(form);
    QWidget *correct = form->button(Command::Corregir);
    correct->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), correct);
    const QList<Command> order{Command::Ayuda, Command::Nuevo,     Command::Enviar,
                               Command::Datos, Command::Elementos, Command::Corregir};
    for (Command c : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(form->button(c)));
    }
    // Alt+A runs "&Ayuda": the hidden "&Abrir" can't be reached.
    const qsizetype before = closer->seen.size();
    QTest::keyClick(correct, Qt::Key_A, Qt::AltModifier);
    QTRY_COMPARE(closer->seen.size(), before + 1);
    QCOMPARE(closer->seen.last(), QStringLiteral("TAboutBox"));
    QVERIFY(!form->button(Command::Abrir)->isVisible());
    // Enter runs the focused button.
    form->BitBtn2Click();
    correct->setFocus();
    QTest::keyClick(correct, Qt::Key_Return);
    QVERIFY(form->game().Corrected);
}

void TestMainWindow::failedSendShowsTheErrorAndKeepsTheBlock()
{
    const QString path = form->report().path();
    QCOMPARE(QFileInfo(path).dir().path(), QDir(home.path()).path());
    QVERIFY(QDir().mkpath(path)); // a folder where the report should go
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier,
                      centreOf(form->button(Command::Enviar)));
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().startsWith(QStringLiteral("Cannot create file \"") + path + "\". "),
             qPrintable(errors.first()));
    QCOMPARE(form->report().lines().size(), 5);
    QVERIFY(QDir(path).removeRecursively());
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier,
                      centreOf(form->button(Command::Enviar)));
    QCOMPARE(errors.size(), 1);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().count("\r\n"), 10);
}

void TestMainWindow::screenReadersCanTellWhatIsWhere()
{
    auto name = [](QWidget *w) {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
        return a ? a->text(QAccessible::Name) : QString();
    };
    QCOMPARE(name(form), QStringLiteral("Tabelora"));
    QCOMPARE(name(form->tile(6)), QStringLiteral("C, Carbono"));
    QCOMPARE(name(form->tile(50)), QStringLiteral("Sn, Estaño"));
    QCOMPARE(name(form->tile(114)), QStringLiteral("Uuq, Ununcuadio"));
    QCOMPARE(name(form->panel(26)), QStringLiteral("Casilla 26"));
    QCOMPARE(name(form->button(Command::Corregir)), QStringLiteral("Corregir vistas"));
    QCOMPARE(name(form->gauge()), QStringLiteral("Porcentaje de aciertos"));
    TDatosBox datos;
    QCOMPARE(name(&datos), QStringLiteral("Datos del alumno"));
    QCOMPARE(name(datos.Alumno()), QStringLiteral("Nombre y apellidos"));
    QCOMPARE(name(datos.curso()), QStringLiteral("Curso y grupo"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
