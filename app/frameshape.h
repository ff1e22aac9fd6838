#pragma once

#include "game/board.h"

#include <QWidget>

// The verdict frame of one board square: a 40 x 40 outline with a two-pixel pen, red
// until a correction finds the square right and turns it green. It also keeps what the last
// correction found, which the pen alone can't say: a miss keeps whatever pen it had.
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
    void setVerdict(Verdict verdict) { verdict_ = verdict; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    board::StoredColour pen_;
    Verdict verdict_ = Verdict::Unjudged;
};
