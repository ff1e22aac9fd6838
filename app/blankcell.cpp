#include "app/blankcell.h"

#include "app/colours.h"

#include <QMouseEvent>
#include <QPainter>

BlankCell::BlankCell(int cell, QWidget *parent)
    : QWidget(parent), cell_(cell), colour_(board::kEmptyCellColour)
{
    setObjectName(QStringLiteral("Panel%1").arg(cell));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void BlankCell::setColour(board::StoredColour stored)
{
    if (stored == colour_)
        return;
    colour_ = stored;
    update();
}

void BlankCell::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int right = width() - 1;
    const int bottom = height() - 1;
    painter.fillRect(rect(), colours::toQColor(colour_));
    // A raised one-pixel bevel.
    painter.setPen(Qt::white);
    painter.drawLine(0, 0, right - 1, 0);
    painter.drawLine(0, 0, 0, bottom - 1);
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(right, 0, right, bottom);
    painter.drawLine(0, bottom, right, bottom);
}

void BlankCell::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

// A click is a press and a release of the left button over the same cell.
void BlankCell::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked(cell_);
}
