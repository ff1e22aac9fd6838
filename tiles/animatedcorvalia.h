#pragma once

#include "game/tileview.h"

#include <QBasicTimer>
#include <QImage>
#include <QWidget>

#include <cstdint>

// Pure arithmetic of the tile, kept apart so that tests can call it directly.
namespace corvalia {

// a x b / c on 32-bit integers, the division in floating point truncated toward zero;
// 0 when c is 0.
std::int32_t ScaledDivide(std::int32_t a, std::int32_t b, std::int32_t c);

// What one paint computes from the bitmap size and the picture grid. A grid without columns
// or rows has no pictures: the sizes come out 0 and the index is left as it was.
struct PictureSelection
{
    quint16 setWidth = 0;
    quint16 setHeight = 0;
    quint16 activePicture = 0; // forward play folds an index past the last picture to 0
    quint16 sourceX = 0;
    quint16 sourceY = 0;
};
PictureSelection SelectPicture(int bitmapWidth, int bitmapHeight, quint16 columns, quint16 rows,
                               quint16 activePicture, bool reversePlay);

// The picture index after one tick (no folding: the paint folds forward play).
quint16 NextPicture(quint16 activePicture, quint16 columns, quint16 rows, bool reversePlay);

// One axis of one drift step: snap when 30 px or closer, otherwise step toward the
// destination and take the step back if it overshot. step is in pixels (10..34).
std::int32_t DriftAxis(std::int32_t position, std::int32_t destiny, std::int32_t step);

inline constexpr int kSnapDistance = 30; // pixels
inline constexpr int kMinStep = 10;      // pixels per tick
inline constexpr int kStepRange = 25;    // steps are kMinStep .. kMinStep + kStepRange - 1

} // namespace corvalia

// The element tile: a lightweight child widget that shows one picture of a bitmap it owns,
// steps through the pictures and drifts toward (DestinyX, DestinyY) on its own timer, and
// follows the pointer while a button is held on it. It knows nothing of the game.
//
// Its pointer events go out as signals, in a fixed order: mouseMoved before the tile applies
// the move, and mouseUp after Accepted has been cleared and before the saved Interval is
// restored. The game's move and release reactions (OnMouseMove, OnMouseUp), set through
// TileView, run as those signals go out, before any receiver of them.
class TAnimatedCorvalia : public QWidget, public TileView
{
    Q_OBJECT

public:
    explicit TAnimatedCorvalia(QWidget *owner = nullptr);
    ~TAnimatedCorvalia() override;

    quint16 ActivePicture() const { return activePicture_; }
    void setActivePicture(quint16 value);
    quint16 Columns() const { return columns_; }
    void setColumns(int value) override;
    quint16 Rows() const { return rows_; }
    void setRows(int value) override;
    int Interval() const override { return interval_; }
    void setInterval(int ms) override;
    // The tile's own bitmap; writing copies the given one.
    const QImage &Bitmap() const { return bitmap_; }
    void setBitmap(const QImage &bitmap);
    bool ReversePlay() const { return reversePlay_; }
    void setReversePlay(bool value) override { reversePlay_ = value; }
    // Reading gives one picture's size as the last paint computed it; writing sets the
    // control's width (height) and paints at once, which recomputes it.
    quint16 SetWidth() const { return setWidth_; }
    void setSetWidth(quint16 value);
    quint16 SetHeight() const { return setHeight_; }
    void setSetHeight(quint16 value);
    std::int32_t DestinyX() const override { return destinyX_; }
    void setDestinyX(std::int32_t value) override { destinyX_ = value; }
    std::int32_t DestinyY() const override { return destinyY_; }
    void setDestinyY(std::int32_t value) override { destinyY_ = value; }
    std::int32_t NumVista() const override { return numVista_; }
    void setNumVista(std::int32_t value) override { numVista_ = value; }
    bool Accepted() const override { return accepted_; }
    void setAccepted(bool value) override { accepted_ = value; }

    bool timerActive() const { return FTimer.isActive(); }
    bool isOpaqueMarked() const;

    // TileView
    void setTileEnabled(bool enabled) override { setEnabled(enabled); }
    void setTileVisible(bool visible) override { setVisible(visible); }
    void setLeft(std::int32_t left) override;
    void setTop(std::int32_t top) override;
    std::int32_t Left() const override { return x(); }
    std::int32_t Top() const override { return y(); }
    std::int32_t Width() const override { return width(); }
    std::int32_t Height() const override { return height(); }
    void setOnMouseMove(Handler handler) override;
    void setOnMouseUp(Handler handler) override;
    bool hasMoveReaction() const { return bool(moveReaction_); }
    void sendToBack() override { lower(); }
    void requestRepaint() override { update(); }
    void setFocusMark(bool shown) override;
    bool focusMark() const { return focusMark_; }
    // Picked up without dragging: a screen reader shows the tile selected. Nothing is drawn.
    void setPickedMark(bool picked) { pickedMark_ = picked; }
    bool pickedMark() const { return pickedMark_; }
    // A small picture drawn over every picture the tile shows, its top-left corner at `at`
    // in the tile's pixels; a null picture draws nothing.
    void setOverlay(const QImage &picture, QPoint at);

    static constexpr int kTapSlop = 4; // pixels, along both axes together

    // One tick of FTimer: next picture, one drift step, paint. Public so benchmarks and
    // tests can drive it without waiting.
    void TimerTick();

    // Ends a drag whose release will never come (a window opened over the tile's own and
    // took it): the tile is let go where it stands, with the release reactions and no tap.
    void endDrag();

signals:
    // A press of any button, before the tile starts dragging.
    void mouseDown();
    void mouseMoved();
    void mouseUp();
    // A press and release of the primary button that moved the pointer no more than
    // kTapSlop pixels: a click, or a tap of a finger. Raised after the release reactions.
    void tapped();

protected:
    void paintEvent(QPaintEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void BitmapChanged();
    // False for an empty bitmap or a grid without columns or rows: nothing to show.
    bool hasPictures() const;
    // Picks the picture to show and sizes the tile to it; true when the source rectangle
    // of the bitmap changed.
    bool selectPicture();
    // "Paint at once": selects the picture and resizes now, then asks for a repaint if
    // anything visible changed.
    void paintNow();
    // Emits one of the tile's signals; false when a receiver deleted the tile.
    // Runs the game's reaction, if any, then emits the signal; false when either deleted the
    // tile.
    bool raiseEvent(void (TAnimatedCorvalia::*signal)(), const Handler &reaction = {});
    // The release reactions: false when the handler deleted the tile.
    bool release();

    Handler moveReaction_; // the game's OnMouseMove, run before mouseMoved goes out
    Handler upReaction_;   // and its OnMouseUp, before mouseUp
    QBasicTimer FTimer;
    QImage bitmap_;
    quint16 activePicture_ = 0;
    quint16 columns_ = 1;
    quint16 rows_ = 1;
    quint16 interval_ = 0;
    bool reversePlay_ = false;
    quint16 setWidth_ = 0;
    quint16 setHeight_ = 0;
    std::int32_t destinyX_ = 0;
    std::int32_t destinyY_ = 0;
    std::int32_t numVista_ = 0;
    bool accepted_ = false;
    quint16 FSavedInterval = 0;
    bool FDragging = false;
    bool focusMark_ = false;
    bool pickedMark_ = false;
    QImage overlay_;
    QPoint overlayAt_;
    QPointF pressedAt_; // global pointer position at the last press of the primary button
    bool tapPossible_ = false;
    quint16 FGrabX = 0;
    quint16 FGrabY = 0;
    quint16 FSourceX = 0;
    quint16 FSourceY = 0;
};
