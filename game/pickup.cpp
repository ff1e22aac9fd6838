#include "game/pickup.h"

#include "game/boardview.h"
#include "game/elements.h"
#include "game/game.h"
#include "game/tileview.h"
#include "game/placement.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace {
// Symbols are plain ASCII, so typed letters are compared with them in ASCII's cases alone.
char32_t folded(char32_t c)
{
    return c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c;
}

// Whether the text spells the symbol, or with `whole` false, its beginning.
bool spells(std::u32string_view text, std::string_view symbol, bool whole)
{
    if (text.size() > symbol.size() || (whole && text.size() != symbol.size()))
        return false;
    return std::equal(text.begin(), text.end(), symbol.begin(), [](char32_t t, char s) {
        return folded(t) == folded(static_cast<unsigned char>(s));
    });
}

std::string_view symbolOf(const Game &game, int n)
{
    return elements::element(n, game.table()).symbol;
}

// The tile whose symbol is the text, else the first whose symbol starts with it; 0 for none.
int tileSpelled(const Game &game, std::u32string_view text)
{
    int prefixed = 0;
    for (int n = 1; n <= game.elementCount(); ++n) {
        if (spells(text, symbolOf(game, n), true))
            return n;
        if (!prefixed && spells(text, symbolOf(game, n), false))
            prefixed = n;
    }
    return prefixed;
}

// The first tile after `after`, in element order and round again, whose symbol starts with
// the letter; 0 for none.
int nextStartingWith(const Game &game, char32_t letter, int after)
{
    const int count = game.elementCount();
    for (int i = 1; i <= count; ++i) {
        const int n = (after + i - 1) % count + 1;
        if (spells(std::u32string_view(&letter, 1), symbolOf(game, n), false))
            return n;
    }
    return 0;
}

bool oneLetterRepeated(std::u32string_view text)
{
    return text.size() > 1 && std::all_of(text.begin(), text.end(), [&](char32_t c) {
               return folded(c) == folded(text.front());
           });
}
} // namespace

Pickup::Pickup(BoardView &view, Placement &placement, const Game &game, int typeAheadPauseMs)
    : view_(view), placement_(placement), game_(game), typeAheadPauseMs_(typeAheadPauseMs)
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
        return std::array{t.Top() >= board::kTrayTop ? 0 : 1, t.Top() / board::kCellSize,
                          t.Left()};
    };
    int found = 0;
    for (int n = 1; n <= game_.elementCount(); ++n)
        if (!tile(n).Accepted() && (found == 0 || (order(n) < order(found)) != last))
            found = n;
    return found ? found : 1;
}

int Pickup::nearestTile(int dx, int dy) const
{
    const int count = game_.elementCount();
    std::array<board::Point, board::kMaxElementCount> corners{};
    for (int n = 1; n <= count; ++n)
        corners[n - 1] = {tile(n).Left(), tile(n).Top()};
    const TileView &from = tile(focused_);
    // The focused tile itself lies in no direction from itself.
    const int found =
        board::nearestInDirection(corners.data(), count, {from.Left(), from.Top()}, dx, dy);
    return found < 0 ? focused_ : found + 1;
}

// Type-ahead as in a list: "F" then "e" finds Fe, and an exact symbol wins over longer ones
// ("S" is sulphur, not silicon). The same letter again goes on to the next symbol that starts
// with it, however long the pause, so a pupil who listens to each symbol first can step
// through them; another letter after a pause starts afresh.
int Pickup::tileForTypedText(const BoardKey &key)
{
    if (key.timeMs - typedAtMs_ > typeAheadPauseMs_ &&
        !oneLetterRepeated(typed_ + key.text))
        typed_.clear();
    typedAtMs_ = key.timeMs;
    typed_ += key.text;
    if (const int n = tileSpelled(game_, typed_))
        return n;
    if (oneLetterRepeated(typed_))
        return nextStartingWith(game_, typed_.front(), focused_);
    typed_ = key.text;
    return tileSpelled(game_, typed_);
}

// A cell number typed digit by digit while a tile is picked up: "2" then "6" is cell 26; a
// digit after a pause starts a new number.
int Pickup::cellForTypedNumber(const BoardKey &key)
{
    if (key.timeMs - typedAtMs_ > typeAheadPauseMs_)
        typed_.clear();
    typedAtMs_ = key.timeMs;
    typed_ += key.text;
    int number = 0;
    for (char32_t digit : typed_)
        number = std::min(number * 10 + int(digit - U'0'), game_.elementCount() + 1);
    return number <= game_.elementCount() ? number : 0;
}

bool Pickup::key(const BoardKey &key)
{
    using Kind = BoardKey::Kind;
    if (!boardFocused_)
        enterBoard();
    if (key.chord)
        return false;
    if (key.kind != Kind::Letter && key.kind != Kind::Digit)
        typed_.clear(); // a search goes on only from letter to letter, or digit to digit
    int dx = 0, dy = 0;
    switch (key.kind) {
    case Kind::Left:
        dx = -1;
        break;
    case Kind::Right:
        dx = 1;
        break;
    case Kind::Up:
        dy = -1;
        break;
    case Kind::Down:
        dy = 1;
        break;
    case Kind::Drop:
        if (!picked_)
            pickUp(focused_, true);
        else if (target_)
            drop();
        else // picked up by a click: the keys aim from the last target
            setTarget(lastTarget_);
        return true;
    case Kind::Escape:
        if (!picked_)
            return false;
        putBack();
        return true;
    case Kind::Home:
        if (picked_)
            setTarget(1);
        else
            focusTile(trayEnd(false));
        return true;
    case Kind::End:
        if (picked_)
            setTarget(game_.elementCount());
        else
            focusTile(trayEnd(true));
        return true;
    case Kind::Letter:
        if (picked_)
            return false;
        if (const int n = tileForTypedText(key))
            focusTile(n);
        else // a letter pressed again is said once, as it was typed
            view_.announceNotFound(oneLetterRepeated(typed_) ? typed_.substr(0, 1) : typed_,
                                   false);
        return true;
    case Kind::Digit:
        if (!picked_)
            return false;
        if (const int cell = cellForTypedNumber(key))
            setTarget(cell);
        else
            view_.announceNotFound(typed_, true);
        return true;
    case Kind::Other:
        return false;
    }
    if (picked_ && !target_) {
        setTarget(lastTarget_);
        return true;
    }
    // At the edge of the tray or the table the arrow stays put, and a reader is told why.
    const int from = picked_ ? target_ : focused_;
    const int to = picked_ ? board::cellInDirection(target_, dx, dy, game_.elementCount())
                           : nearestTile(dx, dy);
    if (to == from)
        view_.announceEdge(dx, dy, picked_ != 0);
    else if (picked_)
        setTarget(to);
    else
        focusTile(to);
    return true;
}

void Pickup::pickUp(int n, bool withTarget)
{
    putBack();
    if (focused_ != n) // the tile in focus is not told again
        focusTile(n);
    picked_ = n;
    view_.announcePicked(n);
    // As a press does: the picked tile stops drifting until it is put down. A pointer
    // reaching for it would have stopped every tile's timer on the way before the
    // correction, so the press would save 0; after it, the interval the tile has.
    TileView &t = tile(n);
    intervalBefore_ = t.Interval();
    savedInterval_ = game_.hoverLightsCells() ? 0 : intervalBefore_;
    t.setInterval(0);
    for (int cell = 1; cell <= game_.elementCount(); ++cell)
        view_.setPanelColour(cell, board::kEmptyCellColour);
    if (withTarget)
        setTarget(lastTarget_);
}

void Pickup::setTarget(int cell, bool announced)
{
    if (target_ && target_ != cell)
        view_.setPanelColour(target_, board::kEmptyCellColour);
    target_ = cell;
    view_.setPanelColour(cell, board::kLitCellColour);
    view_.showTarget(cell);
    if (announced)
        view_.announceCell(cell);
}

void Pickup::keepTargetLit()
{
    if (target_)
        view_.setPanelColour(target_, board::kLitCellColour);
}

// The gesture leaves neither the lit target nor its mark behind.
void Pickup::endGesture()
{
    if (std::exchange(picked_, 0))
        view_.announcePicked(0);
    if (!target_)
        return;
    view_.setPanelColour(target_, board::kEmptyCellColour);
    view_.showTarget(0);
    lastTarget_ = std::exchange(target_, 0);
}

void Pickup::drop()
{
    const int n = picked_;
    const int cell = target_;
    TileView &t = tile(n);
    // The tile arrives on the target as the last move of a drag would bring it, then is
    // released there: the window's own reactions place it and send the owner home.
    const board::Point corner = board::cellCorner(cell);
    t.setLeft(corner.x);
    t.setTop(corner.y);
    if (game_.hoverLightsCells())
        placement_.almovermouse(t);
    t.setAccepted(false);
    placement_.alSoltarmouse(t);
    if (savedInterval_ != 0)
        t.setInterval(savedInterval_);
    endGesture();
    view_.announcePlaced(cell, n);
    clearFocus();
    if (boardFocused_)
        focusTile(trayEnd(false));
}

void Pickup::putBack()
{
    if (!picked_)
        return;
    TileView &t = tile(picked_);
    endGesture();
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
    // A press is the pointer arriving on the tile, even on a tile that drifted under a still
    // pointer with no move to tell of it: as a hover would have, it stops every tile before
    // the tile saves its interval, so a tile placed by this press's drag stays placed.
    if (game_.hoverLightsCells())
        placement_.almovermouse(tile(n));
}

void Pickup::tileTapped(int n)
{
    if (std::exchange(putBackByPress_, 0) != n)
        pickUp(n, false);
}

bool Pickup::pressAt(board::Point p)
{
    if (!picked_)
        return false;
    // Wherever a blank cell catches the click, its edge lines too, the tile goes there.
    const int cell = board::cellCovering(p.x, p.y, game_.elementCount());
    if (!cell)
        return false;
    setTarget(cell, false); // the drop right after it tells the cell
    drop();
    return true;
}
