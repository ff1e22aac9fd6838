#pragma once

#include "game/board.h"
#include "game/tileview.h"

#include <array>
#include <cstdint>

class BoardView;

// The state of the exercise and the operations that deal, reveal and correct a game. It
// drives the window only through BoardView and TileView, so it runs without one.
// HitTotal and CellsCounted only grow; nothing but a new Game resets them.
class Game
{
public:
    // onMove and onUp are the main window's handlers that every dealt tile gets attached.
    Game(BoardView &view, TileView::Handler onMove, TileView::Handler onUp);

    // DealOrder[i] is the tray slot of tile i; indexed 1..114.
    std::array<std::int32_t, board::kElementCount + 1> DealOrder{};
    std::int32_t HitTotal = 0;
    std::int32_t CellsCounted = 0;
    std::int32_t GameCount = 0;
    bool Corrected = false;
    // Tiles[i] carries NumVista i and belongs on cell i; indexed 1..114, made by FormCreate.
    std::array<TileView *, board::kElementCount + 1> Tiles{};

    BoardView &view() { return view_; }

    void baraja();
    void FormCreate();
    void NuevoTablero();
    void BitBtn2Click();
    void Timer1Timer();
    void CorrectClick();
    void RestaurarPaneles();

    // The strip reload in two halves: before the file dialog, and after a good load.
    void prepareStripReload();
    void LeerVistas();

    int hitPercentage() const;
    bool tilesCreated() const { return Tiles[1] != nullptr; }

private:
    void placeCellsAndFrames(bool showCells, bool resetFrames);
    void setUpTile(int i);
    void cutAndAim(int i, int size);
    void aimAtSlot(int i);
    void moveTilesToTheirSlots();

    BoardView &view_;
    TileView::Handler onMove_;
    TileView::Handler onUp_;
};
