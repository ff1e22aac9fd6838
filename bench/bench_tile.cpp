#include "game/board.h"
#include "tiles/animatedcorvalia.h"

#include <QPainter>
#include <QTest>

#include <vector>

namespace {

QImage tileFace()
{
    QImage face(38, 38, QImage::Format_RGB32);
    face.fill(QColor(173, 200, 203));
    QPainter painter(&face);
    painter.fillRect(4, 4, 30, 30, Qt::darkBlue);
    return face;
}

// A tile standing on its destination, its picture already selected.
void settle(TAnimatedCorvalia &tile, int left, int top)
{
    tile.setBitmap(tileFace());
    tile.setLeft(left);
    tile.setTop(top);
    tile.setDestinyX(left);
    tile.setDestinyY(top);
    tile.setActivePicture(0);
}

} // namespace

class BenchTile : public QObject
{
    Q_OBJECT

private slots:
    void tickOfATileAtRest();
    void tickOfADriftingTile();
    void tickOfEveryTileAtRestInAShownWindow();
};

void BenchTile::tickOfATileAtRest()
{
    TAnimatedCorvalia tile;
    settle(tile, 200, 300);
    QBENCHMARK
    {
        tile.TimerTick();
    }
    QCOMPARE(tile.pos(), QPoint(200, 300));
}

void BenchTile::tickOfADriftingTile()
{
    // Two destinations far apart: the tile turns round whenever it arrives, so all but
    // one tick in thousands is a step.
    TAnimatedCorvalia tile;
    settle(tile, 0, 0);
    const QPoint ends[] = {{0, 0}, {100000, 100000}};
    int heading = 1;
    tile.setDestinyX(ends[heading].x());
    tile.setDestinyY(ends[heading].y());
    QBENCHMARK
    {
        tile.TimerTick();
        if (tile.pos() == ends[heading]) {
            heading = 1 - heading;
            tile.setDestinyX(ends[heading].x());
            tile.setDestinyY(ends[heading].y());
        }
    }
}

void BenchTile::tickOfEveryTileAtRestInAShownWindow()
{
    QWidget window;
    window.setFixedSize(812, 606);
    std::vector<TAnimatedCorvalia *> tiles;
    for (int n = 1; n <= board::kElementCount; ++n) {
        auto *tile = new TAnimatedCorvalia(&window);
        settle(*tile, 10 + ((n - 1) % 20) * 40, 380 + ((n - 1) / 20) * 40);
        tiles.push_back(tile);
    }
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();

    QBENCHMARK
    {
        for (TAnimatedCorvalia *tile : tiles)
            tile->TimerTick();
        QCoreApplication::processEvents();
    }
    QCOMPARE(tiles.front()->size(), QSize(38, 38));
}

QTEST_MAIN(BenchTile)
#include "bench_tile.moc"
