#include "app/targetmark.h"

#include "game/board.h"

#include <QPainter>

TargetMark::TargetMark(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TargetMark"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(board::kCellSize, board::kCellSize);
    hide();
}

namespace {
// Fills the band of the given width just inside the rectangle's edge.
void fillBand(QPainter &painter, const QRect &r, int width, const QColor &colour)
{
    painter.fillRect(r.x(), r.y(), r.width(), width, colour);
    painter.fillRect(r.x(), r.bottom() - width + 1, r.width(), width, colour);
    painter.fillRect(r.x(), r.y() + width, width, r.height() - 2 * width, colour);
    painter.fillRect(r.right() - width + 1, r.y() + width, width, r.height() - 2 * width, colour);
}
} // namespace

// Black, two pixels of white, black: four pixels inside the cell's edge that read on the
// lit cell, the grey one, a red or green frame and any tile's face. The middle stays clear.
void TargetMark::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect edge = rect();
    fillBand(painter, edge, 1, Qt::black);
    fillBand(painter, edge.adjusted(1, 1, -1, -1), 2, Qt::white);
    fillBand(painter, edge.adjusted(3, 3, -3, -3), 1, Qt::black);
}
