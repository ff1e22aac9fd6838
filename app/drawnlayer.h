#pragma once

#include <QWidget>

#include <functional>

// The main window's own surface. Drawn controls (labels, bevels, frames, pictures, the
// gauge and the tiles) are its children and stack among themselves in creation order;
// windowed controls (blank cells, buttons) are the window's children created after it, so
// they stay above every drawn control whatever the drawn ones do.
class DrawnLayer : public QWidget
{
    Q_OBJECT

public:
    DrawnLayer(const QColor &background, QWidget *parent);

    // Runs for pointer moves over the bare surface only, not over any control on it.
    std::function<void(int x, int y)> OnBareMouseMove;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QColor background_;
};
