#include "app/picturebox.h"

#include <QPainter>

PictureBox::PictureBox(const QImage &picture, QWidget *parent) : QWidget(parent), picture_(picture)
{
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}
