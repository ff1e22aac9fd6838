#pragma once

#include "game/board.h"

#include <QDialog>

class ElementChart;
class QScrollArea;

// The element-chart window: one picture of the elements' names, in the program's language,
// and symbols in a scrolling area, of the table the exercise is played with. It is made once
// and shown modally with exec(); closing it only hides it, so it keeps the size and place the
// pupil gave it. It opens no taller or wider than the screen's free area: the chart scrolls
// instead. The picture (1.2 MB as pixels) is decoded when the window is first shown, so a
// pupil who never opens it doesn't pay for it. The chart has the keyboard when the window
// opens: the arrows move through the elements, and a reader hears each one.
class TElementos : public QDialog
{
    Q_OBJECT

public:
    explicit TElementos(QWidget *parent = nullptr, board::Table table = board::Table::Classic);

    ElementChart *Image111() const { return image111_; }
    QScrollArea *scrollArea() const { return scrollArea_; }

    static constexpr QSize kOuterSize{516, 635};  // pixels, frame and title bar included
    static constexpr QPoint kPosition{241, 66};   // screen position of the frame's corner
    static constexpr QSize kPictureBox{507, 601}; // Image111
    static constexpr QSize kChartSize{508, 600};  // the classic chart as drawn
    // Today's chart is taller by its added rows, and the window with it.

    // The window's frame, in screen pixels, in a free area of the screen: at its own place
    // and size where they fit, otherwise shortened to the area and moved the least into it.
    static QRect placement(const QRect &area, QSize outerSize = kOuterSize);

protected:
    // A plain window: Escape doesn't close it, only the close box does.
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void place();

    QScrollArea *scrollArea_ = nullptr;
    ElementChart *image111_ = nullptr;
    QString chartPath_; // the chart's picture in the program's language
    QSize outerSize_ = kOuterSize;
    bool shownBefore_ = false;
};
