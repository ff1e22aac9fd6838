#pragma once

#include "game/board.h"
#include "game/tileview.h"

#include <cstdint>

class BoardView;

// The main window's reactions while tiles are moved: lighting the cell under a moved tile,
// placing a released tile on it, and sending stray tiles back when the pointer crosses the
// bare window. The lit cell lags one move behind the tile because a tile reports a move
// before applying it; the game lights it again at the release, so the drop is decided where
// the tile was let go. A tile let go on no cell never stays hidden under the blank cells.
class Placement : public TileHandlers
{
public:
    // `count`: the cells and tiles in play, 114 or 118.
    explicit Placement(BoardView &view, int count = board::kElementCount);

    // Centre of the tile last handled, or the pointer position of the last bare-window move.
    std::int32_t TileCentreX() const { return tileCentreX_; }
    std::int32_t TileCentreY() const { return tileCentreY_; }
    // The cell under the centre of the tile at the last almovermouse, 0 for none.
    std::int32_t CandidateCell() const { return candidateCell_; }

    void almovermouse(TileView &sender) override;
    void alSoltarmouse(TileView &sender) override;
    void FormMouseMove(std::int32_t x, std::int32_t y);
    // The pointer came onto the bare window with no move told (as Qt for Windows tells one
    // that comes back into the window): a move there when a tile strays from where it is
    // going, so it drifts home; otherwise nothing, and the tiles at rest keep their pace.
    void FormMouseEnter(std::int32_t x, std::int32_t y);
    void Panel1Click(int cell);

private:
    void takeCentreOf(const TileView &tile);
    void sendHomeIfUnderCells(TileView &tile);

    BoardView &view_;
    int count_;
    std::int32_t tileCentreX_ = 0;
    std::int32_t tileCentreY_ = 0;
    std::int32_t candidateCell_ = 0;
};
