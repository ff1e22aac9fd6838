#pragma once

#include <QImage>
#include <QList>
#include <QWidget>

// A drawn picture shown unscaled at the top-left of its control and clipped to it. A
// transparent picture lets the window show through where it has no opaque pixels. Small
// overlays, when it is given any, are drawn over the picture.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    // A picture drawn over the box's own, its top-left corner at `at` in the box's pixels.
    struct Overlay
    {
        QPoint at;
        QImage picture;
    };

    PictureBox(const QImage &picture, QWidget *parent);

    void setOverlays(const QList<Overlay> &overlays);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage picture_;
    QList<Overlay> overlays_;
};
