#pragma once

#include "app/colours.h"

#include <QColor>
#include <QImage>
#include <QWidget>

// The percentage gauge: a black-framed silver ground with a lime bar growing from the
// left and the percentage written across it by exclusive-or, so the text reads on both the
// bar and the ground. Drawn off-screen, then copied in one step.
class TGauge : public QWidget
{
    Q_OBJECT

public:
    explicit TGauge(QWidget *parent = nullptr);

    int progress() const { return progress_; }
    // Clamped to 0..100; repaints only when the shown percentage changes.
    void setProgress(int value);
    int percentDone() const;

    // The gauge's picture at its current size and progress, drawn for a screen with the given
    // number of device pixels per pixel.
    QImage render(qreal devicePixelRatio = 1.0) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int minimum_ = 0;
    int maximum_ = 100;
    int progress_ = 0;
    QColor foreColor_ = colours::toQColor(colours::clLime);
    QColor backColor_ = colours::toQColor(colours::clSilver);
};
