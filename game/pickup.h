#pragma once

#include "game/board.h"

#include <cstdint>
#include <string>

class BoardView;
class Game;
class Placement;
class TileView;

// A key pressed while the board has the keyboard focus, as the window reads it.
struct BoardKey
{
    enum class Kind
    {
        Left,
        Right,
        Up,
        Down,
        Drop, // Enter, Return or Space
        Escape,
        Home,
        End,
        Letter, // a key that types a letter
        Digit,  // a key that types a digit
        Other,
    };
    Kind kind = Kind::Other;
    std::u32string text; // what a Letter or a Digit types
    bool chord = false;  // held with Alt, Ctrl or the logo key: never one of the board's keys
    std::int64_t timeMs = 0; // when it was pressed, on a clock that only runs forward
};

// Playing without dragging: the keyboard, single clicks and taps pick a tile up, choose a
// target cell and put the tile down there. A drop ends exactly as a drag released with the
// tile's centre on that cell, through the same placement reactions. Nothing here runs, and
// nothing is drawn, while no tile has the keyboard focus and none is picked up.
//
// Only a tile picked up by the keyboard has a target from the start (the last one used); a
// click or tap gesture has none until a cell is clicked. The target is lit and marked while
// the gesture lasts, and neither mark outlives it.
class Pickup
{
public:
    // typeAheadPauseMs: letters or digits typed further apart than this start a new symbol
    // or cell number.
    Pickup(BoardView &view, Placement &placement, const Game &game, int typeAheadPauseMs = 400);

    // Tile numbers and cell numbers from 1 to the table's size; 0 for none.
    int focusedTile() const { return focused_; }
    int pickedTile() const { return picked_; }
    int targetCell() const { return target_; }

    // The keyboard focus comes onto the board: the first tile of the tray takes it.
    void enterBoard();
    // The keyboard focus leaves the board: a picked tile is put back, the ring goes.
    void leaveBoard();
    // A key on the board; false when it is not one of the board's keys.
    bool key(const BoardKey &key);
    // A press and release on tile n that moved the pointer no more than a few pixels, after
    // the tile's own release reactions ran.
    void tileTapped(int n);
    // A press on tile n, before its own reactions: a tile picked up without dragging goes
    // back, and a later tap on that same tile leaves it there. Until the correction the
    // press stops every tile, as the pointer's arrival on a tile does.
    void tilePressed(int n);
    // A press of the primary button at a point of the window, before any control reacts to
    // it: with a tile picked up, a point on a cell (its blank cell shown, hidden or covered
    // by a tile) puts the tile down there, and true says the press is used up. Anywhere
    // else, or with nothing picked up, false: the press keeps its own meaning.
    bool pressAt(board::Point p);
    // The pointer passed over a tile, which lights the cell under it and restores the
    // others: the target is lit again, as the gesture still aims there.
    void keepTargetLit();
    // A press on a tile begins a drag, a command changes the board: a picked tile goes
    // back where it was, as Escape does.
    void putBack();

private:
    void focusTile(int n);
    void pickUp(int n, bool withTarget);
    void setTarget(int cell, bool announced = true);
    void endGesture();
    void drop();
    void clearFocus();
    // The first or last tile not placed, in reading order.
    int trayEnd(bool last) const;
    int nearestTile(int dx, int dy) const;
    int tileForTypedText(const BoardKey &key);
    int cellForTypedNumber(const BoardKey &key);
    TileView &tile(int n) const;

    BoardView &view_;
    Placement &placement_;
    const Game &game_;
    bool boardFocused_ = false; // the keyboard focus is on the board
    int focused_ = 0;
    int picked_ = 0;
    int target_ = 0;         // the target of the gesture under way, 0 for none yet
    int lastTarget_ = 1;     // where the next keyboard pick-up aims first
    int savedInterval_ = 0;  // restored after a drop, as a release restores a press's
    int intervalBefore_ = 0; // restored when the tile is put back
    int putBackByPress_ = 0; // the picked tile that the last press on it put back
    int typeAheadPauseMs_;
    std::u32string typed_;
    std::int64_t typedAtMs_ = 0; // when typed_ last grew
};
