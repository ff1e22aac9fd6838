#include "app/classtable.h"

#include "app/language.h"
#include "app/resources.h"
#include "game/board.h"
#include "game/elements.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace {

// Viridis at every tenth of the scale; the colours between are mixed linearly.
constexpr QRgb kScale[] = {0x440154, 0x482576, 0x414487, 0x35608d, 0x2a788e, 0x21908c,
                           0x22a884, 0x43bf71, 0x7ad151, 0xbbdf27, 0xfde725};
constexpr QRgb kNoData = 0xc8c8c8;
constexpr QRgb kCellLine = 0x303030;

// The board's cells lie from (10, 40) to (730, 400); painted with this much taken off, the
// table keeps a margin of 10 on every side.
constexpr QPoint kOrigin{0, 30};
// The gap between groups 2 and 13 above period 4, where the legend goes.
constexpr QRect kLegend{100, 46, 380, 110};

QRect cellRect(int n)
{
    const board::Point c = board::cellCorner(n);
    return QRect(c.x, c.y, board::kCellSize, board::kCellSize);
}

// The elements the summary's table has: 114, or 118 with today's table among the records.
int tableSize(const records::Summary &summary)
{
    return board::elementCount(ClassTable::tableOf(summary));
}

int percentOf(const records::Summary &summary, int n)
{
    const auto found = summary.elements.find(n);
    return found == summary.elements.end() ? -1 : found->second.percentRight();
}

// Black or white, whichever reads better on the colour (the larger contrast ratio).
QColor textOn(const QColor &background)
{
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double luminance = 0.2126 * linear(background.redF()) +
                             0.7152 * linear(background.greenF()) +
                             0.0722 * linear(background.blueF());
    return (luminance + 0.05) / 0.05 > 1.05 / (luminance + 0.05) ? Qt::black : Qt::white;
}

void paintLegend(QPainter &painter)
{
    painter.setPen(Qt::black);
    painter.setFont(resources::sansSerif(12, true));
    const QRect title(kLegend.left(), kLegend.top(), kLegend.width(), 30);
    painter.drawText(title, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     ClassTable::tr("Alumnos que lo pusieron en su casilla en su última "
                                    "corrección"));

    const QRect bar(kLegend.left() + 10, kLegend.top() + 36, kLegend.width() - 40, 16);
    QLinearGradient gradient(bar.topLeft(), bar.topRight());
    const int stops = int(std::size(kScale));
    for (int i = 0; i < stops; ++i)
        gradient.setColorAt(double(i) / (stops - 1), QColor(kScale[i]));
    painter.fillRect(bar, gradient);
    painter.setPen(QColor(kCellLine));
    painter.drawRect(bar);

    painter.setFont(resources::sansSerif(11));
    for (int percent = 0; percent <= 100; percent += 25) {
        const int x = bar.left() + bar.width() * percent / 100;
        painter.drawLine(x, bar.bottom(), x, bar.bottom() + 4);
        painter.drawText(QRect(x - 30, bar.bottom() + 5, 60, 14), Qt::AlignCenter,
                         ClassTable::percentText(percent));
    }

    const QRect swatch(bar.left(), bar.bottom() + 26, 16, 16);
    painter.fillRect(swatch, QColor(kNoData));
    painter.drawRect(swatch);
    painter.drawText(QRect(swatch.right() + 8, swatch.top(), 300, swatch.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, ClassTable::tr("Sin datos"));
}

void paintCell(QPainter &painter, board::Table table, int n, int percent)
{
    const QRect rect = cellRect(n);
    const QColor fill = ClassTable::colourOf(percent);
    painter.fillRect(rect, fill);
    painter.setPen(QColor(kCellLine));
    painter.drawRect(rect);
    painter.setPen(textOn(fill));
    painter.setFont(resources::sansSerif(15, true));
    painter.drawText(rect.adjusted(0, 3, 0, -18), Qt::AlignHCenter | Qt::AlignTop,
                     ClassTable::symbol(n, table));
    if (percent >= 0) {
        painter.setFont(resources::sansSerif(11));
        painter.drawText(rect.adjusted(0, 22, 0, -3), Qt::AlignHCenter | Qt::AlignBottom,
                         ClassTable::percentText(percent));
    }
}

// A dark frame with a light one inside: it shows on every colour of the scale.
void paintSelection(QPainter &painter, int n)
{
    const QRect rect = cellRect(n);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 4));
    painter.drawRect(rect.adjusted(1, 1, -1, -1));
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(rect.adjusted(3, 3, -3, -3));
}

} // namespace

ClassTable::ClassTable(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAccessibleName(tr("Tabla periódica de la clase"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ClassTable::paint(QPainter &painter, const records::Summary &summary, int selected)
{
    painter.save();
    painter.translate(-kOrigin);
    paintLegend(painter);
    const int count = tableSize(summary);
    for (int n = 1; n <= count; ++n)
        paintCell(painter, tableOf(summary), n, percentOf(summary, n));
    if (selected > 0 && selected <= count)
        paintSelection(painter, selected);
    painter.restore();
}

QColor ClassTable::colourOf(int percentRight)
{
    if (percentRight < 0)
        return QColor(kNoData);
    const int last = int(std::size(kScale)) - 1;
    const double at = std::clamp(percentRight, 0, 100) / 100.0 * last;
    const int below = std::min(int(at), last - 1);
    const double part = at - below;
    const QColor a(kScale[below]), b(kScale[below + 1]);
    const auto mix = [part](int x, int y) { return int(std::lround(x + (y - x) * part)); };
    return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
}

board::Table ClassTable::tableOf(const records::Summary &summary)
{
    return summary.largestTable > board::kElementCount ? board::Table::Today
                                                       : board::Table::Classic;
}

QString ClassTable::symbol(int n, board::Table table)
{
    if (n < 1 || n > board::elementCount(table))
        return QString::number(n);
    const std::string_view text = elements::element(n, table).symbol;
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

QString ClassTable::name(int n, board::Table table)
{
    if (n < 1 || n > board::elementCount(table))
        return QString();
    return language::elementName(n, table);
}

QString ClassTable::percentText(int percent)
{
    //: Between the number and the sign, a no-break space, so that a line never ends between
    //: them.
    return tr("%1 %").arg(percent);
}

QString ClassTable::describe(const records::Summary &summary, int n)
{
    const board::Table table = tableOf(summary);
    QStringList lines{tr("%1 (%2)").arg(name(n, table), symbol(n, table))};
    const auto found = summary.elements.find(n);
    if (found == summary.elements.end() || found->second.pupils <= 0) {
        lines << tr("Sin datos: ninguna corrección lo incluye.");
        return lines.join(QLatin1Char('\n'));
    }
    const records::ElementSummary &element = found->second;
    lines << tr("En su casilla: %1 de %2 (%3)")
                 .arg(element.right)
                 .arg(element.pupils)
                 .arg(percentText(element.percentRight()));
    // Most pupils first; among equals, in the order of the cells, off the board first.
    std::vector<std::pair<int, int>> places(element.putInstead.begin(), element.putInstead.end());
    std::stable_sort(places.begin(), places.end(),
                     [](const auto &a, const auto &b) { return a.second > b.second; });
    const QString own = symbol(n, table);
    for (const auto &[cell, pupils] : places) {
        if (cell == 0)
            lines << (pupils == 1 ? tr("%1 fuera del tablero: 1 alumno").arg(own)
                                  : tr("%1 fuera del tablero: %2 alumnos").arg(own).arg(pupils));
        else
            lines << (pupils == 1 ? tr("%1 en la casilla de %2: 1 alumno")
                                        .arg(own, symbol(cell, table))
                                  : tr("%1 en la casilla de %2: %3 alumnos")
                                        .arg(own, symbol(cell, table))
                                        .arg(pupils));
    }
    return lines.join(QLatin1Char('\n'));
}

void ClassTable::setSummary(const records::Summary &summary)
{
    summary_ = summary;
    const int count = tableSize(summary_);
    if (selected_ > count)
        selected_ = 0;
    if (hovered_ > count)
        hovered_ = 0;
    setAccessibleDescription(selected_ ? describe(summary_, selected_) : QString());
    update();
    emit shownChanged(shown());
}

void ClassTable::select(int n)
{
    if (n == selected_ || n < 0 || n > tableSize(summary_))
        return;
    selected_ = n;
    // A screen reader hears the selected element's line through the description.
    setAccessibleDescription(n ? describe(summary_, n) : QString());
    update();
    if (!hovered_)
        emit shownChanged(shown());
}

int ClassTable::elementAt(QPoint point) const
{
    const QPointF onBoard = toWidget().inverted().map(QPointF(point)) + QPointF(kOrigin);
    const int count = tableSize(summary_);
    for (int n = 1; n <= count; ++n)
        if (QRectF(cellRect(n)).contains(onBoard))
            return n;
    return 0;
}

QTransform ClassTable::toWidget() const
{
    const double scale =
        std::min(double(width()) / kSize.width(), double(height()) / kSize.height());
    return QTransform::fromTranslate((width() - kSize.width() * scale) / 2, 0).scale(scale, scale);
}

void ClassTable::setHovered(int n)
{
    if (n == hovered_)
        return;
    const int before = shown();
    hovered_ = n;
    if (shown() != before)
        emit shownChanged(shown());
}

bool ClassTable::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        if (const int n = elementAt(help->pos()))
            QToolTip::showText(help->globalPos(), describe(summary_, n), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void ClassTable::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // White whatever the palette, as on the page of the PDF: the table's texts are black.
    painter.fillRect(rect(), Qt::white);
    painter.setTransform(toWidget());
    paint(painter, summary_, selected_);
    if (hasFocus() && !selected_) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DotLine));
        painter.drawRect(QRect(QPoint(2, 2), kSize - QSize(4, 4)));
    }
}

void ClassTable::mouseMoveEvent(QMouseEvent *event)
{
    setHovered(elementAt(event->position().toPoint()));
    QWidget::mouseMoveEvent(event);
}

void ClassTable::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        select(elementAt(event->position().toPoint()));
    QWidget::mousePressEvent(event);
}

void ClassTable::leaveEvent(QEvent *event)
{
    setHovered(0);
    QWidget::leaveEvent(event);
}

void ClassTable::keyPressEvent(QKeyEvent *event)
{
    struct Arrow
    {
        int key, dx, dy;
    };
    static constexpr Arrow kArrows[] = {
        {Qt::Key_Left, -1, 0}, {Qt::Key_Right, 1, 0}, {Qt::Key_Up, 0, -1}, {Qt::Key_Down, 0, 1}};
    for (const Arrow &arrow : kArrows) {
        if (event->key() != arrow.key)
            continue;
        if (!selected_) {
            select(1);
        } else {
            select(board::cellInDirection(selected_, arrow.dx, arrow.dy, tableSize(summary_)));
        }
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}
