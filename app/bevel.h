#pragma once

#include <QWidget>

// A lowered bevel: a sunken outline framing part of a window.
class Bevel : public QWidget
{
    Q_OBJECT

public:
    // The one shape the windows draw.
    enum class Shape
    {
        Box,
    };

    Bevel(Shape shape, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};
