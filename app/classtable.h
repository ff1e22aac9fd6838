#pragma once

#include "game/board.h"
#include "records/summary.h"

#include <QColor>
#include <QString>
#include <QWidget>

class QPainter;

// The periodic table of a class: every element's cell where the exercise's board has it,
// coloured by the share of pupils whose last correction put it on its own cell, with that
// share and the symbol written in it, and a legend in the gap at the top of the table. The
// same painting serves the window and the printed summary. Pointing at a cell, or selecting
// it (a click, or the arrow keys once the table has the focus), shows where the element was
// put instead.
class ClassTable : public QWidget
{
    Q_OBJECT

public:
    explicit ClassTable(QWidget *parent = nullptr);

    // The table as painted, in logical pixels: the board's cells at their own places (40 px
    // squares), with a margin.
    static constexpr QSize kSize{740, 380};

    // Paints the table of the summary into (0, 0)-kSize, with a frame round the selected
    // element (0 for none).
    static void paint(QPainter &painter, const records::Summary &summary, int selected = 0);
    // The colour of a share right, 0..100: a sequential scale from dark purple through blue
    // and green to yellow (viridis), told apart by lightness alone; grey for -1, no data.
    static QColor colourOf(int percentRight);
    // The element, its share right, and where it was put instead, most often first: one line
    // each, in the program's language.
    static QString describe(const records::Summary &summary, int n);
    // The table the summary shows: today's when a record of it is among them, so a folder
    // that mixes the two shows each element, by atomic number, in today's form.
    static board::Table tableOf(const records::Summary &summary);
    // The element's symbol, as the table writes it.
    static QString symbol(int n, board::Table table = board::Table::Classic);
    // The element's name in the program's language, as the table writes it.
    static QString name(int n, board::Table table = board::Table::Classic);
    // "57 %", as the program's language writes a percentage.
    static QString percentText(int percent);

    void setSummary(const records::Summary &summary);
    const records::Summary &summary() const { return summary_; }
    int selected() const { return selected_; }
    void select(int n);
    // The element the panel beside the table describes: the one pointed at, else the selected
    // one; 0 for none.
    int shown() const { return hovered_ ? hovered_ : selected_; }
    // The element under a point of the widget, 0 for none.
    int elementAt(QPoint point) const;

    QSize sizeHint() const override { return kSize; }
    QSize minimumSizeHint() const override { return kSize * 3 / 4; }

signals:
    void shownChanged(int n);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QTransform toWidget() const;
    void setHovered(int n);

    records::Summary summary_;
    int selected_ = 0;
    int hovered_ = 0;
};
