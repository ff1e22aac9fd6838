#include "app/picturebox.h"

#include <QPainter>

PictureBox::PictureBox(const QImage &picture, QWidget *parent) : QWidget(parent), picture_(picture)
{
}

void PictureBox::setOverlays(const QList<Overlay> &overlays)
{
    if (overlays.isEmpty() && overlays_.isEmpty())
        return;
    overlays_ = overlays;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
    for (const Overlay &overlay : overlays_)
        painter.drawImage(overlay.at, overlay.picture);
}
