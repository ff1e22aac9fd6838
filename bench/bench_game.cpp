#include "game/board.h"
#include "game/game.h"
#include "support/mainwindow.h"
#include "game/placement.h"

#include <QTest>

#include <memory>

// The handlers that run on pointer moves and on the commands, on the real main window.
class BenchGame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void moveOverATileKeepingTheLitCell();
    void moveOverATileChangingTheLitCell();
    void moveOverTheBareWindow();
    void correctionOfAGame();
    void newBoard();
    void shuffle();
    void newBoardCorrectedAndSentHome();

private:
    // Stands tile n with its centre inside cell n.
    void standOnItsCell(int n);

    MainWindowFixture fx_;
    TForm1 *form_ = nullptr;
};

void BenchGame::initTestCase()
{
    QVERIFY(fx_.makeWindows());
    form_ = fx_.form;
}

void BenchGame::cleanupTestCase()
{
    fx_.destroyWindows();
}

void BenchGame::standOnItsCell(int n)
{
    const board::Point corner = board::cellCorner(n);
    fx_.tile(n)->setLeft(corner.x + 1);
    fx_.tile(n)->setTop(corner.y + 1);
}

void BenchGame::moveOverATileKeepingTheLitCell()
{
    standOnItsCell(26);
    TAnimatedCorvalia &tile = *fx_.tile(26);
    Placement &placement = form_->placement();
    QBENCHMARK
    {
        placement.almovermouse(tile);
    }
    QCOMPARE(placement.CandidateCell(), 26);
}

void BenchGame::moveOverATileChangingTheLitCell()
{
    standOnItsCell(26);
    standOnItsCell(27);
    TAnimatedCorvalia *tiles[] = {fx_.tile(26), fx_.tile(27)};
    Placement &placement = form_->placement();
    int next = 0;
    QBENCHMARK
    {
        placement.almovermouse(*tiles[next]);
        next = 1 - next;
    }
    QVERIFY(placement.CandidateCell() == 26 || placement.CandidateCell() == 27);
    // Exactly one cell is lit whichever tile came last.
    int lit = 0;
    for (int n = 1; n <= board::kElementCount; ++n)
        lit += fx_.panel(n)->colour() == board::kLitCellColour ? 1 : 0;
    QCOMPARE(lit, 1);
}

void BenchGame::moveOverTheBareWindow()
{
    Placement &placement = form_->placement();
    int x = 400;
    QBENCHMARK
    {
        placement.FormMouseMove(x, 20);
        x = x == 400 ? 401 : 400;
    }
    QCOMPARE(fx_.tile(1)->Interval(), 10);
}

void BenchGame::correctionOfAGame()
{
    Game &game = form_->game();
    const int countedBefore = game.CellsCounted();
    int corrections = 0;
    QBENCHMARK
    {
        // Each pass judges the board afresh, after the first half of a strip reload has let
        // it be judged again; only the first pass changes what is on screen.
        game.prepareStripReload();
        game.correct();
        ++corrections;
    }
    QCOMPARE(game.CellsCounted(), countedBefore + corrections * board::kElementCount);
}

void BenchGame::newBoard()
{
    Game &game = form_->game();
    QBENCHMARK
    {
        game.NuevoTablero();
    }
    QCOMPARE(game.Corrected(), false);
}

void BenchGame::shuffle()
{
    Game &game = form_->game();
    QBENCHMARK
    {
        game.baraja();
    }
    std::array<bool, board::kElementCount + 1> seen{};
    for (int i = 1; i <= board::kElementCount; ++i)
        seen[game.DealOrder()[i]] = true;
    QVERIFY(std::all_of(seen.begin() + 1, seen.end(), [](bool s) { return s; }));
}

void BenchGame::newBoardCorrectedAndSentHome()
{
    // What "&Nuevo", "&Corregir vistas" and a move over the bare window cost together, the
    // drawing that follows left out.
    QBENCHMARK
    {
        form_->BitBtn2Click();
        form_->CorrectClick();
        form_->placement().FormMouseMove(400, 20);
    }
    QVERIFY(form_->game().Corrected());
    QCOMPARE(fx_.tile(114)->Interval(), 10);
}

QTEST_MAIN(BenchGame)
#include "bench_game.moc"
