#pragma once

#include <QWidget>

// A lowered bevel: a sunken outline framing part of a window, or a sunken line along its
// top edge that separates two areas.
class Bevel : public QWidget
{
    Q_OBJECT

public:
    enum class Shape
    {
        Box,
        TopLine,
    };

    Bevel(Shape shape, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Shape shape_;
};
