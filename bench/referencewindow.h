#pragma once

#include "bench/referenceoptions.h"

#include <QWidget>

#include <array>

class ReferenceTile;

// The yardstick for the benchmarks: an 812 x 606 window with the exercise's workload and
// nothing else. 114 tiles of 38 x 38 wait in the tray slots, each with its own timer, under
// 114 plain 40 x 40 panels on the board cells; drifting tiles shuttle between their slot
// and their cell, passing under the panels.
class ReferenceWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kTileCount = 114;

    explicit ReferenceWindow(const ReferenceOptions &options, QWidget *parent = nullptr);

    ReferenceTile *tile(int i) const { return tiles_[i]; }
    QWidget *panel(int i) const { return panels_[i]; }

private:
    std::array<ReferenceTile *, kTileCount> tiles_{};
    std::array<QWidget *, kTileCount> panels_{};
};
