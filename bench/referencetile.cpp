#include "bench/referencetile.h"

#include <QPainter>
#include <QTimerEvent>

#include <cstdlib>

namespace {
constexpr int kSnapDistance = 30; // pixels
constexpr int kMinStep = 10;      // pixels per tick
constexpr int kStepRange = 25;    // steps are 10..34 pixels
} // namespace

ReferenceTile::ReferenceTile(const QImage &face, QPoint home, QPoint away, QWidget *parent)
    : QWidget(parent), face_(face), ends_{home, away},
      random_(static_cast<std::uint32_t>(home.x() * 7919 + home.y() * 104729 + 1))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(home.x(), home.y(), face.width(), face.height());
}

void ReferenceTile::setInterval(int ms)
{
    if (ms == 0)
        timer_.stop();
    else
        timer_.start(ms, this);
}

int ReferenceTile::stepAxis(int position, int destination, int step)
{
    if (std::abs(destination - position) <= kSnapDistance)
        position = destination;
    if (position < destination)
        position += step;
    if (position > destination)
        position -= step;
    return position;
}

void ReferenceTile::tick()
{
    if (drift_) {
        // A small linear congruential generator: the steps need no quality, only spread.
        random_ = random_ * 1664525u + 1013904223u;
        const int stepX = kMinStep + static_cast<int>((random_ >> 8) % kStepRange);
        const int stepY = kMinStep + static_cast<int>((random_ >> 20) % kStepRange);
        const QPoint target = ends_[heading_];
        const QPoint next(stepAxis(x(), target.x(), stepX), stepAxis(y(), target.y(), stepY));
        if (next != pos())
            move(next); // Qt repaints the uncovered and the new area, coalesced per frame
        if (next == target)
            heading_ = 1 - heading_;
    }
    if (repaintEveryTick_)
        update();
}

void ReferenceTile::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, face_);
}

void ReferenceTile::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == timer_.timerId())
        tick();
    else
        QWidget::timerEvent(event);
}
