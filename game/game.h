#pragma once

#include "game/board.h"
#include "game/tileview.h"

#include <array>
#include <cstdint>
#include <vector>

class BoardView;

// What one correction found, as the pupil's board stood when it was pressed.
struct CorrectionMade
{
    std::int64_t timeMs = 0; // when, in milliseconds since 1970 (UTC)
    std::int32_t game = 0;   // the game number, GameCount
    std::int32_t hits = 0;
    std::int32_t judged = 0; // cells judged: every cell of the table, 114 or 118
    // cellOf[n]: the cell tile n stood on (n itself is its own cell), 0 when it stood on no
    // cell; indexed 1..judged.
    std::array<std::int32_t, board::kMaxElementCount + 1> cellOf{};
};

// The state of the exercise and the operations that deal, reveal and correct a game. It
// drives the window only through BoardView and TileView, so it runs without one; the tiles
// are the view's. Its state changes only through these operations: HitTotal and
// CellsCounted only grow, and nothing but a new Game resets them.
class Game
{
public:
    // DealOrder[i] is the tray slot of tile i; indexed 1 to the table's size.
    using Deal = std::array<std::int32_t, board::kMaxElementCount + 1>;

    // `handlers` are the main window's reactions that every dealt tile gets attached.
    Game(BoardView &view, TileHandlers &handlers, board::Table table = board::Table::Classic);

    board::Table table() const { return table_; }
    // The tiles, cells and tray slots in play, 114 or 118; they are numbered from 1.
    int elementCount() const { return count_; }
    const Deal &DealOrder() const { return dealOrder_; }
    std::int32_t HitTotal() const { return hitTotal_; }
    std::int32_t CellsCounted() const { return cellsCounted_; }
    std::int32_t GameCount() const { return gameCount_; }
    bool Corrected() const { return corrected_; }
    int hitPercentage() const;
    // Whether the congratulation shows: from a correction that passes its threshold until the
    // next new board.
    bool congratulated() const { return congratulated_; }
    // Whether a tile moved over the board lights the cell under it: until the correction,
    // which detaches that reaction from every tile.
    bool hoverLightsCells() const { return !corrected_; }
    // The corrections made since the results were last sent, or since start, oldest first.
    const std::vector<CorrectionMade> &correctionsNotSent() const { return notSent_; }
    // The last correction made, sent or not; nullptr before the first.
    const CorrectionMade *lastCorrection() const { return hasCorrected_ ? &last_ : nullptr; }

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

    // The results were sent: the corrections so far belong to that send.
    void markCorrectionsSent() { notSent_.clear(); }

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
    board::Table table_;
    int count_;
    Deal dealOrder_{};
    std::int32_t hitTotal_ = 0;
    std::int32_t cellsCounted_ = 0;
    std::int32_t gameCount_ = 0;
    bool corrected_ = false;
    std::vector<CorrectionMade> notSent_;
    CorrectionMade last_;
    bool hasCorrected_ = false;
    bool congratulated_ = false;
};
