// Pointer events go through the window, as a real pointer's do: the pressed widget gets the
// implicit grab and unaccepted events travel on to the parent.
#define QTEST_QPA_MOUSE_HANDLING

#include "game/random.h"
#include "tiles/animatedcorvalia.h"

#include <QAbstractEventDispatcher>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <climits>
#include <vector>

using namespace corvalia;

namespace {

// One distinct colour per picture, numbered row by row.
constexpr QRgb kPictureColours[] = {0xffcc0000, 0xff00aa00, 0xff0000dd, 0xffeeee00};

// A grid of columns x rows pictures of side x side pixels, each filled with its colour.
QImage pictureGrid(int columns, int rows, int side)
{
    QImage image(columns * side, rows * side, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int i = 0; i < columns * rows; ++i)
        painter.fillRect((i % columns) * side, (i / columns) * side, side, side,
                         QColor::fromRgb(kPictureColours[i % std::size(kPictureColours)]));
    return image;
}

// The picture the tile draws, found by the colour at its centre; -1 for none of them.
int shownPicture(TAnimatedCorvalia &tile)
{
    const QImage drawn = tile.grab().toImage();
    const QRgb centre = drawn.pixel(drawn.width() / 2, drawn.height() / 2);
    for (int i = 0; i < int(std::size(kPictureColours)); ++i)
        if (kPictureColours[i] == centre)
            return i;
    return -1;
}

// The first seed whose next draw for a drift step is the given step.
std::uint32_t seedGivingStepX(int step)
{
    for (std::uint32_t seed = 1;; ++seed) {
        Random::shared().seed(seed);
        if (int(Random::shared().below(kStepRange)) + kMinStep == step)
            return seed;
    }
}

// The main window's stand-in: counts the pointer moves that reach it.
class Surface : public QWidget
{
public:
    Surface()
    {
        setMouseTracking(true);
        setFixedSize(812, 606);
    }
    int moves = 0;

protected:
    void mouseMoveEvent(QMouseEvent *) override { ++moves; }
};

// A tile of 1 x rows pictures of 38 px, painted once, at (100, 100) on a surface.
struct Scene
{
    Surface surface;
    TAnimatedCorvalia *tile = new TAnimatedCorvalia(&surface);

    explicit Scene(int rows = 1)
    {
        tile->setRows(rows);
        tile->setBitmap(pictureGrid(1, rows, 38));
        tile->setActivePicture(0);
        tile->setLeft(100);
        tile->setTop(100);
    }
    bool show()
    {
        surface.show();
        return QTest::qWaitForWindowExposed(&surface);
    }
};

// Counts the paints a widget receives.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

class TestAnimatedCorvalia : public QObject
{
    Q_OBJECT

private slots:
    void init() { Random::shared().seed(1); }

    void scaledDivideTruncatesTowardZero_data();
    void scaledDivideTruncatesTowardZero();
    void selectPictureCutsTheGrid_data();
    void selectPictureCutsTheGrid();
    void nextPictureStepsWithoutFolding_data();
    void nextPictureStepsWithoutFolding();
    void driftAxisSnapsStepsAndTakesBackAnOvershoot_data();
    void driftAxisSnapsStepsAndTakesBackAnOvershoot();

    void newTileIsAHundredPixelSquareWithItsTimerOff();
    void firstPaintSizesTheTileToOnePicture();
    void rewritingTheIntervalDoesNotRestartTheTimer();
    void timerTicksCarryTheTileToItsDestinyAndKeepTicking();
    void ticksStepThroughThePictures_data();
    void ticksStepThroughThePictures();
    void emptyBitmapCountsOnAndWrapsAt16Bits();
    void zeroColumnsOrRowsDrawNothing();
    void writtenBitmapIsACopy();
    void bitmapOfTheTileSizeMarksItOpaque();
    void writtenSetWidthIsUndoneByTheImmediatePaint();

    void tickDrawsTheHorizontalStepFirst();
    void tickWithLeft31PixelsShort_data();
    void tickWithLeft31PixelsShort();
    void tickSnapsOneAxisWhileTheOtherSteps();
    void tileAtRestIsNotDrawnAgain();

    void hoverRaisesMoveWithoutDraggingAndStaysOffTheParent();
    void dragKeepsTheGrabPointUnderThePointer();
    void releaseRestoresOnlyANonZeroSavedInterval_data();
    void releaseRestoresOnlyANonZeroSavedInterval();
    void releaseHandlerSeesAcceptedCleared();
    void dragPicksThePictureFromThePointerHeight_data();
    void dragPicksThePictureFromThePointerHeight();
    void releaseHandlerMayHideOrDeleteTheTile();
};

void TestAnimatedCorvalia::scaledDivideTruncatesTowardZero_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("expected");
    QTest::newRow("press at 20 on a 38 px picture") << 20 << 1 << 38 << 0;
    QTest::newRow("move at 50 below a 38 px picture") << 50 << 1 << 38 << 1;
    QTest::newRow("last pixel row of a 2-column tile") << 37 << 2 << 38 << 1;
    QTest::newRow("exact multiple") << 76 << 1 << 38 << 2;
    QTest::newRow("zero divisor gives picture 0") << 20 << 1 << 0 << 0;
    QTest::newRow("above the tile truncates toward zero") << -20 << 1 << 38 << 0;
    QTest::newRow("far above the tile") << -50 << 1 << 38 << -1;
    QTest::newRow("negative divisor") << 50 << 1 << -38 << -1;
    QTest::newRow("product wraps at 32 bits") << 65536 << 65536 << 1 << 0;
    QTest::newRow("largest quotient wraps instead of overflowing") << INT_MIN << 1 << -1 << INT_MIN;
}

void TestAnimatedCorvalia::scaledDivideTruncatesTowardZero()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, c);
    QFETCH(int, expected);
    QCOMPARE(ScaledDivide(a, b, c), expected);
}

void TestAnimatedCorvalia::selectPictureCutsTheGrid_data()
{
    QTest::addColumn<QSize>("bitmap");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("active");
    QTest::addColumn<bool>("reverse");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<int>("activeAfter");
    QTest::addColumn<QPoint>("source");

    QTest::newRow("one picture") << QSize(38, 38) << 1 << 1 << 0 << false << QSize(38, 38) << 0
                                 << QPoint(0, 0);
    QTest::newRow("2x2, picture 1 is top right")
        << QSize(76, 60) << 2 << 2 << 1 << false << QSize(38, 30) << 1 << QPoint(38, 0);
    QTest::newRow("2x2, picture 2 is bottom left")
        << QSize(76, 60) << 2 << 2 << 2 << false << QSize(38, 30) << 2 << QPoint(0, 30);
    QTest::newRow("3x2, picture 4 is row 1, column 1")
        << QSize(90, 40) << 3 << 2 << 4 << false << QSize(30, 20) << 4 << QPoint(30, 20);
    QTest::newRow("uneven bitmap truncates the picture size")
        << QSize(77, 61) << 2 << 2 << 3 << false << QSize(38, 30) << 3 << QPoint(38, 30);
    QTest::newRow("forward folds one past the last to 0")
        << QSize(76, 60) << 2 << 2 << 4 << false << QSize(38, 30) << 0 << QPoint(0, 0);
    QTest::newRow("forward folds far past the last to 0")
        << QSize(76, 60) << 2 << 2 << 65535 << false << QSize(38, 30) << 0 << QPoint(0, 0);
    QTest::newRow("reverse keeps 9 and shows the last of 4")
        << QSize(76, 60) << 2 << 2 << 9 << true << QSize(38, 30) << 9 << QPoint(38, 30);
    QTest::newRow("reverse within the grid shows the index")
        << QSize(76, 60) << 2 << 2 << 2 << true << QSize(38, 30) << 2 << QPoint(0, 30);
    QTest::newRow("grid of 65536 pictures compares at full width")
        << QSize(256, 256) << 256 << 256 << 65535 << false << QSize(1, 1) << 65535
        << QPoint(255, 255);
    QTest::newRow("picture width kept to 16 bits") << QSize(70000, 10) << 1 << 1 << 0 << false
                                                   << QSize(70000 - 65536, 10) << 0 << QPoint(0, 0);
    QTest::newRow("bitmap narrower than the columns has no width")
        << QSize(3, 38) << 4 << 1 << 2 << false << QSize(0, 38) << 2 << QPoint(0, 0);
    QTest::newRow("no columns selects nothing")
        << QSize(38, 38) << 0 << 1 << 5 << false << QSize(0, 0) << 5 << QPoint(0, 0);
    QTest::newRow("no rows selects nothing")
        << QSize(38, 38) << 1 << 0 << 5 << true << QSize(0, 0) << 5 << QPoint(0, 0);
}

void TestAnimatedCorvalia::selectPictureCutsTheGrid()
{
    QFETCH(QSize, bitmap);
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(int, active);
    QFETCH(bool, reverse);
    QFETCH(QSize, picture);
    QFETCH(int, activeAfter);
    QFETCH(QPoint, source);

    const PictureSelection s = SelectPicture(bitmap.width(), bitmap.height(), quint16(columns),
                                             quint16(rows), quint16(active), reverse);
    QCOMPARE(QSize(s.setWidth, s.setHeight), picture);
    QCOMPARE(int(s.activePicture), activeAfter);
    QCOMPARE(QPoint(s.sourceX, s.sourceY), source);
}

void TestAnimatedCorvalia::nextPictureStepsWithoutFolding_data()
{
    QTest::addColumn<int>("active");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("reverse");
    QTest::addColumn<int>("expected");
    QTest::newRow("forward counts up") << 0 << 2 << 2 << false << 1;
    QTest::newRow("forward passes the last picture") << 3 << 2 << 2 << false << 4;
    QTest::newRow("forward wraps at 16 bits") << 65535 << 1 << 1 << false << 0;
    QTest::newRow("reverse counts down") << 3 << 2 << 2 << true << 2;
    QTest::newRow("reverse from 0 goes to the last") << 0 << 2 << 2 << true << 3;
    QTest::newRow("reverse from 0 with one picture stays") << 0 << 1 << 1 << true << 0;
    QTest::newRow("reverse keeps an index beyond the grid") << 9 << 2 << 2 << true << 8;
    QTest::newRow("reverse wrap value kept to 16 bits")
        << 0 << 300 << 300 << true << (300 * 300 - 1) % 65536;
}

void TestAnimatedCorvalia::nextPictureStepsWithoutFolding()
{
    QFETCH(int, active);
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(bool, reverse);
    QFETCH(int, expected);
    QCOMPARE(int(NextPicture(quint16(active), quint16(columns), quint16(rows), reverse)), expected);
}

void TestAnimatedCorvalia::driftAxisSnapsStepsAndTakesBackAnOvershoot_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("destiny");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("expected");
    // 31 px short of the destination: no snap.
    QTest::newRow("31 short, step 31 lands") << 100 << 131 << 31 << 131;
    QTest::newRow("31 short, step 32 is taken back") << 100 << 131 << 32 << 100;
    QTest::newRow("31 short, step 34 is taken back") << 100 << 131 << 34 << 100;
    QTest::newRow("31 short, step 30 moves closer") << 100 << 131 << 30 << 130;
    QTest::newRow("31 short, step 10 moves closer") << 100 << 131 << 10 << 110;
    QTest::newRow("30 short snaps") << 100 << 130 << 34 << 130;
    QTest::newRow("30 past snaps") << 160 << 130 << 34 << 130;
    QTest::newRow("at the destination stays") << 130 << 130 << 10 << 130;
    QTest::newRow("far short steps") << 0 << 500 << 22 << 22;
    QTest::newRow("31 past steps back") << 162 << 131 << 10 << 152;
    QTest::newRow("31 past, a long step may overshoot below") << 162 << 131 << 34 << 128;
    QTest::newRow("negative coordinates") << -200 << -100 << 17 << -183;
}

void TestAnimatedCorvalia::driftAxisSnapsStepsAndTakesBackAnOvershoot()
{
    QFETCH(int, position);
    QFETCH(int, destiny);
    QFETCH(int, step);
    QFETCH(int, expected);
    QCOMPARE(DriftAxis(position, destiny, step), expected);
}

void TestAnimatedCorvalia::newTileIsAHundredPixelSquareWithItsTimerOff()
{
    TAnimatedCorvalia tile;
    QCOMPARE(tile.size(), QSize(100, 100));
    QVERIFY(!tile.timerActive());
    QCOMPARE(tile.Interval(), 0);
    QCOMPARE(tile.ActivePicture(), quint16(0));
    QCOMPARE(QSize(tile.Columns(), tile.Rows()), QSize(1, 1));
    QCOMPARE(QSize(tile.SetWidth(), tile.SetHeight()), QSize(0, 0));
    QVERIFY(!tile.ReversePlay());
    QVERIFY(!tile.Accepted());
    QVERIFY(tile.Bitmap().isNull());
    QVERIFY(tile.hasMouseTracking());
    QVERIFY(QAbstractEventDispatcher::instance()->registeredTimers(&tile).isEmpty());
}

void TestAnimatedCorvalia::firstPaintSizesTheTileToOnePicture()
{
    Surface surface;
    auto *tile = new TAnimatedCorvalia(&surface);
    surface.show();
    QVERIFY(QTest::qWaitForWindowExposed(&surface));

    tile->setBitmap(pictureGrid(1, 1, 38));
    // Writing the bitmap only asks for a paint; the paint resizes.
    QCOMPARE(tile->size(), QSize(100, 100));
    QTRY_COMPARE(tile->size(), QSize(38, 38));
    QCOMPARE(QSize(tile->SetWidth(), tile->SetHeight()), QSize(38, 38));
    QCOMPARE(shownPicture(*tile), 0);
    // Drawn onto the parent's surface, never in a window of its own.
    QCOMPARE(tile->internalWinId(), WId(0));
    QVERIFY(!tile->testAttribute(Qt::WA_NativeWindow));
}

void TestAnimatedCorvalia::rewritingTheIntervalDoesNotRestartTheTimer()
{
    TAnimatedCorvalia tile;
    auto *dispatcher = QAbstractEventDispatcher::instance();

    tile.setInterval(100);
    QVERIFY(tile.timerActive());
    auto timers = dispatcher->registeredTimers(&tile);
    QCOMPARE(timers.size(), 1);
    QCOMPARE(timers.front().interval, 100);

    // A restart would put the next tick a full period away again.
    QThread::msleep(60);
    tile.setInterval(100);
    QVERIFY(dispatcher->remainingTime(timers.front().timerId) <= 60);
    QCOMPARE(dispatcher->registeredTimers(&tile).size(), 1);

    tile.setInterval(40);
    timers = dispatcher->registeredTimers(&tile);
    QCOMPARE(timers.size(), 1);
    QCOMPARE(timers.front().interval, 40);

    tile.setInterval(0);
    QVERIFY(!tile.timerActive());
    QVERIFY(dispatcher->registeredTimers(&tile).isEmpty());

    // 16 bits: 65536 ms is 0 and leaves the timer off; 65537 is 1.
    tile.setInterval(65536);
    QCOMPARE(tile.Interval(), 0);
    QVERIFY(!tile.timerActive());
    tile.setInterval(65537);
    QCOMPARE(tile.Interval(), 1);
    QVERIFY(tile.timerActive());
}

void TestAnimatedCorvalia::timerTicksCarryTheTileToItsDestinyAndKeepTicking()
{
    TAnimatedCorvalia tile;
    tile.setBitmap(pictureGrid(2, 1, 20));
    tile.setColumns(2);
    tile.setDestinyX(200);
    tile.setDestinyY(150);
    tile.setInterval(10);
    QTRY_COMPARE(tile.pos(), QPoint(200, 150));
    // Arrived tiles keep ticking: the pictures go on changing.
    const quint16 picture = tile.ActivePicture();
    QTRY_VERIFY(tile.ActivePicture() != picture);
    QVERIFY(tile.timerActive());
    QCOMPARE(tile.pos(), QPoint(200, 150));
}

void TestAnimatedCorvalia::ticksStepThroughThePictures_data()
{
    // On a 2 x 2 grid: "stored/shown" after writing ActivePicture, then after each tick.
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("reverse");
    QTest::addColumn<QString>("pictures");
    QTest::newRow("forward folds back after the last") << 0 << false << "0/0 1/1 2/2 3/3 0/0 1/1";
    QTest::newRow("forward beyond the grid folds at once") << 9 << false << "0/0 1/1";
    QTest::newRow("reverse wraps to the last") << 0 << true << "0/0 3/3 2/2 1/1 0/0 3/3";
    QTest::newRow("reverse beyond the grid shows the last")
        << 9 << true << "9/3 8/3 7/3 6/3 5/3 4/3 3/3 2/2";
}

void TestAnimatedCorvalia::ticksStepThroughThePictures()
{
    QFETCH(int, start);
    QFETCH(bool, reverse);
    QFETCH(QString, pictures);

    TAnimatedCorvalia tile;
    tile.setColumns(2);
    tile.setRows(2);
    tile.setReversePlay(reverse);
    tile.setBitmap(pictureGrid(2, 2, 20));
    tile.setActivePicture(quint16(start));
    QCOMPARE(tile.size(), QSize(20, 20));

    const QStringList steps = pictures.split(u' ');
    for (qsizetype i = 0; i < steps.size(); ++i) {
        if (i > 0)
            tile.TimerTick();
        const QString seen =
            QStringLiteral("%1/%2").arg(tile.ActivePicture()).arg(shownPicture(tile));
        QCOMPARE(seen, steps[i]);
    }
}

void TestAnimatedCorvalia::emptyBitmapCountsOnAndWrapsAt16Bits()
{
    TAnimatedCorvalia tile;
    tile.setColumns(2);
    tile.setRows(2);
    tile.setActivePicture(3);
    tile.TimerTick();
    QCOMPARE(tile.ActivePicture(), quint16(4));

    tile.setActivePicture(65535);
    tile.TimerTick();
    QCOMPARE(tile.ActivePicture(), quint16(0));
    // Nothing was selected: the size and the picture size are untouched.
    QCOMPARE(tile.size(), QSize(100, 100));
    QCOMPARE(tile.SetWidth(), quint16(0));
}

void TestAnimatedCorvalia::zeroColumnsOrRowsDrawNothing()
{
    TAnimatedCorvalia tile;
    tile.setBitmap(pictureGrid(1, 1, 38));
    tile.setActivePicture(0);

    tile.setColumns(0);
    tile.TimerTick();
    tile.setActivePicture(7);
    QCOMPARE(tile.ActivePicture(), quint16(7));
    QCOMPARE(tile.size(), QSize(38, 38));
    QCOMPARE(shownPicture(tile), -1);

    tile.setColumns(1);
    tile.setRows(0);
    tile.TimerTick();
    QCOMPARE(shownPicture(tile), -1);
}

void TestAnimatedCorvalia::writtenBitmapIsACopy()
{
    QImage mine = pictureGrid(1, 1, 38);
    TAnimatedCorvalia tile;
    tile.setBitmap(mine);
    QVERIFY(tile.Bitmap().constBits() != mine.constBits());

    mine.fill(Qt::white);
    QCOMPARE(tile.Bitmap().pixel(5, 5), kPictureColours[0]);
    tile.setActivePicture(0);
    QCOMPARE(shownPicture(tile), 0);
}

void TestAnimatedCorvalia::bitmapOfTheTileSizeMarksItOpaque()
{
    TAnimatedCorvalia tile;
    tile.setBitmap(pictureGrid(1, 1, 100));
    QVERIFY(tile.isOpaqueMarked());

    tile.setBitmap(pictureGrid(1, 1, 38));
    QVERIFY(!tile.isOpaqueMarked());
    // The mark follows a change of bitmap, not a change of size.
    tile.setActivePicture(0);
    QCOMPARE(tile.size(), QSize(38, 38));
    QVERIFY(!tile.isOpaqueMarked());
    tile.setBitmap(pictureGrid(1, 1, 38));
    QVERIFY(tile.isOpaqueMarked());

    tile.setBitmap(QImage());
    QVERIFY(!tile.isOpaqueMarked());
}

void TestAnimatedCorvalia::writtenSetWidthIsUndoneByTheImmediatePaint()
{
    TAnimatedCorvalia tile;
    tile.setBitmap(pictureGrid(1, 1, 38));
    tile.setActivePicture(0);
    tile.setSetWidth(60);
    tile.setSetHeight(7);
    QCOMPARE(tile.size(), QSize(38, 38));
    QCOMPARE(QSize(tile.SetWidth(), tile.SetHeight()), QSize(38, 38));

    // Without an image there is nothing to paint, so the written size stays.
    TAnimatedCorvalia empty;
    empty.setSetWidth(60);
    empty.setSetHeight(45);
    QCOMPARE(empty.size(), QSize(60, 45));
    QCOMPARE(QSize(empty.SetWidth(), empty.SetHeight()), QSize(0, 0));
}

void TestAnimatedCorvalia::tickDrawsTheHorizontalStepFirst()
{
    // seedGivingStepX leaves the generator just after the draw of 12.
    const std::uint32_t seed = seedGivingStepX(12);
    const int stepY = int(Random::shared().below(kStepRange)) + kMinStep;
    QVERIFY(stepY != 12);

    TAnimatedCorvalia tile;
    tile.setDestinyX(500);
    tile.setDestinyY(500);
    Random::shared().seed(seed);
    tile.TimerTick();
    QCOMPARE(tile.pos(), QPoint(12, stepY));
}

void TestAnimatedCorvalia::tickWithLeft31PixelsShort_data()
{
    QTest::addColumn<int>("stepX");
    QTest::addColumn<int>("left");
    QTest::newRow("step 31 lands exactly") << 31 << 131;
    QTest::newRow("step 32 overshoots and returns") << 32 << 100;
    QTest::newRow("step 34 overshoots and returns") << 34 << 100;
    QTest::newRow("step 20 moves closer") << 20 << 120;
}

void TestAnimatedCorvalia::tickWithLeft31PixelsShort()
{
    QFETCH(int, stepX);
    QFETCH(int, left);
    TAnimatedCorvalia tile;
    tile.move(100, 50);
    tile.setDestinyX(131);
    tile.setDestinyY(50);
    Random::shared().seed(seedGivingStepX(stepX));
    tile.TimerTick();
    QCOMPARE(tile.pos(), QPoint(left, 50));
}

void TestAnimatedCorvalia::tickSnapsOneAxisWhileTheOtherSteps()
{
    TAnimatedCorvalia tile;
    tile.move(280, 400);
    tile.setDestinyX(300);
    tile.setDestinyY(100);
    tile.TimerTick();
    QCOMPARE(tile.Left(), 300);
    QVERIFY2(tile.Top() <= 400 - kMinStep && tile.Top() > 400 - kMinStep - kStepRange,
             qPrintable(QString::number(tile.Top())));
}

void TestAnimatedCorvalia::tileAtRestIsNotDrawnAgain()
{
    Scene scene;
    scene.tile->setDestinyX(100);
    scene.tile->setDestinyY(100);
    QVERIFY(scene.show());
    QCoreApplication::processEvents();

    PaintCounter counter;
    scene.tile->installEventFilter(&counter);
    for (int i = 0; i < 3; ++i)
        scene.tile->TimerTick();
    QCoreApplication::processEvents();
    QCOMPARE(counter.paints, 0);
    QCOMPARE(scene.tile->pos(), QPoint(100, 100));

    // A tile that moves is drawn at its new place.
    scene.tile->setDestinyX(600);
    scene.tile->TimerTick();
    QVERIFY(scene.tile->Left() > 100);
    QTRY_VERIFY(counter.paints > 0);
}

void TestAnimatedCorvalia::hoverRaisesMoveWithoutDraggingAndStaysOffTheParent()
{
    Scene scene;
    QVERIFY(scene.show());
    QSignalSpy moves(scene.tile, &TAnimatedCorvalia::mouseMoved);

    QTest::mouseMove(scene.tile, QPoint(5, 5));
    QTest::mouseMove(scene.tile, QPoint(30, 20));
    QCOMPARE(moves.count(), 2);
    QCOMPARE(scene.tile->pos(), QPoint(100, 100));
    QCOMPARE(scene.surface.moves, 0);

    QTest::mouseMove(&scene.surface, QPoint(600, 500));
    QCOMPARE(scene.surface.moves, 1);
    QCOMPARE(moves.count(), 2);
}

void TestAnimatedCorvalia::dragKeepsTheGrabPointUnderThePointer()
{
    Scene scene;
    QVERIFY(scene.show());
    TAnimatedCorvalia *tile = scene.tile;
    std::vector<QPoint> seenByHandler;
    tile->setOnMouseMove([&](TileView &t) { seenByHandler.emplace_back(t.Left(), t.Top()); });

    QTest::mousePress(tile, Qt::LeftButton, {}, QPoint(10, 12));
    // The window reports the pointer's arrival as a move before the press.
    QCOMPARE(seenByHandler, std::vector<QPoint>{QPoint(100, 100)});
    seenByHandler.clear();

    QTest::mouseMove(tile, QPoint(25, 30));
    QCOMPARE(tile->pos(), QPoint(115, 118));
    // Far outside the tile: the grab keeps the moves coming to it.
    QTest::mouseMove(&scene.surface, QPoint(410, 312));
    QCOMPARE(tile->pos(), QPoint(400, 300));
    QTest::mouseMove(&scene.surface, QPoint(5, 6));
    QCOMPARE(tile->pos(), QPoint(-5, -6));
    QCOMPARE(scene.surface.moves, 0);
    // Each handler saw the tile where the previous move had left it.
    const std::vector<QPoint> before{{100, 100}, {115, 118}, {400, 300}};
    QCOMPARE(seenByHandler, before);

    // Released, the tile no longer follows the pointer.
    QTest::mouseRelease(&scene.surface, Qt::LeftButton, {}, QPoint(5, 6));
    QTest::mouseMove(tile, QPoint(30, 30));
    QCOMPARE(tile->pos(), QPoint(-5, -6));
}

void TestAnimatedCorvalia::releaseRestoresOnlyANonZeroSavedInterval_data()
{
    QTest::addColumn<int>("atPress");
    QTest::addColumn<int>("writtenOnUp"); // -1: the handler leaves Interval alone
    QTest::addColumn<int>("afterRelease");
    QTest::newRow("saved 10 wins over the handler's 0") << 10 << 0 << 10;
    QTest::newRow("saved 10 comes back by itself") << 10 << -1 << 10;
    QTest::newRow("saved 0 keeps the handler's 10") << 0 << 10 << 10;
    QTest::newRow("saved 0 leaves the timer off") << 0 << -1 << 0;
}

void TestAnimatedCorvalia::releaseRestoresOnlyANonZeroSavedInterval()
{
    QFETCH(int, atPress);
    QFETCH(int, writtenOnUp);
    QFETCH(int, afterRelease);

    Scene scene;
    QVERIFY(scene.show());
    TAnimatedCorvalia *tile = scene.tile;
    int seenOnDown = -1;
    int seenOnUp = -1;
    connect(tile, &TAnimatedCorvalia::mouseDown, [&] { seenOnDown = tile->Interval(); });
    tile->setOnMouseUp([&](TileView &t) {
        seenOnUp = t.Interval();
        if (writtenOnUp >= 0)
            t.setInterval(writtenOnUp);
    });

    tile->setInterval(atPress);
    QTest::mousePress(tile, Qt::RightButton, {}, QPoint(19, 19));
    QCOMPARE(seenOnDown, atPress);
    QCOMPARE(tile->Interval(), 0);
    QVERIFY(!tile->timerActive());

    QTest::mouseRelease(tile, Qt::RightButton, {}, QPoint(19, 19));
    QCOMPARE(seenOnUp, 0);
    QCOMPARE(tile->Interval(), afterRelease);
    QCOMPARE(tile->timerActive(), afterRelease != 0);
}

void TestAnimatedCorvalia::releaseHandlerSeesAcceptedCleared()
{
    Scene scene;
    QVERIFY(scene.show());
    TAnimatedCorvalia *tile = scene.tile;
    tile->setAccepted(true);
    bool acceptedSeen = true;
    tile->setOnMouseUp([&](TileView &t) {
        acceptedSeen = t.Accepted();
        t.setAccepted(true);
    });
    QTest::mousePress(tile, Qt::LeftButton, {}, QPoint(19, 19));
    QVERIFY(tile->Accepted());
    QTest::mouseRelease(tile, Qt::LeftButton, {}, QPoint(19, 19));
    QVERIFY(!acceptedSeen);
    QVERIFY(tile->Accepted());

    tile->setOnMouseUp({});
    QTest::mousePress(tile, Qt::LeftButton, {}, QPoint(19, 19));
    QTest::mouseRelease(tile, Qt::LeftButton, {}, QPoint(19, 19));
    QVERIFY(!tile->Accepted());
}

void TestAnimatedCorvalia::dragPicksThePictureFromThePointerHeight_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("pictureAfterMove");
    // One picture: the move picks picture 1 and the immediate paint folds it to 0.
    QTest::newRow("one picture folds back") << 1 << 0;
    QTest::newRow("a second row is shown") << 2 << 1;
}

void TestAnimatedCorvalia::dragPicksThePictureFromThePointerHeight()
{
    QFETCH(int, rows);
    QFETCH(int, pictureAfterMove);

    Scene scene(rows);
    scene.tile->setActivePicture(quint16(rows - 1));
    QVERIFY(scene.show());
    QCOMPARE(scene.tile->size(), QSize(38, 38));

    QTest::mousePress(scene.tile, Qt::LeftButton, {}, QPoint(10, 20));
    QCOMPARE(scene.tile->ActivePicture(), quint16(0));
    QTest::mouseMove(scene.tile, QPoint(10, 50));
    QCOMPARE(int(scene.tile->ActivePicture()), pictureAfterMove);
    QCOMPARE(shownPicture(*scene.tile), pictureAfterMove);
    QCOMPARE(scene.tile->pos(), QPoint(100, 130));
    QTest::mouseRelease(scene.tile, Qt::LeftButton, {}, QPoint(10, 20));
}

void TestAnimatedCorvalia::releaseHandlerMayHideOrDeleteTheTile()
{
    Scene scene;
    QVERIFY(scene.show());
    TAnimatedCorvalia *tile = scene.tile;
    tile->setInterval(10);
    tile->setOnMouseUp([](TileView &t) { t.setTileVisible(false); });
    QTest::mousePress(tile, Qt::LeftButton, {}, QPoint(19, 19));
    QTest::mouseRelease(tile, Qt::LeftButton, {}, QPoint(19, 19));
    QVERIFY(tile->isHidden());
    QCOMPARE(tile->Interval(), 10);

    // Shown again, the tile is idle: a hover does not drag it.
    tile->setVisible(true);
    QTest::mouseMove(tile, QPoint(30, 30));
    QCOMPARE(tile->pos(), QPoint(100, 100));

    QPointer<TAnimatedCorvalia> watch(tile);
    tile->setOnMouseUp([](TileView &t) { delete static_cast<TAnimatedCorvalia *>(&t); });
    QTest::mousePress(tile, Qt::LeftButton, {}, QPoint(19, 19));
    QTest::mouseRelease(&scene.surface, Qt::LeftButton, {}, QPoint(119, 119));
    QVERIFY(watch.isNull());
    // The window goes on taking pointer events.
    QTest::mouseMove(&scene.surface, QPoint(300, 300));
    QCOMPARE(scene.surface.moves, 1);
}

QTEST_MAIN(TestAnimatedCorvalia)
#include "tst_animatedcorvalia.moc"
