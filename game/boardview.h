#pragma once

#include "game/board.h"

#include <cstdint>
#include <string>

class TileView;

// The window operations the game logic needs. Cells and frames are addressed by their atomic
// number, 1 to the table's size; the view resolves its controls once, so none of these looks
// anything up.
class BoardView
{
public:
    virtual ~BoardView() = default;

    // Blank cells PanelN.
    virtual void setPanelPos(int n, board::Point corner) = 0;
    virtual void setPanelVisible(int n, bool visible) = 0;
    virtual bool panelVisible(int n) const = 0;
    virtual void setPanelColour(int n, board::StoredColour colour) = 0;

    // Frames ShapeN.
    virtual void setShapePos(int n, board::Point corner) = 0;
    virtual void setShapePen(int n, board::StoredColour colour) = 0;
    virtual void setShapeVisible(int n, bool visible) = 0;
    virtual void bringShapeToFront(int n) = 0;
    // What the correction found on the cell, told before its frame is shown. The pen can't
    // say it alone: only a hit sets the pen, and a miss keeps whatever pen the frame had.
    virtual void setShapeVerdict(int n, bool right) = 0;

    // Tiles: made once, with the main window as owner and parent, and held by the view in
    // Tiles[1..the table's size]; tile n carries NumVista n.
    virtual void createTile(int n) = 0;
    virtual TileView &tile(int n) = 0;
    // Cuts square n of the tile strip, at 1:1 from its top-left corner, into a size x size
    // scratch bitmap and gives tile n a copy of it.
    virtual void cutTileBitmap(int n, int size) = 0;

    // Score and counters.
    virtual void setVecesCaption(std::int32_t gameCount) = 0;
    virtual void setContadorCaption(std::int32_t hitTotal) = 0;
    virtual void setGaugeProgress(int percent) = 0;
    virtual void setCongratulationVisible(bool visible) = 0;

    // The last centre and candidate cell, kept as the captions of the labels Label1, Label2
    // and Label4, which are never shown.
    virtual void recordCentre(std::int32_t x, std::int32_t y) = 0;
    virtual void recordCandidate(int cell) = 0;

    // What a screen reader is told while a tile is placed without dragging: the tile that
    // has the keyboard focus, the target cell, and what now stands on a cell.
    virtual void announceTile(int n) = 0;
    virtual void announceCell(int cell) = 0;
    virtual void announcePlaced(int cell, int tile) = 0;
    // An arrow (dx, dy) that finds nothing further that way: no tile, or with `cells` no cell.
    virtual void announceEdge(int dx, int dy, bool cells) = 0;
    // The tile picked up without dragging, 0 when it is put down or back.
    virtual void announcePicked(int tile) = 0;
    // What was typed finds nothing: no symbol starts with the letters, or while a tile is
    // picked up (`cells`), no cell has the number.
    virtual void announceNotFound(const std::u32string &typed, bool cells) = 0;
    // The target cell of a tile picked up without dragging, marked above whatever stands on
    // it (a blank cell, hidden or not, or a placed tile); 0 for none.
    virtual void showTarget(int cell) = 0;

    virtual void setTimer1Enabled(bool enabled) = 0;
};
