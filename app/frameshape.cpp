#include "app/frameshape.h"

#include "app/colours.h"
#include "app/marks.h"

#include <QPainter>

FrameShape::FrameShape(int cell, QWidget *parent) : QWidget(parent), pen_(board::kWrongFrameColour)
{
    setObjectName(QStringLiteral("Shape%1").arg(cell));
}

void FrameShape::setPen(board::StoredColour stored)
{
    if (stored == pen_)
        return;
    pen_ = stored;
    update();
}

void FrameShape::setVerdict(Verdict verdict)
{
    if (verdict == verdict_)
        return;
    verdict_ = verdict;
    if (marksShown_)
        update();
}

void FrameShape::setMarksShown(bool shown)
{
    if (shown == marksShown_)
        return;
    marksShown_ = shown;
    update();
}

// A two-pixel pen centred on the rectangle (1, 1) - (38, 38): it covers columns and rows 0
// to 38, leaving the last column and row clear.
void FrameShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor colour = colours::toQColor(pen_);
    const int extent = std::min(width(), height()) - 1; // 39 for a 40 x 40 frame
    painter.fillRect(0, 0, extent, 2, colour);
    painter.fillRect(0, extent - 2, extent, 2, colour);
    painter.fillRect(0, 0, 2, extent, colour);
    painter.fillRect(extent - 2, 0, 2, extent, colour);
    if (marksShown_ && verdict_ != Verdict::Unjudged)
        painter.drawImage(0, 0, marks::verdictBadge(verdict_ == Verdict::Right));
}
