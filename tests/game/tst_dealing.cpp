#include "game/game.h"
#include "game/random.h"
#include "support/fakeboardview.h"

#include <QTest>

#include <algorithm>
#include <cmath>

using board::kElementCount;

namespace {
struct Fixture
{
    FakeBoardView view;
    CountingHandlers handlers;
    Game game{view, handlers};
};

bool isPermutation(const Game &game)
{
    std::array<bool, kElementCount + 1> seen{};
    for (int i = 1; i <= kElementCount; ++i) {
        const int slot = game.DealOrder()[i];
        if (slot < 1 || slot > kElementCount || seen[slot])
            return false;
        seen[slot] = true;
    }
    return true;
}

// Every tile sits on the corner of its slot and is set to stay there.
bool tilesSitInTheirSlots(Fixture &f)
{
    for (int i = 1; i <= kElementCount; ++i) {
        const FakeTile &t = f.view.tile(i);
        const board::Point slot = board::traySlot(f.game.DealOrder()[i]);
        if (t.left != slot.x || t.top != slot.y || t.destinyX != slot.x || t.destinyY != slot.y)
            return false;
    }
    return true;
}
} // namespace

class TestDealing : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void belowStaysUnderItsBound();
    void everyShuffleIsAPermutationAndReseeds();
    void shuffleIsUniformOverManyDeals();
    void firstDealBuildsTheBoardAndShowsInformationOnce();
    void newGameCountsGamesButNotScores();
    void newGameAfterCorrectionRestoresHandlersFramesAndCells();
    void revealTickShowsCellsOnlyWhileNotCorrected();
};

void TestDealing::init()
{
    std::uint32_t next = 1;
    Random::shared().setSeedSource([next]() mutable { return next++; });
}

void TestDealing::cleanup()
{
    Random::shared().setSeedSource({});
}

void TestDealing::belowStaysUnderItsBound()
{
    Random &random = Random::shared();
    random.seed(7);
    QCOMPARE(random.below(0), 0u);
    QCOMPARE(random.below(1), 0u);
    std::array<int, 3> counts{};
    for (int i = 0; i < 3000; ++i) {
        const auto r = random.below(3);
        QVERIFY(r < 3);
        ++counts[r];
    }
    for (int c : counts)
        QVERIFY(c > 900 && c < 1100);
    // A bound just above half the range is where a modulo would favour the low values.
    const std::uint32_t big = 0x80000001u;
    int low = 0;
    for (int i = 0; i < 4000; ++i)
        low += random.below(big) < big / 2 ? 1 : 0;
    QVERIFY2(low > 1800 && low < 2200, qPrintable(QString::number(low)));
}

void TestDealing::everyShuffleIsAPermutationAndReseeds()
{
    int seeds = 0;
    Random::shared().setSeedSource([&seeds]() { return static_cast<std::uint32_t>(++seeds); });
    Fixture f;
    Game::Deal previous{};
    for (int deal = 0; deal < 200; ++deal) {
        f.game.baraja();
        QVERIFY(isPermutation(f.game));
        QVERIFY(f.game.DealOrder() != previous);
        previous = f.game.DealOrder();
    }
    QCOMPARE(seeds, 200);
    // The same seed deals the same order: the shuffle draws only from the shared generator.
    Random::shared().setSeedSource([]() { return 99u; });
    f.game.baraja();
    const auto first = f.game.DealOrder();
    f.game.baraja();
    QCOMPARE(f.game.DealOrder(), first);
}

// Per-position counts of which tile lands in which slot; an off-by-one in the shuffle
// (a never-drawn last element, a fixed point) shows as a huge chi-square.
void TestDealing::shuffleIsUniformOverManyDeals()
{
    Fixture f;
    constexpr int kDeals = 11400;
    std::vector<int> counts((kElementCount + 1) * (kElementCount + 1), 0);
    for (int deal = 0; deal < kDeals; ++deal) {
        f.game.baraja();
        for (int i = 1; i <= kElementCount; ++i)
            ++counts[i * (kElementCount + 1) + f.game.DealOrder()[i]];
    }
    const double expected = double(kDeals) / kElementCount;
    double chi = 0;
    for (int i = 1; i <= kElementCount; ++i)
        for (int s = 1; s <= kElementCount; ++s) {
            const double d = counts[i * (kElementCount + 1) + s] - expected;
            chi += d * d / expected;
        }
    // 113 x 113 = 12769 degrees of freedom: mean 12769, standard deviation about 160.
    const double dof = 113.0 * 113.0;
    QVERIFY2(std::abs(chi - dof) < 6 * std::sqrt(2 * dof), qPrintable(QString::number(chi)));
}

void TestDealing::firstDealBuildsTheBoardAndShowsInformationOnce()
{
    Fixture f;
    f.game.FormCreate();
    QCOMPARE(f.view.tiles.size(), size_t(kElementCount));
    QCOMPARE(f.game.GameCount(), 1);
    QCOMPARE(f.game.HitTotal(), 0);
    QCOMPARE(f.game.CellsCounted(), 0);
    QVERIFY(!f.game.Corrected());
    QVERIFY(isPermutation(f.game));
    QVERIFY(tilesSitInTheirSlots(f));
    QCOMPARE(f.view.tiles.size(), std::size_t(kElementCount));
    for (int n = 1; n <= kElementCount; ++n) {
        QCOMPARE(f.view.panels[n].pos, board::cellCorner(n));
        QVERIFY(!f.view.panels[n].visible);
        QCOMPARE(f.view.shapes[n].pos, board::frameCorner(n));
        QVERIFY(!f.view.shapes[n].visible);
        QCOMPARE(f.view.shapes[n].pen, board::kWrongFrameColour);
        FakeTile &t = f.view.tile(n);
        QCOMPARE(t.numVista, n);
        QCOMPARE(t.bitmapSquare, n);
        QCOMPARE(t.width, 38);
        QCOMPARE(t.height, 38);
        QCOMPARE(t.columns, 1);
        QCOMPARE(t.rows, 1);
        QCOMPARE(t.interval, 100);
        QVERIFY(!t.reversePlay && t.enabled && t.visible && !t.accepted);
        QVERIFY(t.onMove && t.onUp);
    }
    f.view.tile(5).onMove(f.view.tile(5));
    f.view.tile(5).onUp(f.view.tile(5));
    QCOMPARE(f.handlers.moves, 2); // the release lights the cell under the tile again first
    QCOMPARE(f.handlers.ups, 1);
}

void TestDealing::newGameCountsGamesButNotScores()
{
    Fixture f;
    f.game.FormCreate();
    f.game.startNextGame();
    QCOMPARE(f.view.veces, 2);
    f.game.startNextGame();
    QCOMPARE(f.game.GameCount(), 3);
    QCOMPARE(f.view.veces, 3);
    QCOMPARE(f.game.HitTotal(), 0);
    QCOMPARE(f.game.CellsCounted(), 0);
    QCOMPARE(f.view.tiles.size(), size_t(kElementCount));
    QVERIFY(isPermutation(f.game));
    QVERIFY(tilesSitInTheirSlots(f));
    for (int n = 1; n <= kElementCount; ++n)
        QVERIFY(f.view.panels[n].visible);
}

void TestDealing::newGameAfterCorrectionRestoresHandlersFramesAndCells()
{
    Fixture f;
    f.game.FormCreate();
    f.view.tile(1).moveTo(board::cellCorner(1));
    f.view.tile(7).accepted = true;
    f.view.panels[12].colour = board::kLitCellColour; // the last drag's cell
    f.game.correct();
    QVERIFY(f.view.congratulation == false);
    f.view.congratulation = true; // as if earned earlier
    f.game.startNextGame();
    QVERIFY(!f.view.congratulation);
    QVERIFY(!f.game.Corrected());
    for (int n = 1; n <= kElementCount; ++n) {
        const FakeTile &t = f.view.tile(n);
        QVERIFY(t.onMove && t.onUp);
        QVERIFY(!t.accepted);
        QCOMPARE(t.interval, 100);
        QVERIFY(f.view.panels[n].visible);
        QCOMPARE(f.view.panels[n].colour, board::kEmptyCellColour);
        QVERIFY(!f.view.shapes[n].visible);
        QCOMPARE(f.view.shapes[n].pen, board::kWrongFrameColour);
    }
    QVERIFY(tilesSitInTheirSlots(f));
    QCOMPARE(f.game.CellsCounted(), 114);
}

void TestDealing::revealTickShowsCellsOnlyWhileNotCorrected()
{
    Fixture f;
    f.game.FormCreate();
    f.view.panels[3].colour = board::kLitCellColour;
    f.view.shapes[4].visible = true;
    f.game.revealCells();
    QVERIFY(!f.view.timer1Enabled);
    for (int n = 1; n <= kElementCount; ++n) {
        QVERIFY(f.view.panels[n].visible);
        QCOMPARE(f.view.panels[n].colour, board::kEmptyCellColour);
        QVERIFY(!f.view.shapes[n].visible);
    }

    Fixture corrected;
    corrected.game.FormCreate();
    corrected.game.correct();
    corrected.view.panels[9].colour = board::kLitCellColour;
    corrected.game.revealCells();
    for (int n = 1; n <= kElementCount; ++n) {
        QVERIFY(!corrected.view.panels[n].visible);
        QVERIFY(!corrected.view.shapes[n].visible); // the restore hides the verdict frames
    }
    QCOMPARE(corrected.view.panels[9].colour, board::kEmptyCellColour);
    QVERIFY(!corrected.view.timer1Enabled);
}

QTEST_APPLESS_MAIN(TestDealing)
#include "tst_dealing.moc"
