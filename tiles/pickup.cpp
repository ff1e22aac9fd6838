#include "tiles/pickup.h"

#include "game/boardview.h"
#include "game/elements.h"
#include "game/game.h"
#include "game/tileview.h"
#include "tiles/placement.h"

#include <algorithm>
#include <array>

using board::kElementCount;

namespace {
constexpr int kTypeAheadMs = 1000; // letters typed closer together than this spell one symbol

constexpr int kTrayTop = 370; // the tray below the table starts here, in pixels
} // namespace

Pickup::Pickup(BoardView &view, Placement &placement, const Game &game)
    : view_(view), placement_(placement), game_(game)
{
}

TileView &Pickup::tile(int n) const
{
    return view_.tile(n);
}

void Pickup::enterBoard()
{
    boardFocused_ = true;
    focusTile(trayEnd(false));
}

void Pickup::leaveBoard()
{
    boardFocused_ = false;
    putBack();
    clearFocus();
}

void Pickup::clearFocus()
{
    if (focused_)
        tile(focused_).setFocusMark(false);
    focused_ = 0;
}

void Pickup::focusTile(int n)
{
    if (n == 0)
        return;
    if (focused_ && focused_ != n)
        tile(focused_).setFocusMark(false);
    focused_ = n;
    tile(n).setFocusMark(true);
    view_.announceTile(n);
}

// Tiles not placed, in reading order: the tray below the table row by row, then the others.
int Pickup::trayEnd(bool last) const
{
    const auto order = [this](int n) {
        const TileView &t = tile(n);
        return std::array{t.Top() >= kTrayTop ? 0 : 1, t.Top() / board::kCellSize, t.Left()};
    };
    int found = 0;
    for (int n = 1; n <= kElementCount; ++n)
        if (!tile(n).Accepted() && (found == 0 || (order(n) < order(found)) != last))
            found = n;
    return found ? found : 1;
}

int Pickup::nearestTile(int dx, int dy) const
{
    std::array<board::Point, kElementCount> corners{};
    for (int n = 1; n <= kElementCount; ++n)
        corners[n - 1] = {tile(n).Left(), tile(n).Top()};
    const TileView &from = tile(focused_);
    // The focused tile itself lies in no direction from itself.
    const int found =
        board::nearestInDirection(corners.data(), kElementCount, {from.Left(), from.Top()}, dx, dy);
    return found < 0 ? focused_ : found + 1;
}

// Type-ahead as in a list: "F" then "e" finds Fe; a letter after a pause starts afresh.
int Pickup::tileForTypedText(const QString &text)
{
    if (!typedAt_.isValid() || typedAt_.elapsed() > kTypeAheadMs)
        typed_.clear();
    typedAt_.restart();
    typed_ += text;
    const auto match = [](const QString &prefix) {
        for (int n = 1; n <= kElementCount; ++n) {
            const QString symbol =
                QString::fromUtf8(elements::kTable[n - 1].symbol.data(),
                                  qsizetype(elements::kTable[n - 1].symbol.size()));
            if (symbol.startsWith(prefix, Qt::CaseInsensitive))
                return n;
        }
        return 0;
    };
    if (const int n = match(typed_))
        return n;
    typed_ = text;
    return match(typed_);
}

bool Pickup::key(int qtKey, Qt::KeyboardModifiers modifiers, const QString &text)
{
    if (!boardFocused_)
        enterBoard();
    if (modifiers & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier))
        return false;
    int dx = 0, dy = 0;
    switch (qtKey) {
    case Qt::Key_Left:
        dx = -1;
        break;
    case Qt::Key_Right:
        dx = 1;
        break;
    case Qt::Key_Up:
        dy = -1;
        break;
    case Qt::Key_Down:
        dy = 1;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (picked_)
            drop();
        else
            pickUp(focused_);
        return true;
    case Qt::Key_Escape:
        if (!picked_)
            return false;
        putBack();
        return true;
    case Qt::Key_Home:
        if (!picked_)
            focusTile(trayEnd(false));
        return true;
    case Qt::Key_End:
        if (!picked_)
            focusTile(trayEnd(true));
        return true;
    default:
        if (picked_ || text.isEmpty() || !text.at(0).isLetter())
            return false;
        if (const int n = tileForTypedText(text))
            focusTile(n);
        return true;
    }
    if (picked_)
        setTarget(board::cellInDirection(target_, dx, dy));
    else
        focusTile(nearestTile(dx, dy));
    return true;
}

void Pickup::pickUp(int n)
{
    putBack();
    focusTile(n);
    picked_ = n;
    // As a press does: the picked tile stops drifting until it is put down. A pointer
    // reaching for it would have stopped every tile's timer on the way before the
    // correction, so the press would save 0; after it, the interval the tile has.
    TileView &t = tile(n);
    intervalBefore_ = t.Interval();
    savedInterval_ = game_.Corrected ? intervalBefore_ : 0;
    t.setInterval(0);
    for (int cell = 1; cell <= kElementCount; ++cell)
        view_.setPanelColour(cell, board::kEmptyCellColour);
    setTarget(target_);
}

void Pickup::setTarget(int cell)
{
    if (target_ != cell)
        view_.setPanelColour(target_, board::kEmptyCellColour);
    target_ = cell;
    view_.setPanelColour(cell, board::kLitCellColour);
    view_.announceCell(cell);
}

void Pickup::drop()
{
    const int n = std::exchange(picked_, 0);
    TileView &t = tile(n);
    // The tile arrives on the target as the last move of a drag would bring it, then is
    // released there: the window's own reactions place it and send the owner home.
    const board::Point corner = board::cellCorner(target_);
    t.setLeft(corner.x);
    t.setTop(corner.y);
    if (!game_.Corrected) // the correction detaches the move reaction
        placement_.almovermouse(t);
    t.setAccepted(false);
    placement_.alSoltarmouse(t);
    if (savedInterval_ != 0)
        t.setInterval(savedInterval_);
    view_.announcePlaced(target_, n);
    clearFocus();
    if (boardFocused_)
        focusTile(trayEnd(false));
}

void Pickup::putBack()
{
    if (!picked_)
        return;
    TileView &t = tile(std::exchange(picked_, 0));
    view_.setPanelColour(target_, board::kEmptyCellColour);
    t.setInterval(intervalBefore_);
    if (!boardFocused_)
        clearFocus();
    else if (focused_)
        view_.announceTile(focused_);
}

void Pickup::tilePressed(int n)
{
    putBackByPress_ = picked_ == n ? n : 0;
    putBack();
}

void Pickup::tileTapped(int n)
{
    if (std::exchange(putBackByPress_, 0) != n)
        pickUp(n);
}

bool Pickup::cellClicked(int n)
{
    if (!picked_)
        return false;
    setTarget(n);
    drop();
    return true;
}
