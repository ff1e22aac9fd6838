#pragma once

#include "game/board.h"

#include <QLabel>
#include <QRect>

// The picture of the element chart. A screen reader reads it as a table of every element's
// atomic number, symbol and name, in the table the chart shows. It takes the keyboard focus
// and keeps a current element, which the arrows move in atomic-number order; while the chart
// has the focus a dashed ring shows the element on the picture, and a reader is told of it as
// the table's focused cell.
class ElementChart : public QLabel
{
    Q_OBJECT

public:
    explicit ElementChart(board::Table table = board::Table::Classic);
    board::Table table() const { return table_; }

    // The current element's atomic number, from 1 to the table's element count.
    int current() const { return current_; }
    void setCurrent(int n);

    // Where element n's name and symbol lie in the table's chart, the lines round them
    // included, in the picture's pixels; empty for an element the chart doesn't print.
    static QRect elementRect(board::Table table, int n);

signals:
    // The current element moved; `where` is its elementRect, empty where the chart lacks it.
    void currentMoved(const QRect &where);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void tellReader();

    board::Table table_;
    int current_ = 1;
    bool telling_ = false; // a reader is still to be told of the focus
};
