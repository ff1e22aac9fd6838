#include "game/placement.h"

#include "game/boardview.h"

namespace {
// Milliseconds per step of a tile sent back on its own: a stray tile to its tray slot, or the
// owner of a cell another tile was dropped on.
constexpr int kSendBackInterval = 10;
} // namespace

Placement::Placement(BoardView &view, int count) : view_(view), count_(count) {}

void Placement::takeCentreOf(const TileView &tile)
{
    tileCentreX_ = tile.Left() + tile.Width() / 2;
    tileCentreY_ = tile.Top() + tile.Height() / 2;
    view_.recordCentre(tileCentreX_, tileCentreY_);
}

void Placement::almovermouse(TileView &sender)
{
    takeCentreOf(sender);
    // Restoring every cell and then lighting the candidate is done as one pass that writes
    // each cell's final colour, so a cell that stays lit is not repainted on every move.
    for (int n = 1; n <= count_; ++n)
        view_.setShapeVisible(n, false);
    candidateCell_ = board::cellAt(tileCentreX_, tileCentreY_, count_);
    for (int n = 1; n <= count_; ++n)
        view_.setPanelColour(n,
                            n == candidateCell_ ? board::kLitCellColour : board::kEmptyCellColour);
    view_.recordCandidate(candidateCell_);
    for (int i = 1; i <= count_; ++i)
        view_.tile(i).setInterval(0);
}

void Placement::alSoltarmouse(TileView &sender)
{
    if (candidateCell_ == 0) {
        sendHomeIfUnderCells(sender);
        return;
    }
    takeCentreOf(sender);
    sender.setAccepted(false);
    if (board::pointOnCell(candidateCell_, tileCentreX_, tileCentreY_)) {
        const board::Point corner = board::cellCorner(candidateCell_);
        sender.setLeft(corner.x);
        sender.setTop(corner.y);
        view_.setPanelVisible(candidateCell_, false);
        sender.setAccepted(true);
        sender.requestRepaint();
        sender.setInterval(0);
    } else {
        sendHomeIfUnderCells(sender);
    }
    TileView &owner = view_.tile(candidateCell_);
    if (!owner.Accepted())
        owner.setInterval(kSendBackInterval);
}

// A tile let go on no cell but partly under the blank cells would lie there hidden: a pupil
// would see it vanish. It goes back to its destination instead.
void Placement::sendHomeIfUnderCells(TileView &tile)
{
    const board::Point corner{tile.Left(), tile.Top()};
    for (int n = 1; n <= count_; ++n)
        if (view_.panelVisible(n) && board::overlapsCell(n, corner, tile.Width(), tile.Height())) {
            tile.setInterval(kSendBackInterval);
            return;
        }
}

void Placement::FormMouseMove(std::int32_t x, std::int32_t y)
{
    tileCentreX_ = x;
    tileCentreY_ = y;
    view_.recordCentre(x, y);
    for (int i = 1; i <= count_; ++i) {
        TileView &tile = view_.tile(i);
        if (!tile.Accepted())
            tile.setInterval(kSendBackInterval);
    }
}

void Placement::FormMouseEnter(std::int32_t x, std::int32_t y)
{
    for (int i = 1; i <= count_; ++i) {
        const TileView &tile = view_.tile(i);
        if (!tile.Accepted() && (tile.Left() != tile.DestinyX() || tile.Top() != tile.DestinyY())) {
            FormMouseMove(x, y);
            return;
        }
    }
}

void Placement::Panel1Click(int cell)
{
    view_.setPanelVisible(cell, !view_.panelVisible(cell));
}
