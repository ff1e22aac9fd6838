#pragma once

#include <cstdint>
#include <functional>

// An element tile as the game sees it. The real tile widget implements this; tests use a
// fake that only keeps state. Setters behave like the tile's properties: writing the value
// already stored changes nothing.
class TileView
{
public:
    // A tile's mouse-move or mouse-up handler; the pointer data are not needed by the game.
    using Handler = std::function<void(TileView &sender)>;

    virtual ~TileView() = default;

    virtual void setColumns(int columns) = 0;
    virtual void setRows(int rows) = 0;
    virtual void setNumVista(std::int32_t value) = 0;
    virtual std::int32_t NumVista() const = 0;
    virtual void setDestinyX(std::int32_t x) = 0;
    virtual void setDestinyY(std::int32_t y) = 0;
    virtual std::int32_t DestinyX() const = 0;
    virtual std::int32_t DestinyY() const = 0;
    // Milliseconds; 0 stops the tile's timer, any other value is its period.
    virtual void setInterval(int ms) = 0;
    virtual int Interval() const = 0;
    virtual void setReversePlay(bool reverse) = 0;
    virtual void setAccepted(bool accepted) = 0;
    virtual bool Accepted() const = 0;

    virtual void setTileEnabled(bool enabled) = 0;
    virtual void setTileVisible(bool visible) = 0;
    virtual void setLeft(std::int32_t left) = 0;
    virtual void setTop(std::int32_t top) = 0;
    virtual std::int32_t Left() const = 0;
    virtual std::int32_t Top() const = 0;
    virtual std::int32_t Width() const = 0;
    virtual std::int32_t Height() const = 0;

    // Attaching an empty handler detaches it.
    virtual void setOnMouseMove(Handler handler) = 0;
    virtual void setOnMouseUp(Handler handler) = 0;

    virtual void sendToBack() = 0;
    virtual void requestRepaint() = 0;
    // The ring that shows which tile has the keyboard focus.
    virtual void setFocusMark(bool shown) = 0;
};

// The main window's reactions to a tile's pointer events. The game attaches them to every
// tile it deals and detaches the move reaction when it corrects.
class TileHandlers
{
public:
    virtual ~TileHandlers() = default;
    virtual void almovermouse(TileView &sender) = 0;
    virtual void alSoltarmouse(TileView &sender) = 0;
};
