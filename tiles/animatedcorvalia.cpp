#include "tiles/animatedcorvalia.h"

#include "game/random.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QTimerEvent>

#include <cmath>
#include <cstdlib>

namespace corvalia {

namespace {
// Keeps the low 32 bits of a wider value, as 32-bit integer arithmetic would.
std::int32_t wrap32(std::int64_t value)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}
} // namespace

std::int32_t ScaledDivide(std::int32_t a, std::int32_t b, std::int32_t c)
{
    if (c == 0)
        return 0;
    const std::int32_t product = wrap32(std::int64_t{a} * b);
    const double quotient = std::trunc(static_cast<double>(product) / c);
    // Only INT_MIN / -1 leaves the 32-bit range; it wraps like the product does.
    return wrap32(static_cast<std::int64_t>(quotient));
}

PictureSelection SelectPicture(int bitmapWidth, int bitmapHeight, quint16 columns, quint16 rows,
                               quint16 activePicture, bool reversePlay)
{
    PictureSelection selection;
    selection.activePicture = activePicture;
    // A grid without columns or rows has no pictures; the tile draws nothing then.
    if (columns == 0 || rows == 0)
        return selection;

    selection.setWidth = static_cast<quint16>(bitmapWidth / columns);
    selection.setHeight = static_cast<quint16>(bitmapHeight / rows);

    const std::uint32_t pictureCount = std::uint32_t{columns} * rows;
    std::uint32_t shown = activePicture;
    if (!reversePlay) {
        if (activePicture >= pictureCount)
            selection.activePicture = 0;
        shown = selection.activePicture;
    } else if (shown >= pictureCount) {
        // Scanning backwards from the last picture stops at the first index not above the
        // active one: the last picture itself whenever the index lies beyond the grid.
        shown = pictureCount - 1;
    }
    selection.sourceX = static_cast<quint16>((shown % columns) * selection.setWidth);
    selection.sourceY = static_cast<quint16>((shown / columns) * selection.setHeight);
    return selection;
}

quint16 NextPicture(quint16 activePicture, quint16 columns, quint16 rows, bool reversePlay)
{
    if (!reversePlay)
        return static_cast<quint16>(activePicture + 1);
    if (activePicture == 0)
        return static_cast<quint16>(std::uint32_t{columns} * rows - 1);
    return static_cast<quint16>(activePicture - 1);
}

std::int32_t DriftAxis(std::int32_t position, std::int32_t destiny, std::int32_t step)
{
    std::int64_t at = position;
    const std::int64_t target = destiny;
    if (std::abs(target - at) <= kSnapDistance)
        at = target;
    if (at < target)
        at += step;
    // Tested again after the step: an overshoot is taken back with the same step.
    if (at > target)
        at -= step;
    return wrap32(at);
}

} // namespace corvalia

TAnimatedCorvalia::TAnimatedCorvalia(QWidget *owner) : QWidget(owner)
{
    // A lightweight child: it never asks for a native window, so it is drawn onto the
    // parent's surface and stays below the parent's native children.
    resize(100, 100);
    // Moves must reach the tile without a button held: hovering is what stops the drift.
    setMouseTracking(true);
}

TAnimatedCorvalia::~TAnimatedCorvalia()
{
    FTimer.stop();
}

void TAnimatedCorvalia::setActivePicture(quint16 value)
{
    activePicture_ = value;
    paintNow();
}

void TAnimatedCorvalia::setColumns(int value)
{
    const auto columns = static_cast<quint16>(value);
    if (columns == columns_)
        return;
    columns_ = columns;
    update();
}

void TAnimatedCorvalia::setRows(int value)
{
    const auto rows = static_cast<quint16>(value);
    if (rows == rows_)
        return;
    rows_ = rows;
    update();
}

void TAnimatedCorvalia::setInterval(int ms)
{
    const auto interval = static_cast<quint16>(ms);
    if (interval == interval_)
        return;
    interval_ = interval;
    if (interval_ == 0)
        FTimer.stop();
    else
        FTimer.start(interval_, this);
}

void TAnimatedCorvalia::setBitmap(const QImage &bitmap)
{
    // A deep copy: the caller's image and the tile's never share pixels.
    bitmap_ = bitmap.copy();
    BitmapChanged();
}

void TAnimatedCorvalia::setSetWidth(quint16 value)
{
    resize(value, height());
    paintNow();
}

void TAnimatedCorvalia::setSetHeight(quint16 value)
{
    resize(width(), value);
    paintNow();
}

bool TAnimatedCorvalia::isOpaqueMarked() const
{
    return testAttribute(Qt::WA_OpaquePaintEvent);
}

void TAnimatedCorvalia::setLeft(std::int32_t left)
{
    if (left != x())
        move(left, y());
}

void TAnimatedCorvalia::setTop(std::int32_t top)
{
    if (top != y())
        move(x(), top);
}

void TAnimatedCorvalia::BitmapChanged()
{
    // When the bitmap is exactly the tile's size the paint covers every pixel, so the
    // parent need not draw what lies beneath.
    setAttribute(Qt::WA_OpaquePaintEvent, bitmap_.size() == size());
    update();
}

bool TAnimatedCorvalia::hasPictures() const
{
    return bitmap_.width() > 0 && columns_ != 0 && rows_ != 0;
}

bool TAnimatedCorvalia::selectPicture()
{
    const corvalia::PictureSelection selection = corvalia::SelectPicture(
        bitmap_.width(), bitmap_.height(), columns_, rows_, activePicture_, reversePlay_);
    const bool pictureChanged = selection.sourceX != FSourceX || selection.sourceY != FSourceY ||
                                selection.setWidth != setWidth_ || selection.setHeight != setHeight_;
    setWidth_ = selection.setWidth;
    setHeight_ = selection.setHeight;
    activePicture_ = selection.activePicture;
    FSourceX = selection.sourceX;
    FSourceY = selection.sourceY;
    // A visible widget repaints the uncovered and the new area itself when resized. Every
    // tick selects the picture, so a tile that keeps its size must not call resize(): even
    // a resize to the same size marks the parent's opaque region for recomputing.
    if (width() != setWidth_ || height() != setHeight_)
        resize(setWidth_, setHeight_);
    return pictureChanged;
}

void TAnimatedCorvalia::paintNow()
{
    // Qt draws only inside paintEvent: the selection and the resize happen now, and the
    // drawing is requested only when the tile would show something else.
    if (!hasPictures())
        return;
    const QSize before = size();
    if (selectPicture() || size() != before)
        update();
}

void TAnimatedCorvalia::paintEvent(QPaintEvent *)
{
    if (bitmap_.isNull())
        return;
    // The copy goes to the rectangle the tile had when the paint began; if the selection
    // shrinks the tile, the resize has already asked for a paint at the new size.
    const QRect client = rect();
    if (!hasPictures())
        return;
    selectPicture();
    if (setWidth_ == 0 || setHeight_ == 0)
        return;
    QPainter painter(this);
    // Pixel art: stretched by repeating pixels, never smoothed.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(client, bitmap_, QRect(FSourceX, FSourceY, setWidth_, setHeight_));
    if (!overlay_.isNull())
        painter.drawImage(overlayAt_, overlay_);
    if (focusMark_) {
        // A dashed ring just inside the edge, black dashes with white between them, reads
        // on every face colour.
        const QRect ring = client.adjusted(1, 1, -2, -2);
        QPen pen(Qt::white, 1);
        painter.setPen(pen);
        painter.drawRect(ring);
        pen.setColor(Qt::black);
        pen.setDashPattern({3, 3});
        painter.setPen(pen);
        painter.drawRect(ring);
    }
}

void TAnimatedCorvalia::setFocusMark(bool shown)
{
    if (focusMark_ == shown)
        return;
    focusMark_ = shown;
    update();
}

void TAnimatedCorvalia::setOverlay(const QImage &picture, QPoint at)
{
    if (picture.isNull() && overlay_.isNull())
        return;
    overlay_ = picture;
    overlayAt_ = at;
    update();
}

void TAnimatedCorvalia::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == FTimer.timerId())
        TimerTick();
    else
        QWidget::timerEvent(event);
}

void TAnimatedCorvalia::TimerTick()
{
    activePicture_ = corvalia::NextPicture(activePicture_, columns_, rows_, reversePlay_);

    // The horizontal step is drawn first; both come from the program's one generator.
    Random &random = Random::shared();
    const auto stepX =
        static_cast<std::int32_t>(random.below(corvalia::kStepRange)) + corvalia::kMinStep;
    const auto stepY =
        static_cast<std::int32_t>(random.below(corvalia::kStepRange)) + corvalia::kMinStep;
    const QPoint target(corvalia::DriftAxis(x(), destinyX_, stepX),
                        corvalia::DriftAxis(y(), destinyY_, stepY));
    if (target != pos())
        move(target);

    paintNow();
}

void TAnimatedCorvalia::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    const QPoint at = event->position().toPoint();
    tapPossible_ = event->button() == Qt::LeftButton;
    pressedAt_ = event->globalPosition();
    if (!raiseEvent(&TAnimatedCorvalia::mouseDown))
        return;
    FDragging = true;
    setActivePicture(static_cast<quint16>(corvalia::ScaledDivide(at.y(), columns_, setHeight_)));
    FSavedInterval = interval_;
    // The drift must not fight the drag.
    setInterval(0);
    FGrabX = static_cast<quint16>(at.x());
    FGrabY = static_cast<quint16>(at.y());
}

void TAnimatedCorvalia::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    // A drag whose release went elsewhere ends at the first move with no button held: no
    // tile follows a pointer that holds nothing.
    if (FDragging && event->buttons() == Qt::NoButton) {
        tapPossible_ = false;
        if (!release())
            return;
    }
    const QPoint at = event->position().toPoint();
    if ((event->globalPosition() - pressedAt_).manhattanLength() > kTapSlop)
        tapPossible_ = false;
    // The handler sees the tile where it was before this move.
    if (!raiseEvent(&TAnimatedCorvalia::mouseMoved, moveReaction_) || !FDragging)
        return;
    setActivePicture(static_cast<quint16>(corvalia::ScaledDivide(at.y(), columns_, setHeight_)));
    // Keeps the point grabbed at the press under the pointer.
    const QPoint target(x() + at.x() - FGrabX, y() + at.y() - FGrabY);
    if (target != pos())
        move(target);
}

void TAnimatedCorvalia::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (!release())
        return;
    const bool tap = tapPossible_ && event->button() == Qt::LeftButton &&
                     (event->globalPosition() - pressedAt_).manhattanLength() <= kTapSlop;
    tapPossible_ = false;
    if (tap)
        raiseEvent(&TAnimatedCorvalia::tapped);
}

bool TAnimatedCorvalia::release()
{
    // The handler may accept the tile again; the tile itself only ever clears the flag.
    accepted_ = false;
    if (!raiseEvent(&TAnimatedCorvalia::mouseUp, upReaction_))
        return false;
    FDragging = false;
    // A saved 0 leaves the timer as the handler left it.
    if (FSavedInterval != 0)
        setInterval(FSavedInterval);
    return true;
}

void TAnimatedCorvalia::endDrag()
{
    if (!FDragging)
        return;
    tapPossible_ = false;
    release();
}

// The game's reaction runs first, then the signal goes to every other receiver. Either may
// replace the reaction or delete the tile: the reaction runs from a copy.
bool TAnimatedCorvalia::raiseEvent(void (TAnimatedCorvalia::*signal)(), const Handler &reaction)
{
    const QPointer<TAnimatedCorvalia> alive(this);
    if (reaction) {
        const Handler call = reaction;
        call(*this);
        if (alive.isNull())
            return false;
    }
    (this->*signal)();
    return !alive.isNull();
}

void TAnimatedCorvalia::setOnMouseMove(Handler handler)
{
    moveReaction_ = std::move(handler);
}

void TAnimatedCorvalia::setOnMouseUp(Handler handler)
{
    upReaction_ = std::move(handler);
}
