#include "app/captionlabel.h"

#include "app/accessible.h"

#include <QPainter>

CaptionLabel::CaptionLabel(const QString &caption, const QFont &font, const QColor &colour,
                           bool rightAligned, QWidget *parent)
    : QWidget(parent), caption_(caption), colour_(colour), rightAligned_(rightAligned)
{
    setFont(font);
}

void CaptionLabel::setCaption(const QString &caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    fitToCaption();
    update();
    if (isVisible()) // the readouts that are never shown are nothing to a reader
        accessible::nameChanged(this);
}

void CaptionLabel::fitToCaption()
{
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(caption_);
    const int right = rightEdge();
    const int newWidth = rightAligned_ ? textWidth : std::max(textWidth, width());
    const int newHeight = std::max(metrics.height(), height());
    setGeometry(rightAligned_ ? right - newWidth : x(), y(), newWidth, newHeight);
}

void CaptionLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (background_.isValid())
        painter.fillRect(rect(), background_);
    painter.setPen(colour_);
    painter.setFont(font());
    painter.drawText(rect(), (rightAligned_ ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop,
                     caption_);
}
