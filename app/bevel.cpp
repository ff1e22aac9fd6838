#include "app/bevel.h"

#include <QPainter>

namespace {
const QColor kShadow(128, 128, 128);
const QColor kHighlight(255, 255, 255);
} // namespace

Bevel::Bevel(QWidget *parent) : QWidget(parent) {}

void Bevel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int right = width() - 1;
    const int bottom = height() - 1;
    // Sunken: dark on the top and left edges, light on the bottom and right.
    painter.setPen(kShadow);
    painter.drawLine(0, 0, right - 1, 0);
    painter.drawLine(0, 0, 0, bottom - 1);
    painter.setPen(kHighlight);
    painter.drawLine(right, 0, right, bottom);
    painter.drawLine(0, bottom, right, bottom);
}
