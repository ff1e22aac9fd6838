#include "tiles/placement.h"

#include "game/boardview.h"

using board::kElementCount;

namespace {
constexpr int kDriftInterval = 10; // milliseconds per step of a tile drifting home
}

Placement::Placement(BoardView &view) : view_(view) {}

void Placement::takeCentreOf(const TileView &tile)
{
    TileCentreX = tile.Left() + tile.Width() / 2;
    TileCentreY = tile.Top() + tile.Height() / 2;
    view_.showCentreReadout(TileCentreX, TileCentreY);
}

void Placement::almovermouse(TileView &sender)
{
    takeCentreOf(sender);
    // Restoring every cell and then lighting the candidate is done as one pass that writes
    // each cell's final colour, so a cell that stays lit is not repainted on every move.
    for (int n = 1; n <= kElementCount; ++n)
        view_.setShapeVisible(n, false);
    CandidateCell = board::cellAt(TileCentreX, TileCentreY);
    for (int n = 1; n <= kElementCount; ++n)
        view_.setPanelColour(n,
                            n == CandidateCell ? board::kLitCellColour : board::kEmptyCellColour);
    view_.showCandidateReadout(CandidateCell);
    for (int i = 1; i <= kElementCount; ++i)
        view_.tile(i).setInterval(0);
}

void Placement::alSoltarmouse(TileView &sender)
{
    if (CandidateCell == 0)
        return;
    takeCentreOf(sender);
    sender.setAccepted(false);
    if (board::pointOnCell(CandidateCell, TileCentreX, TileCentreY)) {
        const board::Point corner = view_.panelPos(CandidateCell);
        sender.setLeft(corner.x);
        sender.setTop(corner.y);
        view_.setPanelVisible(CandidateCell, false);
        sender.setAccepted(true);
        sender.requestRepaint();
        sender.setInterval(0);
    }
    TileView &owner = view_.tile(CandidateCell);
    if (!owner.Accepted())
        owner.setInterval(kDriftInterval);
}

void Placement::FormMouseMove(std::int32_t x, std::int32_t y)
{
    TileCentreX = x;
    TileCentreY = y;
    view_.showCentreReadout(x, y);
    for (int i = 1; i <= kElementCount; ++i) {
        TileView &tile = view_.tile(i);
        if (!tile.Accepted())
            tile.setInterval(kDriftInterval);
    }
}

void Placement::Panel1Click(int cell)
{
    view_.setPanelVisible(cell, !view_.panelVisible(cell));
}
