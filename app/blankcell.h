#pragma once

#include "game/board.h"

#include <QWidget>

// The blank cell of one board square: a 40 x 40 raised panel that waits empty, lights
// while a tile hovers over it, and hides to uncover a placed tile. Blank cells lie above
// every drawn control, tiles included.
class BlankCell : public QWidget
{
    Q_OBJECT

public:
    BlankCell(int cell, QWidget *parent);

    int cell() const { return cell_; }
    board::StoredColour colour() const { return colour_; }
    // Repaints only when the colour really changes.
    void setColour(board::StoredColour stored);

signals:
    // A press and release of the primary button over the cell.
    void clicked(int cell);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int cell_;
    board::StoredColour colour_;
    bool pressed_ = false;
};
