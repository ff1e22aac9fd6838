#include "game/board.h"

#include <QTest>

using namespace board;

class TestBoard : public QObject
{
    Q_OBJECT

private slots:
    void cellCornersMatchTheTable_data();
    void cellCornersMatchTheTable();
    void everyCellFollowsGroupAndPeriodRule();
    void centreOfEveryCellLiesOnThatCellOnly();
    void edgeLinesBelongToNoCell_data();
    void edgeLinesBelongToNoCell();
    void traySlotsRunDownEachColumn_data();
    void traySlotsRunDownEachColumn();
    void noCellOrSlotOverlapsAnother();
    void arrowsStepToTheNearestCellThatWay_data();
    void arrowsStepToTheNearestCellThatWay();
    void boardAndTraysStayInsideTheirBands();
};

void TestBoard::cellCornersMatchTheTable_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::newRow("hydrogen") << 1 << 10 << 40;
    QTest::newRow("helium") << 2 << 690 << 40;
    QTest::newRow("beryllium") << 4 << 50 << 80;
    QTest::newRow("boron") << 5 << 490 << 80;
    QTest::newRow("neon") << 10 << 690 << 80;
    QTest::newRow("aluminium") << 13 << 490 << 120;
    QTest::newRow("potassium") << 19 << 10 << 160;
    QTest::newRow("krypton") << 36 << 690 << 160;
    QTest::newRow("xenon") << 54 << 690 << 200;
    QTest::newRow("lanthanum") << 57 << 90 << 240;
    QTest::newRow("cerium") << 58 << 130 << 320;
    QTest::newRow("lutetium") << 71 << 650 << 320;
    QTest::newRow("hafnium") << 72 << 130 << 240;
    QTest::newRow("radon") << 86 << 690 << 240;
    QTest::newRow("actinium") << 89 << 90 << 280;
    QTest::newRow("thorium") << 90 << 170 << 360;
    QTest::newRow("lawrencium") << 103 << 690 << 360;
    QTest::newRow("rutherfordium") << 104 << 130 << 280;
    QTest::newRow("element 114") << 114 << 530 << 280;
    QTest::newRow("today's moscovium") << 115 << 570 << 280;
    QTest::newRow("today's oganesson") << 118 << 690 << 280;
}

void TestBoard::cellCornersMatchTheTable()
{
    QFETCH(int, n);
    QFETCH(int, left);
    QFETCH(int, top);
    QCOMPARE(cellCorner(n), (Point{left, top}));
    QCOMPARE(frameCorner(n), (Point{left - 1, top - 1}));
}

// The main body follows Left = 10 + 40 (group - 1), Top = 40 period; the two separate
// rows start at different columns.
void TestBoard::everyCellFollowsGroupAndPeriodRule()
{
    struct Range
    {
        int first, last, group, period;
    };
    const Range body[] = {{1, 1, 1, 1},   {2, 2, 18, 1},   {3, 4, 1, 2},   {5, 10, 13, 2},
                          {11, 12, 1, 3}, {13, 18, 13, 3}, {19, 36, 1, 4}, {37, 54, 1, 5},
                          {55, 57, 1, 6}, {72, 86, 4, 6},  {87, 89, 1, 7}, {104, 118, 4, 7}};
    int counted = 0;
    for (const Range &r : body)
        for (int n = r.first; n <= r.last; ++n, ++counted) {
            QCOMPARE(cellCorner(n), (Point{10 + 40 * (r.group + n - r.first - 1), 40 * r.period}));
            QCOMPARE(period(n), r.period);
            QCOMPARE(group(n), r.group + n - r.first);
        }
    for (int n = 58; n <= 71; ++n, ++counted) {
        QCOMPARE(cellCorner(n), (Point{130 + 40 * (n - 58), 320}));
        QCOMPARE(period(n), 6);
        QCOMPARE(group(n), 0);
    }
    for (int n = 90; n <= 103; ++n, ++counted) {
        QCOMPARE(cellCorner(n), (Point{170 + 40 * (n - 90), 360}));
        QCOMPARE(period(n), 7);
        QCOMPARE(group(n), 0);
    }
    QCOMPARE(counted, kMaxElementCount);
}

// Today's four last cells are cells of today's table only.
void TestBoard::centreOfEveryCellLiesOnThatCellOnly()
{
    for (int n = 1; n <= kMaxElementCount; ++n) {
        const Point c = cellCorner(n);
        QCOMPARE(cellAt(c.x + 20, c.y + 20, kMaxElementCount), n);
        QCOMPARE(cellAt(c.x + 1, c.y + 1, kMaxElementCount), n);
        QCOMPARE(cellAt(c.x + 39, c.y + 39, kMaxElementCount), n);
        QCOMPARE(cellAt(c.x + 20, c.y + 20), n <= kElementCount ? n : 0);
    }
    QVERIFY(cellInDirection(114, 1, 0) <= kElementCount);
    QCOMPARE(cellInDirection(114, 1, 0, kMaxElementCount), 115);
    QCOMPARE(cellInDirection(103, 0, -1, kMaxElementCount), 118);
}

void TestBoard::edgeLinesBelongToNoCell_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::newRow("line between lithium and beryllium") << 50 << 100;
    QTest::newRow("left edge of hydrogen") << 10 << 60;
    QTest::newRow("top edge of hydrogen") << 30 << 40;
    QTest::newRow("right edge of helium") << 730 << 60;
    QTest::newRow("bottom edge of the actinide row") << 200 << 400;
    QTest::newRow("corner shared by four cells") << 50 << 200;
    QTest::newRow("gap above boron") << 500 << 60;
    QTest::newRow("tray") << 20 << 430;
}

void TestBoard::edgeLinesBelongToNoCell()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QCOMPARE(cellAt(x, y), 0);
}

void TestBoard::traySlotsRunDownEachColumn_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::newRow("first") << 1 << 0 << 410;
    QTest::newRow("bottom of first column") << 5 << 0 << 570;
    QTest::newRow("top of second column") << 6 << 40 << 410;
    QTest::newRow("last of lower block") << 100 << 760 << 570;
    QTest::newRow("first of right block") << 101 << 730 << 80;
    QTest::newRow("bottom of right block's first column") << 107 << 730 << 320;
    QTest::newRow("top of right block's second column") << 108 << 770 << 80;
    QTest::newRow("last") << 114 << 770 << 320;
    QTest::newRow("today's, left of the actinides' label") << 115 << 0 << 360;
    QTest::newRow("today's, right of lawrencium") << 117 << 730 << 360;
    QTest::newRow("today's last") << 118 << 770 << 360;
}

void TestBoard::traySlotsRunDownEachColumn()
{
    QFETCH(int, slot);
    QFETCH(int, x);
    QFETCH(int, y);
    QCOMPARE(traySlot(slot), (Point{x, y}));
}

void TestBoard::noCellOrSlotOverlapsAnother()
{
    auto overlap = [](Point a, Point b) {
        return a.x < b.x + kCellSize && b.x < a.x + kCellSize && a.y < b.y + kCellSize &&
               b.y < a.y + kCellSize;
    };
    for (int a = 1; a <= kMaxElementCount; ++a) {
        for (int b = a + 1; b <= kMaxElementCount; ++b) {
            QVERIFY2(!overlap(cellCorner(a), cellCorner(b)),
                     qPrintable(QString("cells %1, %2").arg(a).arg(b)));
            QVERIFY2(!overlap(traySlot(a), traySlot(b)),
                     qPrintable(QString("slots %1, %2").arg(a).arg(b)));
        }
        for (int s = 1; s <= kMaxElementCount; ++s)
            QVERIFY2(!overlap(cellCorner(a), traySlot(s)),
                     qPrintable(QString("cell %1, slot %2").arg(a).arg(s)));
    }
}

void TestBoard::boardAndTraysStayInsideTheirBands()
{
    for (int n = 1; n <= kElementCount; ++n) {
        const Point c = cellCorner(n);
        QVERIFY(c.x >= 10 && c.x + kCellSize - 1 <= 729);
        QVERIFY(c.y >= 40 && c.y + kCellSize - 1 <= 399);
        const Point s = traySlot(n);
        if (n <= 100)
            QVERIFY(s.y >= 410 && s.y + kCellSize - 1 <= 609);
        else
            QVERIFY(s.x >= 730 && s.x + kCellSize - 1 <= 809 && s.y >= 80 &&
                    s.y + kCellSize - 1 <= 359);
    }
}

void TestBoard::arrowsStepToTheNearestCellThatWay_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::addColumn<int>("to");
    QTest::newRow("along a row") << 6 << 1 << 0 << 7;
    QTest::newRow("across the gap of period 1") << 1 << 1 << 0 << 2;
    QTest::newRow("back across it") << 2 << -1 << 0 << 1;
    QTest::newRow("across the gap of period 2") << 4 << 1 << 0 << 5;
    QTest::newRow("down a group") << 1 << 0 << 1 << 3;
    QTest::newRow("up into the gap's edge") << 5 << 0 << -1 << 2;
    QTest::newRow("down from group 4 into the lanthanides") << 104 << 0 << 1 << 58;
    QTest::newRow("down from group 1, the series being to the right") << 87 << 0 << 1 << 58;
    QTest::newRow("lanthanides to the actinide below") << 60 << 0 << 1 << 91;
    QTest::newRow("up from the lanthanides into period 7") << 58 << 0 << -1 << 104;
    QTest::newRow("the table's left edge") << 19 << -1 << 0 << 19;
    QTest::newRow("the top edge") << 1 << 0 << -1 << 1;
    QTest::newRow("the bottom edge") << 103 << 0 << 1 << 103;
}

void TestBoard::arrowsStepToTheNearestCellThatWay()
{
    QFETCH(int, from);
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(int, to);
    QCOMPARE(cellInDirection(from, dx, dy), to);
}

QTEST_APPLESS_MAIN(TestBoard)
#include "tst_board.moc"
