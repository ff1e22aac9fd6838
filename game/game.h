#pragma once

#include "game/board.h"
#include "game/tileview.h"

#include <array>
#include <cstdint>

class BoardView;

// The state of the exercise and the operations that deal, reveal and correct a game. It
// drives the window only through BoardView and TileView, so it runs without one; the tiles
// are the view's. Its state changes only through these operations: HitTotal and
// CellsCounted only grow, and nothing but a new Game resets them.
class Game
{
public:
    // DealOrder[i] is the tray slot of tile i; indexed 1..114.
    using Deal = std::array<std::int32_t, board::kElementCount + 1>;

    // `handlers` are the main window's reactions that every dealt tile gets attached.
    Game(BoardView &view, TileHandlers &handlers);

    const Deal &DealOrder() const { return dealOrder_; }
    std::int32_t HitTotal() const { return hitTotal_; }
    std::int32_t CellsCounted() const { return cellsCounted_; }
    std::int32_t GameCount() const { return gameCount_; }
    bool Corrected() const { return corrected_; }
    int hitPercentage() const;
    // Whether a tile moved over the board lights the cell under it: until the correction,
    // which detaches that reaction from every tile.
    bool hoverLightsCells() const { return !corrected_; }

    void baraja();
    // Deals the first game: makes the tiles and sends them to the tray.
    void FormCreate();
    void NuevoTablero();
    // The game's part of "&Nuevo": a new board, one more game counted.
    void startNextGame();
    // The reveal timer's tick: the blank cells show, unless the board was corrected.
    void revealCells();
    // Judges the board: every tile on its own cell is a hit, and every tile goes home.
    void correct();
    void RestaurarPaneles();

    // The strip reload in two halves: before the file dialog, and after a good load.
    void prepareStripReload();
    void LeerVistas();

private:
    // The main window's reactions, as the handlers a tile calls.
    TileView::Handler almovermouse() const;
    TileView::Handler alSoltarmouse() const;
    void placeCellsAndFrames(bool showCells, bool resetFrames);
    void setUpTile(int i);
    void cutAndAim(int i, int size);
    void aimAtSlot(int i);
    void moveTilesToTheirSlots();

    BoardView &view_;
    TileHandlers &handlers_;
    Deal dealOrder_{};
    std::int32_t hitTotal_ = 0;
    std::int32_t cellsCounted_ = 0;
    std::int32_t gameCount_ = 0;
    bool corrected_ = false;
};
