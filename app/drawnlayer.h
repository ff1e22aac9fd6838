#pragma once

#include <QWidget>

// The main window's own surface. Drawn controls (labels, bevels, frames, pictures, the
// gauge and the tiles) are its children and stack among themselves in creation order;
// windowed controls (blank cells, buttons) are the window's children created after it, so
// they stay above every drawn control whatever the drawn ones do.
class DrawnLayer : public QWidget
{
    Q_OBJECT

public:
    DrawnLayer(const QColor &background, QWidget *parent);

signals:
    // Pointer moves over the bare surface only, not over any control on it.
    void bareMouseMoved(int x, int y);
    // The pointer came onto the bare surface from elsewhere, told with no move (Qt for
    // Windows tells a pointer coming back into the window so).
    void bareMouseEntered(int x, int y);
    // A press on the surface or on a drawn control, anywhere but on a tile.
    void pressed();
    // A key while the surface has the keyboard focus. The event comes ignored: a receiver
    // that uses the key accepts it.
    void keyPressed(QKeyEvent *event);
    // The keyboard focus left for another control of the window.
    void focusLost();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QColor background_;
};
