#pragma once

#include <QPoint>
#include <QTest>
#include <QWindow>

#include <algorithm>

namespace pointer {

// Presses on a 38 x 38 tile whose corner is at `from` and drags it in steps of at most
// 8 px until its corner is at `to`, as a hand would, leaving the button held. With `nudge`
// the pointer then moves one pixel and back, so that the lit cell, which follows one move
// behind the tile, catches up with it.
inline QPoint dragTile(QWindow *window, QPoint from, QPoint to, bool nudge = true)
{
    QPoint at = from + QPoint(19, 19);
    QTest::mouseMove(window, at);
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, at);
    const QPoint target = to + QPoint(19, 19);
    while (at != target) {
        const QPoint d = target - at;
        at += QPoint(std::clamp(d.x(), -8, 8), std::clamp(d.y(), -8, 8));
        QTest::mouseMove(window, at);
    }
    if (nudge) {
        QTest::mouseMove(window, at + QPoint(1, 0));
        QTest::mouseMove(window, at);
    }
    return at;
}

} // namespace pointer
