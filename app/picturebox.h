#pragma once

#include <QImage>
#include <QWidget>

// A drawn picture shown unscaled at the top-left of its control and clipped to it. A
// transparent picture lets the window show through where it has no opaque pixels.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    PictureBox(const QImage &picture, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage picture_;
};
