#pragma once

#include "game/board.h"
#include "game/boardview.h"
#include "game/tileview.h"

#include <QStringList>

#include <array>
#include <memory>
#include <vector>

// A tile that only keeps state. It sizes itself to the bitmap it is given, as the real
// tile does after its first paint.
class FakeTile : public TileView
{
public:
    int columns = 0, rows = 0;
    std::int32_t numVista = 0, destinyX = 0, destinyY = 0;
    int interval = 0;
    int intervalWrites = 0; // writes that changed the value
    bool reversePlay = true, accepted = false, enabled = false, visible = false;
    std::int32_t left = 0, top = 0, width = 100, height = 100;
    int bitmapSquare = 0; // which strip square the bitmap came from
    Handler onMove, onUp;
    int stackPosition = 0; // lower is further back
    int repaints = 0;
    bool focusMark = false;

    void setColumns(int v) override { columns = v; }
    void setRows(int v) override { rows = v; }
    void setNumVista(std::int32_t v) override { numVista = v; }
    std::int32_t NumVista() const override { return numVista; }
    void setDestinyX(std::int32_t v) override { destinyX = v; }
    void setDestinyY(std::int32_t v) override { destinyY = v; }
    std::int32_t DestinyX() const override { return destinyX; }
    std::int32_t DestinyY() const override { return destinyY; }
    void setInterval(int v) override
    {
        if (v != interval)
            ++intervalWrites;
        interval = v;
    }
    int Interval() const override { return interval; }
    void setReversePlay(bool v) override { reversePlay = v; }
    void setAccepted(bool v) override { accepted = v; }
    bool Accepted() const override { return accepted; }
    void setTileEnabled(bool v) override { enabled = v; }
    void setTileVisible(bool v) override { visible = v; }
    void setLeft(std::int32_t v) override { left = v; }
    void setTop(std::int32_t v) override { top = v; }
    std::int32_t Left() const override { return left; }
    std::int32_t Top() const override { return top; }
    std::int32_t Width() const override { return width; }
    std::int32_t Height() const override { return height; }
    void setOnMouseMove(Handler h) override { onMove = std::move(h); }
    void setOnMouseUp(Handler h) override { onUp = std::move(h); }
    void sendToBack() override { stackPosition = --backCounter(); }
    void requestRepaint() override { ++repaints; }
    void setFocusMark(bool v) override { focusMark = v; }

    void moveTo(board::Point p)
    {
        left = p.x;
        top = p.y;
    }

    static int &backCounter()
    {
        static int counter = 0;
        return counter;
    }
};

// A board view that keeps the state of every control it stands for.
class FakeBoardView : public BoardView
{
public:
    struct Panel
    {
        board::Point pos{-1, -1};
        bool visible = true; // the layout makes panels visible
        board::StoredColour colour = board::kEmptyCellColour;
        int colourChanges = 0;
    };
    struct Shape
    {
        board::Point pos{-1, -1};
        board::StoredColour pen = board::kWrongFrameColour;
        bool visible = false;
        int frontCount = 0;
        int verdict = 0; // what the last correction found: 1 right, -1 wrong, 0 none yet
    };

    std::array<Panel, board::kMaxElementCount + 1> panels{};
    std::array<Shape, board::kMaxElementCount + 1> shapes{};
    std::vector<std::unique_ptr<FakeTile>> tiles;
    int veces = 1;    // the layout's caption "1"
    int contador = 0; // the layout's caption "0"
    int gauge = 0;
    bool congratulation = false;
    bool timer1Enabled = true;
    int readoutX = 0, readoutY = 0, readoutCandidate = 0;
    int target = 0; // the marked target cell
    int picked = 0; // the tile a reader is told is picked up
    QStringList announced; // "tile 6", "cell 6", "placed 26 on 26", "no cell 0,-1", oldest first


    void setPanelPos(int n, board::Point p) override { panels[n].pos = p; }
    void setPanelVisible(int n, bool v) override { panels[n].visible = v; }
    bool panelVisible(int n) const override { return panels[n].visible; }
    void setPanelColour(int n, board::StoredColour c) override
    {
        if (panels[n].colour != c)
            ++panels[n].colourChanges;
        panels[n].colour = c;
    }
    void setShapePos(int n, board::Point p) override { shapes[n].pos = p; }
    void setShapePen(int n, board::StoredColour c) override { shapes[n].pen = c; }
    void setShapeVisible(int n, bool v) override { shapes[n].visible = v; }
    void bringShapeToFront(int n) override { ++shapes[n].frontCount; }
    void setShapeVerdict(int n, bool right) override { shapes[n].verdict = right ? 1 : -1; }
    void createTile(int) override { tiles.push_back(std::make_unique<FakeTile>()); }
    FakeTile &tile(int n) override { return *tiles.at(n - 1); }
    void cutTileBitmap(int n, int size) override
    {
        FakeTile &fake = tile(n);
        fake.bitmapSquare = n;
        fake.width = size;
        fake.height = size;
    }
    void setVecesCaption(std::int32_t v) override { veces = v; }
    void setContadorCaption(std::int32_t v) override { contador = v; }
    void setGaugeProgress(int p) override { gauge = p; }
    void setCongratulationVisible(bool v) override { congratulation = v; }
    void recordCentre(std::int32_t x, std::int32_t y) override
    {
        readoutX = x;
        readoutY = y;
    }
    void recordCandidate(int c) override { readoutCandidate = c; }
    void announceTile(int n) override { announced << QStringLiteral("tile %1").arg(n); }
    void announceCell(int c) override { announced << QStringLiteral("cell %1").arg(c); }
    void announcePlaced(int c, int n) override
    {
        announced << QStringLiteral("placed %1 on %2").arg(n).arg(c);
    }
    void announceEdge(int dx, int dy, bool cells) override
    {
        announced << QStringLiteral("no %1 %2,%3").arg(cells ? "cell" : "tile").arg(dx).arg(dy);
    }
    void announcePicked(int n) override { picked = n; }
    void announceNotFound(const std::u32string &typed, bool cells) override
    {
        announced << QStringLiteral("no %1 %2").arg(cells ? "cell" : "symbol",
                                                    QString::fromStdU32String(typed));
    }
    void showTarget(int c) override { target = c; }
    void setTimer1Enabled(bool e) override { timer1Enabled = e; }
};

// Tile handlers that only count their calls.
class CountingHandlers : public TileHandlers
{
public:
    int moves = 0, ups = 0;
    void almovermouse(TileView &) override { ++moves; }
    void alSoltarmouse(TileView &) override { ++ups; }
};
