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
    // A press on the surface or on a drawn control, anywhere but on a tile.
    std::function<void()> OnPress;
    // Keys while the surface has the keyboard focus: true when the key was used.
    std::function<bool(QKeyEvent *event)> OnKey;
    std::function<void()> OnFocusLost;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QColor background_;
};
