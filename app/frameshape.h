#pragma once

#include "game/board.h"

#include <QWidget>

// The verdict frame of one board square: a 40 x 40 outline with a two-pixel pen, red
// until a correction finds the square right and turns it green.
class FrameShape : public QWidget
{
    Q_OBJECT

public:
    FrameShape(int cell, QWidget *parent);

    board::StoredColour pen() const { return pen_; }
    void setPen(board::StoredColour stored);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    board::StoredColour pen_;
};
