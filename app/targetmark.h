#pragma once

#include <QWidget>

// The ring over the target cell of a tile picked up without dragging. It lies above every
// control of the board, blank cells and placed tiles alike, so the target shows on any cell,
// and lets every pointer event through to what lies beneath.
class TargetMark : public QWidget
{
    Q_OBJECT

public:
    explicit TargetMark(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};
