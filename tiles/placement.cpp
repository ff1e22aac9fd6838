#include "tiles/placement.h"

#include "game/boardview.h"
#include "game/game.h"

using board::kElementCount;

namespace {
constexpr int kDriftInterval = 10; // milliseconds per step of a tile drifting home
}

Placement::Placement(Game &game) : game_(game) {}

void Placement::takeCentreOf(const TileView &tile)
{
    TileCentreX = tile.Left() + tile.Width() / 2;
    TileCentreY = tile.Top() + tile.Height() / 2;
    game_.view().showCentreReadout(TileCentreX, TileCentreY);
}

void Placement::almovermouse(TileView &sender)
{
    BoardView &view = game_.view();
    takeCentreOf(sender);
    // Restoring every cell and then lighting the candidate is done as one pass that writes
    // each cell's final colour, so a cell that stays lit is not repainted on every move.
    for (int n = 1; n <= kElementCount; ++n)
        view.setShapeVisible(n, false);
    CandidateCell = board::cellAt(TileCentreX, TileCentreY);
    for (int n = 1; n <= kElementCount; ++n)
        view.setPanelColour(n,
                            n == CandidateCell ? board::kLitCellColour : board::kEmptyCellColour);
    view.showCandidateReadout(CandidateCell);
    for (int i = 1; i <= kElementCount; ++i)
        game_.Tiles[i]->setInterval(0);
}

void Placement::alSoltarmouse(TileView &sender)
{
    if (CandidateCell == 0)
        return;
    takeCentreOf(sender);
    sender.setAccepted(false);
    if (board::pointOnCell(CandidateCell, TileCentreX, TileCentreY)) {
        const board::Point corner = game_.view().panelPos(CandidateCell);
        sender.setLeft(corner.x);
        sender.setTop(corner.y);
        game_.view().setPanelVisible(CandidateCell, false);
        sender.setAccepted(true);
        sender.requestRepaint();
        sender.setInterval(0);
    }
    TileView &owner = *game_.Tiles[CandidateCell];
    if (!owner.Accepted())
        owner.setInterval(kDriftInterval);
}

void Placement::FormMouseMove(std::int32_t x, std::int32_t y)
{
    TileCentreX = x;
    TileCentreY = y;
    game_.view().showCentreReadout(x, y);
    for (int i = 1; i <= kElementCount; ++i)
        if (!game_.Tiles[i]->Accepted())
            game_.Tiles[i]->setInterval(kDriftInterval);
}

void Placement::Panel1Click(int cell)
{
    BoardView &view = game_.view();
    view.setPanelVisible(cell, !view.panelVisible(cell));
}
