#pragma once

#include "game/board.h"
#include "game/tileview.h"

#include <array>
#include <cstdint>

class BoardView;

// The state of the exercise and the operations that deal, reveal and correct a game. It
// drives the window only through BoardView and TileView, so it runs without one; the tiles
// are the view's. HitTotal and CellsCounted only grow; nothing but a new Game resets them.
class Game
{
public:
    // `handlers` are the main window's reactions that every dealt tile gets attached.
    Game(BoardView &view, TileHandlers &handlers);

    // DealOrder[i] is the tray slot of tile i; indexed 1..114.
    std::array<std::int32_t, board::kElementCount + 1> DealOrder{};
    std::int32_t HitTotal = 0;
    std::int32_t CellsCounted = 0;
    std::int32_t GameCount = 0;
    bool Corrected = false;

    void baraja();
    void FormCreate();
    void NuevoTablero();
    // The game's half of "&Nuevo"; TForm1::BitBtn2Click, the button's handler, calls it.
    void BitBtn2Click();
    void Timer1Timer();
    void CorrectClick();
    void RestaurarPaneles();

    // The strip reload in two halves: before the file dialog, and after a good load.
    void prepareStripReload();
    void LeerVistas();

    int hitPercentage() const;

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
};
