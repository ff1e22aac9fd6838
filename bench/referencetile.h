#pragma once

#include <QBasicTimer>
#include <QImage>
#include <QPoint>
#include <QWidget>

#include <cstdint>

// The tile of the reference program: the same 38 x 38 picture and the same drift rule as the
// real tile, written the cheapest way Qt offers. A tile at rest draws nothing on a tick
// unless told to repaint every tick; a drifting tile shuttles between two points for ever.
class ReferenceTile : public QWidget
{
    Q_OBJECT

public:
    ReferenceTile(const QImage &face, QPoint home, QPoint away, QWidget *parent);

    // ms 0 stops the timer.
    void setInterval(int ms);
    void setDrift(bool drift) { drift_ = drift; }
    void setRepaintEveryTick(bool every) { repaintEveryTick_ = every; }
    QPoint destination() const { return drift_ ? ends_[heading_] : pos(); }

    // One tick: a drift step when drifting, then the repaint the mode asks for.
    void tick();

    // One axis of a step toward the destination: snap when 30 px or closer, otherwise step
    // and take the step back if it overshot. step is in pixels.
    static int stepAxis(int position, int destination, int step);

protected:
    void paintEvent(QPaintEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    QImage face_;
    QBasicTimer timer_;
    QPoint ends_[2];
    int heading_ = 1;
    bool drift_ = false;
    bool repaintEveryTick_ = false;
    std::uint32_t random_;
};
