#pragma once

#include <QWidget>

// A lowered bevel: a sunken outline framing part of a window.
class Bevel : public QWidget
{
    Q_OBJECT

public:
    explicit Bevel(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};
