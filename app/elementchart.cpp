#include "app/elementchart.h"

#include "app/accessible.h"
#include "game/chartlayout.h"

#include <QKeyEvent>
#include <QMetaObject>
#include <QPainter>

#include <algorithm>

ElementChart::ElementChart(board::Table table) : table_(table)
{
    setFocusPolicy(Qt::StrongFocus);
}

QRect ElementChart::elementRect(board::Table table, int n)
{
    const chart::ChartPlace place = chart::placeOf(table, n);
    if (place.row < 0)
        return {};
    const chart::ChartBox box = chart::pairBox(table, place.row, place.pair);
    return QRect(box.left, box.top, box.width, box.height).adjusted(-1, -1, 1, 1);
}

void ElementChart::setCurrent(int n)
{
    n = std::clamp(n, 1, board::elementCount(table_));
    if (n == current_)
        return;
    update(elementRect(table_, current_));
    current_ = n;
    const QRect where = elementRect(table_, current_);
    update(where);
    emit currentMoved(where);
    if (hasFocus())
        tellReader();
}

// Every arrow steps through the elements in atomic-number order, which is the table's row
// order for a reader; at either end it stays where it is.
void ElementChart::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        setCurrent(current_ + 1);
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        setCurrent(current_ - 1);
        break;
    case Qt::Key_Home:
        setCurrent(1);
        break;
    case Qt::Key_End:
        setCurrent(board::elementCount(table_));
        break;
    default:
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
}

// Qt tells a reader of the chart's own focus after this event; the current cell is told
// after that, so that it is the last focus the reader hears.
void ElementChart::focusInEvent(QFocusEvent *event)
{
    QLabel::focusInEvent(event);
    update(elementRect(table_, current_));
    if (accessible::listening() && !telling_) {
        telling_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                telling_ = false;
                if (hasFocus())
                    tellReader();
            },
            Qt::QueuedConnection);
    }
}

void ElementChart::focusOutEvent(QFocusEvent *event)
{
    QLabel::focusOutEvent(event);
    update(elementRect(table_, current_));
}

void ElementChart::tellReader()
{
    accessible::chartCellFocused(this);
}

void ElementChart::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    const QRect ring = elementRect(table_, current_);
    if (!hasFocus() || ring.isEmpty())
        return;
    // Two pixels wide over the cell's lines: black dashes with white between them, as the
    // board's focus ring, read on the yellow and cyan cells alike.
    QPainter painter(this);
    for (const QRect &edge : {ring, ring.adjusted(1, 1, -1, -1)}) {
        const QRect drawn = edge.adjusted(0, 0, -1, -1);
        QPen pen(Qt::white, 1);
        painter.setPen(pen);
        painter.drawRect(drawn);
        pen.setColor(Qt::black);
        pen.setDashPattern({3, 3});
        painter.setPen(pen);
        painter.drawRect(drawn);
    }
}
