#include "game/game.h"
#include "game/random.h"
#include "game/scoring.h"
#include "support/fakeboardview.h"

#include <QTest>

using board::kElementCount;

namespace {
struct Fixture
{
    FakeBoardView view;
    CountingHandlers handlers;
    Game game;
    explicit Fixture(board::Table table = board::Table::Classic) : game(view, handlers, table)
    {
        game.FormCreate();
    }

    // Places the first `count` tiles exactly on their own cells.
    void placeRight(int count)
    {
        for (int n = 1; n <= count; ++n)
            view.tile(n).moveTo(board::cellCorner(n));
    }
};
} // namespace

class TestCorrection : public QObject
{
    Q_OBJECT

private slots:
    void percentageRoundsHalvesToEven_data();
    void percentageRoundsHalvesToEven();
    void onlyTheExactCornerOfItsOwnCellCounts();
    void correctionFramesSendsHomeAndScores();
    void secondCorrectionChangesNothing();
    void congratulationNeedsMoreThanAHundredInTotal();
    void fullBoardScoresAHundredPercent();
    void verdictIsThisCorrectionsWhateverPenTheFrameKept();
};

void TestCorrection::percentageRoundsHalvesToEven_data()
{
    QTest::addColumn<int>("hits");
    QTest::addColumn<int>("counted");
    QTest::addColumn<int>("percent");
    QTest::newRow("57 of 456 is 12.5") << 57 << 456 << 12;
    QTest::newRow("171 of 456 is 37.5") << 171 << 456 << 38;
    QTest::newRow("57 of 114") << 57 << 114 << 50;
    QTest::newRow("1 of 8 is 12.5") << 1 << 8 << 12;
    QTest::newRow("3 of 8 is 37.5") << 3 << 8 << 38;
    QTest::newRow("1 of 3") << 1 << 3 << 33;
    QTest::newRow("2 of 3") << 2 << 3 << 67;
    QTest::newRow("all") << 114 << 114 << 100;
    QTest::newRow("none") << 0 << 228 << 0;
    QTest::newRow("nothing judged yet") << 0 << 0 << 0;
    QTest::newRow("reload adds twelve cells") << 114 << 126 << 90;
    // The product is a 32-bit figure: past 21474836 hits it wraps like the original sum.
    QTest::newRow("product wraps") << 21474837 << 21474837 << -100;
}

void TestCorrection::percentageRoundsHalvesToEven()
{
    QFETCH(int, hits);
    QFETCH(int, counted);
    QFETCH(int, percent);
    QCOMPARE(scoring::hitPercentage(hits, counted), percent);
}

void TestCorrection::onlyTheExactCornerOfItsOwnCellCounts()
{
    Fixture f;
    f.placeRight(3);
    f.view.tile(2).left += 1;                    // one pixel off
    f.view.tile(4).moveTo(board::cellCorner(5)); // on another element's cell
    f.view.tile(6).moveTo(board::cellCorner(6)); // right
    f.view.tile(7).moveTo(board::cellCorner(6)); // shares cell 6 with its owner
    f.game.correct();
    QCOMPARE(f.game.HitTotal(), 3); // tiles 1, 3 and 6
    QCOMPARE(f.view.shapes[1].pen, board::kRightFrameColour);
    QCOMPARE(f.view.shapes[2].pen, board::kWrongFrameColour);
    QCOMPARE(f.view.shapes[5].pen, board::kWrongFrameColour);
    QCOMPARE(f.view.shapes[6].pen, board::kRightFrameColour);
    QCOMPARE(f.view.shapes[2].frontCount, 1);
    QCOMPARE(f.view.shapes[1].frontCount, 0);
    // The correction is kept as the board stood: the cell under each tile, or none.
    QCOMPARE(f.game.correctionsNotSent().size(), std::size_t(1));
    const CorrectionMade &made = f.game.correctionsNotSent().front();
    QCOMPARE(made.hits, 3);
    QCOMPARE(made.judged, kElementCount);
    QCOMPARE(made.game, 1);
    const std::pair<int, int> tileOnCell[] = {{1, 1}, {2, 0}, {4, 5}, {6, 6}, {7, 6}, {8, 0}};
    for (auto [tile, cell] : tileOnCell)
        QCOMPARE(made.cellOf[tile], cell);
}

void TestCorrection::correctionFramesSendsHomeAndScores()
{
    Fixture f;
    f.placeRight(57);
    f.game.correct();
    QVERIFY(f.game.Corrected());
    QCOMPARE(f.game.HitTotal(), 57);
    QCOMPARE(f.game.CellsCounted(), 114);
    QCOMPARE(f.view.contador, 57);
    QCOMPARE(f.view.gauge, 50);
    QVERIFY(!f.view.congratulation);
    for (int n = 1; n <= kElementCount; ++n) {
        const FakeTile &t = f.view.tile(n);
        QVERIFY2(!t.onMove, "dragging after a correction lights no cells");
        QVERIFY(t.onUp);
        QVERIFY(!f.view.panels[n].visible);
        QVERIFY(f.view.shapes[n].visible);
        QCOMPARE(f.view.shapes[n].pen,
                 n <= 57 ? board::kRightFrameColour : board::kWrongFrameColour);
        QCOMPARE((board::Point{t.destinyX, t.destinyY}), board::cellCorner(n));
        QCOMPARE(t.interval, 100);
        QVERIFY(t.stackPosition < 0);
    }
    // Sent to the back in order, so tile 114 ends furthest back.
    QVERIFY(f.view.tile(114).stackPosition < f.view.tile(1).stackPosition);

    // A game with no hits: the total stays, the denominator grows.
    f.game.startNextGame();
    f.game.correct();
    QCOMPARE(f.game.HitTotal(), 57);
    QCOMPARE(f.game.CellsCounted(), 228);
    QCOMPARE(f.view.contador, 57);
    QCOMPARE(f.view.gauge, 25);
}

void TestCorrection::secondCorrectionChangesNothing()
{
    Fixture f;
    f.placeRight(10);
    f.game.correct();
    f.view.tile(3).interval = 0;
    f.view.tile(3).destinyX = 5;
    f.view.shapes[20].visible = false;
    f.view.contador = -1;
    f.game.correct();
    QCOMPARE(f.game.HitTotal(), 10);
    QCOMPARE(f.game.CellsCounted(), 114);
    QCOMPARE(f.view.tile(3).interval, 0);
    QCOMPARE(f.view.tile(3).destinyX, 5);
    QVERIFY(!f.view.shapes[20].visible);
    QCOMPARE(f.view.contador, -1);
    QCOMPARE(f.game.correctionsNotSent().size(), std::size_t(1));
    // Each game's correction is kept until the results are sent, and only until then.
    f.game.startNextGame();
    f.game.correct();
    QCOMPARE(f.game.correctionsNotSent().size(), std::size_t(2));
    QCOMPARE(f.game.correctionsNotSent().back().game, 2);
    f.game.markCorrectionsSent();
    QVERIFY(f.game.correctionsNotSent().empty());
    QCOMPARE(f.game.HitTotal(), 10);
}

void TestCorrection::congratulationNeedsMoreThanAHundredInTotal()
{
    Fixture f;
    f.placeRight(100);
    f.game.correct();
    QCOMPARE(f.game.HitTotal(), 100);
    QVERIFY(!f.view.congratulation);

    f.game.startNextGame();
    f.placeRight(1);
    f.game.correct();
    QCOMPARE(f.game.HitTotal(), 101);
    QVERIFY(f.view.congratulation);

    // Once earned it comes back with every later correction, even one with no hits.
    f.game.startNextGame();
    QVERIFY(!f.view.congratulation);
    f.game.correct();
    QVERIFY(f.view.congratulation);

    // Today's table asks for as few misses: more than 104 of its 118.
    for (const int right : {104, 105}) {
        Fixture today(board::Table::Today);
        today.placeRight(right);
        today.game.correct();
        QCOMPARE(today.game.CellsCounted(), 118);
        QCOMPARE(today.view.congratulation, right > 104);
    }
}

void TestCorrection::fullBoardScoresAHundredPercent()
{
    Fixture f;
    f.placeRight(kElementCount);
    f.game.correct();
    QCOMPARE(f.game.HitTotal(), 114);
    QCOMPARE(f.view.gauge, 100);
    QVERIFY(f.view.congratulation);
}

// Only a new board turns the pens red again: after a strip reload, a cell right before and
// wrong now keeps its green pen, but its verdict is this correction's.
void TestCorrection::verdictIsThisCorrectionsWhateverPenTheFrameKept()
{
    Fixture f;
    f.placeRight(2);
    f.game.correct();
    QCOMPARE(f.view.shapes[1].verdict, 1);
    QCOMPARE(f.view.shapes[3].verdict, -1);
    f.game.prepareStripReload();
    f.game.LeerVistas(); // every tile back in the tray
    f.game.revealCells();
    f.view.tile(2).moveTo(board::cellCorner(2));
    f.game.correct();
    QCOMPARE(f.view.shapes[1].pen, board::kRightFrameColour);
    QCOMPARE(f.view.shapes[1].verdict, -1);
    QCOMPARE(f.view.shapes[2].verdict, 1);
}

QTEST_APPLESS_MAIN(TestCorrection)
#include "tst_correction.moc"
