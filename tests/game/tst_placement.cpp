#include "game/elements.h"
#include "game/game.h"
#include "game/random.h"
#include "support/fakeboardview.h"
#include "game/pickup.h"
#include "game/placement.h"

#include <QTest>

using board::kElementCount;

namespace {
// A game dealt on a fake board whose tiles call the real placement handlers.
struct Fixture
{
    FakeBoardView view;
    Placement placement{view};
    Game game{view, placement};
    Pickup pickup{view, placement, game};

    Fixture()
    {
        game.FormCreate();
        game.revealCells();
    }

    FakeTile &tile(int n) { return view.tile(n); }

    // A tile reports a move before it moves, as the real tile does.
    void hover(int n) { tile(n).onMove(tile(n)); }
    void dragTo(int n, int left, int top)
    {
        hover(n);
        tile(n).left = left;
        tile(n).top = top;
    }
    void release(int n)
    {
        tile(n).accepted = false;
        tile(n).onUp(tile(n));
    }
    // The tile standing at a corner, or 0.
    int tileAt(board::Point corner)
    {
        for (int n = 1; n <= kElementCount; ++n)
            if (tile(n).left == corner.x && tile(n).top == corner.y)
                return n;
        return 0;
    }
    void keys(std::initializer_list<BoardKey::Kind> kinds)
    {
        for (BoardKey::Kind kind : kinds)
            QVERIFY(pickup.key({kind}));
    }
    // Stands tiles on cells as the rows say (see releaseOnACell).
    void setPosition(const QString &rows)
    {
        for (const QString &row : rows.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QStringList parts = QString(row).remove(QLatin1Char('+')).split(QLatin1Char('@'));
            FakeTile &t = tile(parts[0].toInt());
            t.moveTo(board::cellCorner(parts[1].toInt()));
            t.accepted = row.endsWith(QLatin1Char('+'));
        }
    }
    // The tiles that stand on cells, in the rows' notation, by tile number.
    QString position()
    {
        QStringList rows;
        for (int n = 1; n <= kElementCount; ++n)
            for (int c = 1; c <= kElementCount; ++c)
                if (board::cellCorner(c) == board::Point{tile(n).left, tile(n).top})
                    rows << QStringLiteral("%1@%2%3").arg(n).arg(c).arg(tile(n).accepted ? "+" : "");
        return rows.join(QLatin1Char(' '));
    }
    int litCells() const
    {
        int lit = 0;
        for (int c = 1; c <= kElementCount; ++c)
            lit += view.panels[c].colour == board::kLitCellColour ? 1 : 0;
        return lit;
    }
};

using K = BoardKey::Kind;

// A dealt board with the keyboard focus on it, whose type-ahead pause is 50 ms.
struct Typing
{
    FakeBoardView view;
    Placement placement{view};
    Game game{view, placement};
    Pickup pickup{view, placement, game, 50};

    Typing()
    {
        game.FormCreate();
        pickup.enterBoard();
    }
};

// A key that types the letters, pressed at that time.
BoardKey letter(std::u32string_view letters, std::int64_t atMs = 0)
{
    return {K::Letter, std::u32string(letters), false, atMs};
}

// The corner that puts a 38 x 38 tile's centre on (x, y).
board::Point cornerForCentre(int x, int y)
{
    return {x - 19, y - 19};
}
} // namespace

class TestPlacement : public QObject
{
    Q_OBJECT

private slots:
    void hoverLightsTheCellUnderTheCentreAndStopsAllTimers();
    void centreOnAnEdgeLineLightsNothing_data();
    void centreOnAnEdgeLineLightsNothing();
    void releaseOnTheLitCellPlacesAndUncoversTheTile();
    void litCellLagsOneMoveBehindUntilTheRelease();
    void releaseOnACell_data();
    void releaseOnACell();
    void releaseWithNoCandidateLeavesTheTileAlone();
    void bareWindowMoveSendsEveryUnacceptedTileDrifting();
    void afterCorrectionHoverChangesNothing();
    void hoverOnTheSameCellDoesNotRepaintIt();
    void clickHidesABlankCell();
    void keyboardWalkPlacesATileAsARelease();
    void escapePutsThePickedTileBackUntouched();
    void keyboardDropsOntoAnOccupiedCellAndSendsTheOwnerHome();
    void tapsPickUpAndAPressOnAnyCellDropsThere();
    void typingASymbolFocusesItsTile_data();
    void typingASymbolFocusesItsTile();
    void aPauseOrAnArrowStartsANewSearch();
    void aNumberTypedWhileATileIsHeldChoosesThatCell();
};

void TestPlacement::hoverLightsTheCellUnderTheCentreAndStopsAllTimers()
{
    Fixture f;
    const board::Point c = board::cellCorner(26);
    f.tile(3).moveTo({c.x + 5, c.y + 5}); // centre at +24,+24: inside cell 26
    f.view.shapes[40].visible = true;
    f.hover(3);
    QCOMPARE(f.placement.CandidateCell(), 26);
    QCOMPARE(f.view.panels[26].colour, board::kLitCellColour);
    QCOMPARE(f.litCells(), 1);
    QVERIFY(!f.view.shapes[40].visible);
    QCOMPARE(f.view.readoutX, c.x + 24);
    QCOMPARE(f.view.readoutY, c.y + 24);
    QCOMPARE(f.view.readoutCandidate, 26);
    for (int i = 1; i <= kElementCount; ++i)
        QCOMPARE(f.tile(i).interval, 0);
}

void TestPlacement::centreOnAnEdgeLineLightsNothing_data()
{
    QTest::addColumn<int>("cx");
    QTest::addColumn<int>("cy");
    const board::Point c = board::cellCorner(4);
    QTest::newRow("left edge") << c.x << c.y + 20;
    QTest::newRow("right edge") << c.x + 40 << c.y + 20;
    QTest::newRow("top edge") << c.x + 20 << c.y;
    QTest::newRow("bottom edge") << c.x + 20 << c.y + 40;
}

void TestPlacement::centreOnAnEdgeLineLightsNothing()
{
    QFETCH(int, cx);
    QFETCH(int, cy);
    Fixture f;
    f.tile(4).moveTo(cornerForCentre(cx, cy));
    f.hover(4);
    QCOMPARE(f.placement.CandidateCell(), 0);
    QCOMPARE(f.litCells(), 0);
    f.release(4);
    QVERIFY(!f.tile(4).accepted);
    QVERIFY(f.view.panels[4].visible);
    QCOMPARE(f.tile(4).interval, 10); // partly under the blank cells, never left there hidden
}

void TestPlacement::releaseOnTheLitCellPlacesAndUncoversTheTile()
{
    Fixture f;
    const board::Point c = board::cellCorner(8);
    f.dragTo(8, c.x + 3, c.y - 4); // the first move reports the tray position
    f.dragTo(8, c.x + 4, c.y - 3); // now the lit cell is 8
    QCOMPARE(f.placement.CandidateCell(), 8);
    f.release(8);
    QCOMPARE((board::Point{f.tile(8).left, f.tile(8).top}), c);
    QVERIFY(f.tile(8).accepted);
    QVERIFY(!f.view.panels[8].visible);
    QCOMPARE(f.tile(8).interval, 0);
    QVERIFY(f.tile(8).repaints > 0);
    // The pointer then crosses the bare window: the placed tile stays put.
    f.placement.FormMouseMove(300, 590);
    QCOMPARE(f.tile(8).interval, 0);
    QCOMPARE(f.tile(9).interval, 10);
}

void TestPlacement::litCellLagsOneMoveBehindUntilTheRelease()
{
    Fixture f;
    const board::Point c = board::cellCorner(30);
    f.tile(12).moveTo({c.x + 2, c.y + 2});
    f.hover(12);
    QCOMPARE(f.placement.CandidateCell(), 30);
    // A last fast move carries the centre onto cell 31; the candidate still names 30...
    f.dragTo(12, c.x + 42, c.y + 2);
    QCOMPARE(f.placement.CandidateCell(), 30);
    // ...until the release, judged where the tile is let go: it lands on 31, whose own tile
    // is sent home, and 30 stays as it was.
    f.release(12);
    QVERIFY(f.tile(12).accepted);
    QCOMPARE((board::Point{f.tile(12).left, f.tile(12).top}), board::cellCorner(31));
    QVERIFY(f.view.panels[30].visible && !f.view.panels[31].visible);
    QCOMPARE(f.litCells(), 1);
    QCOMPARE(f.tile(31).interval, 10);
    QCOMPARE(f.tile(30).interval, 0);
}

// Positions are written as short rows: "50@8" is tile 50 standing on cell 8, "50@8+" that
// it was placed there (accepted); tiles in the tray are left out.
void TestPlacement::releaseOnACell_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("dropped");
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QList<int>>("sentHome"); // tiles whose timers now run

    QTest::newRow("own cell") << "" << 8 << 8 << "8@8+" << QList<int>{};
    QTest::newRow("wrong cell: its owner goes home") << "" << 50 << 8 << "50@8+" << QList<int>{8};
    QTest::newRow("a cell taken") << "20@20+" << 21 << 20 << "20@20+ 21@20+" << QList<int>{};
    QTest::newRow("owner placed elsewhere stays") << "8@9+" << 50 << 8 << "8@9+ 50@8+"
                                                   << QList<int>{};
    QTest::newRow("owner on its cell, not placed") << "8@8" << 50 << 8 << "8@8 50@8+"
                                                    << QList<int>{8};
}

void TestPlacement::releaseOnACell()
{
    QFETCH(QString, before);
    QFETCH(int, dropped);
    QFETCH(int, cell);
    QFETCH(QString, after);
    QFETCH(QList<int>, sentHome);
    Fixture f;
    f.setPosition(before);
    const board::Point c = board::cellCorner(cell);
    f.tile(dropped).moveTo({c.x + 2, c.y + 2});
    f.hover(dropped);
    f.release(dropped);
    QCOMPARE(f.position(), after);
    QList<int> running;
    for (int n = 1; n <= kElementCount; ++n)
        if (f.tile(n).interval != 0)
            running << n;
    QCOMPARE(running, sentHome);
}

void TestPlacement::releaseWithNoCandidateLeavesTheTileAlone()
{
    Fixture f;
    f.hover(1); // tiles start in the tray: no cell under any of them
    QCOMPARE(f.placement.CandidateCell(), 0);
    f.tile(1).accepted = true;
    f.tile(1).onUp(f.tile(1));
    QVERIFY(f.tile(1).accepted); // the handler did not touch it
    QCOMPARE(f.tile(1).interval, 0);
}

void TestPlacement::bareWindowMoveSendsEveryUnacceptedTileDrifting()
{
    Fixture f;
    f.hover(1);
    f.tile(2).accepted = true;
    f.placement.FormMouseMove(400, 30);
    QCOMPARE(f.view.readoutX, 400);
    QCOMPARE(f.view.readoutY, 30);
    QCOMPARE(f.placement.TileCentreX(), 400);
    for (int i = 1; i <= kElementCount; ++i)
        QCOMPARE(f.tile(i).interval, i == 2 ? 0 : 10);

    // A pointer that comes in with no move sends tiles on their way only when one strays:
    // tiles resting where they go keep their pace.
    Fixture resting;
    resting.hover(1);
    resting.placement.FormMouseEnter(400, 30);
    QCOMPARE(resting.tile(7).interval, 0);
    resting.tile(7).moveTo(board::cellCorner(40));
    resting.placement.FormMouseEnter(400, 30);
    QCOMPARE(resting.tile(7).interval, 10);
    QCOMPARE(resting.tile(8).interval, 10);
}

void TestPlacement::afterCorrectionHoverChangesNothing()
{
    Fixture f;
    const board::Point c = board::cellCorner(5);
    f.tile(5).moveTo({c.x + 1, c.y + 1});
    f.hover(5);
    f.game.correct();
    for (int i = 1; i <= kElementCount; ++i)
        QVERIFY2(!f.tile(i).onMove, "moves over tiles no longer light cells or stop timers");
    // The candidate of the last hover still drives a release after the correction.
    f.release(5);
    QVERIFY(f.tile(5).accepted);
    QCOMPARE((board::Point{f.tile(5).left, f.tile(5).top}), c);
}

// Hovering over the same cell again writes no colour changes: only cells whose colour
// really changes are touched.
void TestPlacement::hoverOnTheSameCellDoesNotRepaintIt()
{
    Fixture f;
    const board::Point c = board::cellCorner(40);
    f.tile(6).moveTo({c.x + 5, c.y + 5});
    f.hover(6);
    const int changes = f.view.panels[40].colourChanges;
    f.hover(6);
    f.hover(6);
    QCOMPARE(f.view.panels[40].colourChanges, changes);
    f.tile(6).moveTo({c.x + 45, c.y + 5});
    f.hover(6);
    QCOMPARE(f.view.panels[40].colour, board::kEmptyCellColour);
    QCOMPARE(f.view.panels[41].colour, board::kLitCellColour);
    QCOMPARE(f.litCells(), 1);
}

void TestPlacement::clickHidesABlankCell()
{
    Fixture f;
    QVERIFY(f.view.panels[77].visible);
    f.placement.Panel1Click(77);
    QVERIFY(!f.view.panels[77].visible);
}

// The board's keys as a pupil uses them: the focus starts on the tray's top-left tile, moves
// by arrows and by typing a symbol, Enter picks the tile up, the arrows carry the target
// across the table's gaps, and Enter puts it down as a release there would.
void TestPlacement::keyboardWalkPlacesATileAsARelease()
{
    Fixture f;
    f.pickup.enterBoard();
    const int first = f.tileAt(board::traySlot(1));
    QCOMPARE(f.pickup.focusedTile(), first);
    QVERIFY(f.tile(first).focusMark);
    f.keys({K::Left}); // nothing left of the tray's first column: the focus stays, and says so
    QCOMPARE(f.pickup.focusedTile(), first);
    QCOMPARE(f.view.announced.last(), QStringLiteral("no tile -1,0"));
    f.keys({K::Right});
    QCOMPARE(f.pickup.focusedTile(), f.tileAt(board::traySlot(6))); // slots run down columns
    QVERIFY(!f.tile(first).focusMark);
    QVERIFY(f.pickup.key(letter(U"F")));
    QVERIFY(f.pickup.key(letter(U"e")));
    QCOMPARE(f.pickup.focusedTile(), 26);
    QCOMPARE(f.view.announced.last(), QStringLiteral("tile 26"));
    f.keys({K::End});
    QCOMPARE(f.pickup.focusedTile(), f.tileAt(board::traySlot(114)));
    f.keys({K::Home});
    QCOMPARE(f.pickup.focusedTile(), first);
    QVERIFY(f.pickup.key(letter(U"F")));
    QVERIFY(f.pickup.key(letter(U"e")));

    f.tile(26).interval = 100;
    f.keys({K::Drop});
    QCOMPARE(f.pickup.pickedTile(), 26);
    QCOMPARE(f.tile(26).interval, 0);
    QCOMPARE(f.pickup.targetCell(), 1);
    QCOMPARE(f.view.panels[1].colour, board::kLitCellColour);
    QCOMPARE(f.litCells(), 1);
    f.keys({K::Up}); // above hydrogen lies no cell
    QCOMPARE(f.pickup.targetCell(), 1);
    QCOMPARE(f.view.announced.last(), QStringLiteral("no cell 0,-1"));
    // Hydrogen down group 1 to potassium, then along period 4 to iron.
    f.keys({K::Down, K::Down, K::Down});
    QCOMPARE(f.pickup.targetCell(), 19);
    for (int i = 0; i < 7; ++i)
        f.keys({K::Right});
    QCOMPARE(f.pickup.targetCell(), 26);
    QCOMPARE(f.litCells(), 1);
    QCOMPARE(f.view.announced.last(), QStringLiteral("cell 26"));
    const board::Point at{f.tile(26).left, f.tile(26).top};
    f.keys({K::Drop});
    QCOMPARE(f.pickup.pickedTile(), 0);
    QCOMPARE(f.tile(26).left, board::cellCorner(26).x);
    QCOMPARE(f.tile(26).top, board::cellCorner(26).y);
    QVERIFY(f.tile(26).accepted);
    QVERIFY(!f.view.panels[26].visible);
    QCOMPARE(f.placement.CandidateCell(), 26);
    QCOMPARE(f.tile(26).interval, 0); // placed tiles rest
    QVERIFY(f.view.announced.contains(QStringLiteral("placed 26 on 26")));
    // The focus is back on the tray's top-left tile, the next one down if that was iron.
    const int topLeft = f.tileAt(board::traySlot(1));
    QCOMPARE(f.pickup.focusedTile(), topLeft ? topLeft : f.tileAt(board::traySlot(6)));
    QVERIFY(at != (board::Point{f.tile(26).left, f.tile(26).top}));
    QVERIFY(!f.tile(26).focusMark);
    // The next pick-up starts on the last target.
    f.keys({K::Drop});
    QCOMPARE(f.pickup.targetCell(), 26);
}

void TestPlacement::escapePutsThePickedTileBackUntouched()
{
    Fixture f;
    f.pickup.enterBoard();
    const int n = f.pickup.focusedTile();
    f.tile(n).interval = 10;
    const board::Point at{f.tile(n).left, f.tile(n).top};
    f.keys({K::Drop, K::Right, K::Escape});
    QCOMPARE(f.pickup.pickedTile(), 0);
    QCOMPARE((board::Point{f.tile(n).left, f.tile(n).top}), at);
    QCOMPARE(f.tile(n).interval, 10);
    QVERIFY(!f.tile(n).accepted);
    QCOMPARE(f.litCells(), 0);
    QCOMPARE(f.pickup.focusedTile(), n);
    // Escape with nothing picked up is not the board's key.
    QVERIFY(!f.pickup.key({K::Escape}));
    // Leaving the board puts a picked tile back and hides the ring.
    f.keys({K::Drop});
    f.pickup.leaveBoard();
    QCOMPARE(f.pickup.pickedTile(), 0);
    QCOMPARE(f.pickup.focusedTile(), 0);
    QVERIFY(!f.tile(n).focusMark);
}

void TestPlacement::keyboardDropsOntoAnOccupiedCellAndSendsTheOwnerHome()
{
    Fixture f;
    f.pickup.enterBoard();
    // Carbon on its own cell first, then nitrogen onto the same cell. Typed letters that
    // spell no symbol together start afresh: "C" then "N" finds N.
    for (int element : {6, 7}) {
        QVERIFY(f.pickup.key(letter(element == 6 ? U"C" : U"N")));
        QCOMPARE(f.pickup.focusedTile(), element);
        f.keys({K::Drop});
        if (element == 6) // from hydrogen: down to lithium, then along period 2
            f.keys({K::Down, K::Right, K::Right, K::Right});
        QCOMPARE(f.pickup.targetCell(), 6);
        f.keys({K::Drop});
    }
    QVERIFY(f.tile(6).accepted && f.tile(7).accepted);
    QCOMPARE(f.tile(7).left, f.tile(6).left);
    QCOMPARE(f.tile(7).top, f.tile(6).top);
    QCOMPARE(f.tile(6).interval, 0); // the owner is placed: not sent home
    // A wrong tile on an empty cell sends that cell's owner drifting, wherever it is.
    QVERIFY(f.pickup.key(letter(U"O")));
    f.keys({K::Drop, K::Right});
    QCOMPARE(f.pickup.targetCell(), 7);
    f.tile(7).accepted = false;
    f.tile(7).interval = 0;
    f.keys({K::Drop});
    QCOMPARE(f.tile(7).interval, 10);
}

// A tap picks a tile up with no target: nothing lights until a cell is clicked. A press
// anywhere on a cell, its blank cell hidden or a tile standing there, then drops it there; a
// point on no cell (the tray, an edge line between cells) is left to the press's own meaning.
// A tap on the picked tile, or a press that starts a drag of another, puts it back.
void TestPlacement::tapsPickUpAndAPressOnAnyCellDropsThere()
{
    Fixture f;
    const auto centreOf = [](int cell) {
        return board::Point{board::cellCorner(cell).x + 20, board::cellCorner(cell).y + 20};
    };
    QVERIFY(!f.pickup.pressAt(centreOf(5))); // nothing picked up: the press's own meaning
    f.pickup.tilePressed(5);
    f.pickup.tileTapped(5);
    QCOMPARE(f.pickup.pickedTile(), 5);
    QVERIFY(f.tile(5).focusMark);
    QCOMPARE(f.pickup.targetCell(), 0);
    QCOMPARE(f.litCells(), 0);
    QCOMPARE(f.view.target, 0);
    f.pickup.tilePressed(5);
    f.pickup.tileTapped(5);
    QCOMPARE(f.pickup.pickedTile(), 0);
    QVERIFY(!f.tile(5).focusMark);
    f.pickup.tilePressed(5);
    f.pickup.tileTapped(5);
    f.pickup.tilePressed(9); // a drag of fluorine begins
    QCOMPARE(f.pickup.pickedTile(), 0);

    // Boron onto its hidden cell, then carbon onto the same cell, now taken.
    f.view.panels[5].visible = false;
    for (int n : {5, 6}) {
        f.pickup.tilePressed(n);
        f.pickup.tileTapped(n);
        // Left of the cell's blank square nothing takes it; the square's own first column and
        // top row do, as its centre does.
        QVERIFY(!f.pickup.pressAt({board::cellCorner(5).x - 1, board::cellCorner(5).y + 20}));
        QCOMPARE(f.pickup.pickedTile(), n);
        QVERIFY(f.pickup.pressAt(n == 5 ? board::cellCorner(5) : centreOf(5)));
        QCOMPARE(f.pickup.pickedTile(), 0);
        QCOMPARE(f.tile(n).left, board::cellCorner(5).x);
        QCOMPARE(f.tile(n).top, board::cellCorner(5).y);
        QVERIFY(f.tile(n).accepted);
        // The gesture leaves no lit cell and no mark behind.
        QCOMPARE(f.litCells(), 0);
        QCOMPARE(f.view.target, 0);
        QVERIFY(!f.tile(n).focusMark);
    }
    QVERIFY(!f.view.panels[5].visible);
    QCOMPARE(f.pickup.focusedTile(), 0); // the keyboard was never on the board
    // A press in the tray is no drop.
    f.pickup.tilePressed(7);
    f.pickup.tileTapped(7);
    QVERIFY(!f.pickup.pressAt(board::traySlot(1)));
    QCOMPARE(f.pickup.pickedTile(), 7);
    // Picked up by a click, the keys aim from the last target and show it first.
    f.pickup.enterBoard();
    f.keys({K::Right});
    QCOMPARE(f.pickup.targetCell(), 5);
    QCOMPARE(f.view.target, 5);
    f.keys({K::Right, K::Drop});
    QCOMPARE(f.tile(7).left, board::cellCorner(6).x);
    QCOMPARE(f.litCells(), 0);
}

// Type-ahead finds the symbol typed, exact before longer ones, whatever had the focus.
void TestPlacement::typingASymbolFocusesItsTile_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("element");
    for (int n = 1; n <= kElementCount; ++n) {
        const std::string_view symbol = elements::kTable[n - 1].symbol;
        if (symbol.size() == 1)
            QTest::newRow(symbol.data()) << QString::fromLatin1(symbol.data(), 1) << n;
    }
    QTest::newRow("two letters") << QStringLiteral("Be") << 4;
    QTest::newRow("lower case") << QStringLiteral("si") << 14;
    QTest::newRow("placeholder") << QStringLiteral("Uuu") << 111;
    QTest::newRow("longer, not exact") << QStringLiteral("Uu") << 110;
    QTest::newRow("same letter again") << QStringLiteral("SS") << 21;   // S, then Sc
    QTest::newRow("and again") << QStringLiteral("sss") << 34;          // then Se
    QTest::newRow("round again") << QStringLiteral("WW") << 74;         // W is the only one
    QTest::newRow("new symbol") << QStringLiteral("CN") << 7;           // "CN" spells nothing
}

void TestPlacement::typingASymbolFocusesItsTile()
{
    QFETCH(QString, typed);
    QFETCH(int, element);
    Fixture f;
    f.pickup.enterBoard();
    for (char32_t c : typed.toStdU32String())
        f.pickup.key(letter(std::u32string_view(&c, 1)));
    QCOMPARE(f.pickup.focusedTile(), element);
}

// Another letter after the platform's pause starts a new search, and so does an arrow key;
// the same letter again goes on to the next symbol however long the pause. A key held with
// Alt or Ctrl is not the board's and leaves the search alone; a letter that starts no
// symbol is said so.
void TestPlacement::aPauseOrAnArrowStartsANewSearch()
{
    Typing t;
    FakeBoardView &view = t.view;
    Pickup &pickup = t.pickup;
    pickup.key(letter(U"S", 1000));
    pickup.key(letter(U"S", 1050)); // just within the pause: on to Sc
    QCOMPARE(pickup.focusedTile(), 21);
    pickup.key(letter(U"s", 5000));
    QCOMPARE(pickup.focusedTile(), 34); // on to Se, not S afresh
    pickup.key(letter(U"C", 5100));
    QCOMPARE(pickup.focusedTile(), 6); // another letter: C afresh
    QVERIFY(!pickup.key({K::Other, U"a", true, 5110}));
    pickup.key(letter(U"a", 5120));
    QCOMPARE(pickup.focusedTile(), 20);
    pickup.key({K::Left});
    pickup.key(letter(U"B", 5130));
    QCOMPARE(pickup.focusedTile(), 5);
    pickup.key(letter(U"j", 5200));
    pickup.key(letter(U"j", 9000));
    QCOMPARE(pickup.focusedTile(), 5);
    QCOMPARE(view.announced.mid(view.announced.size() - 2),
             (QStringList{QStringLiteral("no symbol j"), QStringLiteral("no symbol j")}));
}

// While a tile is picked up, the cell numbers a reader hears take the target there, digit by
// digit; a digit after the pause starts a new number.
void TestPlacement::aNumberTypedWhileATileIsHeldChoosesThatCell()
{
    Typing t;
    QVERIFY(!t.pickup.key({K::Digit, U"2", false, 100})); // no tile held: not the board's key
    t.pickup.key({K::Drop});
    const std::pair<char32_t, int> typed[] = {{U'2', 1000}, {U'6', 1040}, {U'1', 2000},
                                              {U'1', 2010}, {U'5', 2020}};
    for (const auto &[digit, at] : typed) {
        QVERIFY(t.pickup.key({K::Digit, std::u32string(1, digit), false, at}));
        if (at == 1040)
            QCOMPARE(t.pickup.targetCell(), 26);
    }
    QCOMPARE(t.pickup.targetCell(), 11); // 115 is past the table
    QCOMPARE(t.view.announced.last(), QStringLiteral("no cell 115"));
}

QTEST_APPLESS_MAIN(TestPlacement)
#include "tst_placement.moc"
