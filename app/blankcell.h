#pragma once

#include <QColor>
#include <QWidget>

#include <functional>

// The blank cell of one board square: a 40 x 40 raised panel that waits empty, lights
// while a tile hovers over it, and hides to uncover a placed tile. Blank cells lie above
// every drawn control, tiles included.
class BlankCell : public QWidget
{
    Q_OBJECT

public:
    BlankCell(int cell, QWidget *parent);

    int cell() const { return cell_; }
    std::uint32_t colour() const { return colour_; }
    // Repaints only when the colour really changes.
    void setColour(std::uint32_t stored);

    std::function<void(BlankCell &)> OnClick;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int cell_;
    std::uint32_t colour_;
    bool pressed_ = false;
};
