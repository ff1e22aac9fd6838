#pragma once

#include "game/board.h"

#include <QWidget>

// The verdict frame of one board square: a 40 x 40 outline with a two-pixel pen, red
// until a correction finds the square right and turns it green. With marks shown, a frame
// that a correction judged also carries a tick or a cross, for pupils who can't tell the
// pens apart; the verdict is the correction's, whatever pen the frame kept from before.
class FrameShape : public QWidget
{
    Q_OBJECT

public:
    enum class Verdict
    {
        Unjudged,
        Right,
        Wrong,
    };

    FrameShape(int cell, QWidget *parent);

    board::StoredColour pen() const { return pen_; }
    void setPen(board::StoredColour stored);
    Verdict verdict() const { return verdict_; }
    void setVerdict(Verdict verdict);
    void setMarksShown(bool shown);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    board::StoredColour pen_;
    Verdict verdict_ = Verdict::Unjudged;
    bool marksShown_ = false;
};
