#include "app/gauge.h"

#include <QAccessible>
#include <QCoreApplication>

#include <QPainter>

#include <algorithm>

TGauge::TGauge(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TGauge::setProgress(int value)
{
    value = std::clamp(value, minimum_, maximum_);
    if (value == progress_)
        return;
    const int before = percentDone();
    progress_ = value;
    if (percentDone() == before)
        return;
    update();
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, percentDone());
        QAccessible::updateAccessibility(&event);
    }
}

int TGauge::percentDone() const
{
    if (maximum_ == minimum_)
        return 0;
    return static_cast<int>((static_cast<long long>(progress_) - minimum_) * 100 /
                            (maximum_ - minimum_));
}

QImage TGauge::render(qreal devicePixelRatio) const
{
    QImage image(size() * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::black);
    QPainter painter(&image);
    // The inner area leaves a one-pixel black frame; right and bottom are exclusive.
    const QRect inner(1, 1, width() - 2, height() - 2);
    painter.fillRect(inner, backColor_);
    const int p = percentDone();
    const int innerRight = inner.x() + inner.width(); // exclusive
    const int w = innerRight - inner.x() + 1;
    const int fill = std::min(w, static_cast<int>(w * p * 0.01));
    if (fill >= 1)
        painter.fillRect(QRect(QPoint(inner.x(), inner.y()),
                               QPoint(std::min(fill, innerRight) - 1, inner.bottom())),
                         foreColor_);

    //: The gauge's figure; a language that writes the sign first moves it.
    const QString text = QCoreApplication::translate("TGauge", "%1%").arg(p);
    QFont textFont = font();
    textFont.setStyleStrategy(QFont::NoAntialias); // exclusive-or wants whole pixels
    painter.setFont(textFont);
    const QFontMetrics metrics(textFont);
    const int textWidth = metrics.horizontalAdvance(text);
    const int textHeight = metrics.height();
    const int innerWidth = inner.width(); // inner right - inner left, right exclusive
    const int innerHeight = inner.height();
    const int x = (innerWidth + 1 - textWidth) / 2;
    const int y = (innerHeight + 1 - textHeight) / 2;
    painter.setClipRect(inner);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(Qt::white);
    painter.drawText(x, y + metrics.ascent(), text);
    return image;
}

void TGauge::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, render(devicePixelRatioF()));
}
