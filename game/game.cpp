#include "game/game.h"

#include "game/boardview.h"
#include "game/random.h"
#include "game/scoring.h"

#include <chrono>
#include <numeric>

namespace {
constexpr int kDealtTileSize = 38;  // a deal keeps the top-left 38 x 38 of each 40 x 40 square
constexpr int kReloadTileSize = board::kStripPicture; // the strip reload keeps it whole
// Milliseconds per step of a tile moving on its own to where a deal or a correction sends
// it: its tray slot, or its own cell.
constexpr int kSettlingInterval = 100;
// The strip reload sends the first 12 tiles back to the tray...
constexpr int kReloadedTiles = 12;
// ...and counts 12 more cells judged.
constexpr int kReloadCellsCounted = 12;
} // namespace

Game::Game(BoardView &view, TileHandlers &handlers, board::Table table)
    : view_(view), handlers_(handlers), table_(table), count_(board::elementCount(table))
{
}

TileView::Handler Game::almovermouse() const
{
    return [&handlers = handlers_](TileView &sender) { handlers.almovermouse(sender); };
}

// A release is judged where it happens: until the correction, the cell under the tile is lit
// again from where the tile stands, so a last move merged into the release by a quick hand
// lands the tile where a slow drag would.
TileView::Handler Game::alSoltarmouse() const
{
    return [this](TileView &sender) {
        if (hoverLightsCells())
            handlers_.almovermouse(sender);
        handlers_.alSoltarmouse(sender);
    };
}

void Game::baraja()
{
    Random &random = Random::shared();
    random.reseed();
    Deal pool{};
    std::iota(pool.begin(), pool.end(), 0);
    for (int n = count_; n >= 1; --n) {
        const auto r = static_cast<int>(random.below(static_cast<std::uint32_t>(n)));
        dealOrder_[n] = pool[r + 1];
        pool[r + 1] = pool[n];
    }
}

void Game::FormCreate()
{
    baraja();
    hitTotal_ = 0;
    cellsCounted_ = 0;
    gameCount_ = 1;
    // The tray slot table is constant (board::kTraySlots), so there is nothing to fill.
    placeCellsAndFrames(false, false);
    for (int i = 1; i <= count_; ++i) {
        view_.createTile(i);
        TileView &tile = view_.tile(i);
        tile.setOnMouseMove(almovermouse());
        tile.setOnMouseUp(alSoltarmouse());
        tile.setColumns(1);
        tile.setRows(1);
        setUpTile(i);
    }
    moveTilesToTheirSlots();
    corrected_ = false;
}

void Game::NuevoTablero()
{
    baraja();
    placeCellsAndFrames(true, true);
    RestaurarPaneles(); // no cell lit by the last game's drags
    for (int i = 1; i <= count_; ++i) {
        TileView &tile = view_.tile(i);
        tile.setAccepted(false);
        tile.setOnMouseMove(almovermouse());
        tile.setOnMouseUp(alSoltarmouse());
        setUpTile(i);
    }
    moveTilesToTheirSlots();
    corrected_ = false;
}

void Game::startNextGame()
{
    congratulated_ = false;
    view_.setCongratulationVisible(false);
    NuevoTablero();
    ++gameCount_;
    view_.setVecesCaption(gameCount_);
}

void Game::revealCells()
{
    if (!corrected_)
        for (int n = 1; n <= count_; ++n)
            view_.setPanelVisible(n, true);
    view_.setTimer1Enabled(false);
    RestaurarPaneles();
}

void Game::correct()
{
    if (corrected_)
        return;
    std::int32_t hits = 0;
    cellsCounted_ += count_;
    CorrectionMade made;
    made.timeMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::system_clock::now().time_since_epoch())
                      .count();
    made.game = gameCount_;
    made.judged = count_;
    for (int n = 1; n <= count_; ++n) {
        TileView &tile = view_.tile(n);
        made.cellOf[n] = board::cellWithCorner({tile.Left(), tile.Top()}, count_);
        tile.setOnMouseMove({});
        view_.setPanelVisible(n, false);
        view_.setShapeVerdict(n, made.cellOf[n] == n);
        if (made.cellOf[n] == n) {
            ++hits;
            view_.setShapeVisible(n, true);
            view_.setShapePen(n, board::kRightFrameColour);
        } else {
            view_.setShapeVisible(n, true);
            view_.bringShapeToFront(n);
        }
        tile.sendToBack();
        const board::Point home = board::cellCorner(tile.NumVista());
        tile.setDestinyX(home.x);
        tile.setDestinyY(home.y);
        tile.setInterval(kSettlingInterval);
    }
    corrected_ = true;
    hitTotal_ += hits;
    made.hits = hits;
    notSent_.push_back(made);
    last_ = made;
    hasCorrected_ = true;
    view_.setContadorCaption(hitTotal_);
    view_.setGaugeProgress(hitPercentage());
    if (hitTotal_ > scoring::congratulationThreshold(count_)) {
        congratulated_ = true;
        view_.setCongratulationVisible(true);
    }
}

void Game::RestaurarPaneles()
{
    for (int n = 1; n <= count_; ++n)
        view_.setPanelColour(n, board::kEmptyCellColour);
    for (int n = 1; n <= count_; ++n)
        view_.setShapeVisible(n, false);
}

void Game::prepareStripReload()
{
    for (int i = 1; i <= kReloadedTiles; ++i) {
        view_.tile(i).setOnMouseMove(almovermouse());
        aimAtSlot(i);
    }
    corrected_ = false;
    view_.setTimer1Enabled(true);
}

void Game::LeerVistas()
{
    baraja();
    for (int n = 1; n <= count_; ++n)
        cutAndAim(n, kReloadTileSize);
    moveTilesToTheirSlots();
    cellsCounted_ += kReloadCellsCounted;
}

int Game::hitPercentage() const
{
    return scoring::hitPercentage(hitTotal_, cellsCounted_);
}

void Game::placeCellsAndFrames(bool showCells, bool resetFrames)
{
    for (int n = 1; n <= count_; ++n) {
        view_.setPanelPos(n, board::cellCorner(n));
        view_.setPanelVisible(n, showCells);
    }
    for (int n = 1; n <= count_; ++n) {
        view_.setShapePos(n, board::frameCorner(n));
        if (resetFrames) {
            view_.setShapePen(n, board::kWrongFrameColour);
            view_.setShapeVisible(n, false);
        }
    }
}

// Steps shared by the first deal and every new one, for tile i.
void Game::setUpTile(int i)
{
    cutAndAim(i, kDealtTileSize);
    TileView &tile = view_.tile(i);
    tile.setReversePlay(false);
    tile.setTileEnabled(true);
    tile.setTileVisible(true);
}

// Gives tile i its picture, cut size x size from the strip, and sends it toward its slot.
void Game::cutAndAim(int i, int size)
{
    view_.cutTileBitmap(i, size);
    TileView &tile = view_.tile(i);
    tile.setNumVista(i);
    aimAtSlot(i);
    tile.setInterval(kSettlingInterval);
}

void Game::aimAtSlot(int i)
{
    const board::Point slot = board::traySlot(dealOrder_[i]);
    view_.tile(i).setDestinyX(slot.x);
    view_.tile(i).setDestinyY(slot.y);
}

void Game::moveTilesToTheirSlots()
{
    for (int i = 1; i <= count_; ++i) {
        const board::Point slot = board::traySlot(dealOrder_[i]);
        TileView &tile = view_.tile(i);
        tile.setLeft(slot.x);
        tile.setTop(slot.y);
        tile.setTileVisible(true);
    }
}
