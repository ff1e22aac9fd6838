#pragma once

#include <QDialog>

class QLabel;
class QScrollArea;

// The element-chart window: one picture of the elements' names, in the program's language,
// and symbols in a scrolling area. It is made once and shown modally with exec(); closing it
// only hides it, so it keeps the size and place the pupil gave it. It opens no taller or
// wider than the screen's free area: the chart scrolls instead.
class TElementos : public QDialog
{
    Q_OBJECT

public:
    explicit TElementos(QWidget *parent = nullptr);

    QLabel *Image111() const { return image111_; }
    QScrollArea *scrollArea() const { return scrollArea_; }

    static constexpr QSize kOuterSize{516, 635};  // pixels, frame and title bar included
    static constexpr QPoint kPosition{241, 66};   // screen position of the frame's corner
    static constexpr QSize kPictureBox{507, 601}; // Image111
    static constexpr QSize kChartSize{508, 600};  // the chart as drawn

    // The window's frame, in screen pixels, in a free area of the screen: at its own place
    // and size where they fit, otherwise shortened to the area and moved the least into it.
    static QRect placement(const QRect &area);

protected:
    // A plain window: Escape doesn't close it, only the close box does.
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void place();

    QScrollArea *scrollArea_ = nullptr;
    QLabel *image111_ = nullptr;
    bool shownBefore_ = false;
};
