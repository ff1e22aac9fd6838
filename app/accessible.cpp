#include "app/accessible.h"

#include "app/blankcell.h"
#include "app/captionlabel.h"
#include "app/drawnlayer.h"
#include "app/elementchart.h"
#include "app/gauge.h"
#include "app/language.h"
#include "game/board.h"
#include "game/elements.h"
#include "tiles/animatedcorvalia.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QMetaObject>

#include <algorithm>

namespace {

// A caption: its name says what it counts and the figure, "Total aciertos: 57".
class CaptionInterface : public QAccessibleWidget
{
public:
    explicit CaptionInterface(QWidget *label) : QAccessibleWidget(label, QAccessible::StaticText)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const QString caption = static_cast<const CaptionLabel *>(widget())->caption().trimmed();
        const QString name = widget()->accessibleName();
        if (name.isEmpty() || caption.isEmpty())
            return name.isEmpty() ? caption : name;
        //: A counter as a screen reader says it: what it counts, then the figure.
        return QCoreApplication::translate("accessible", "%1: %2").arg(name, caption);
    }
};

class GaugeInterface : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit GaugeInterface(QWidget *gauge) : QAccessibleWidget(gauge, QAccessible::ProgressBar) {}

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QStringLiteral("%1 %").arg(gauge()->percentDone());
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return gauge()->percentDone(); }
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    const TGauge *gauge() const { return static_cast<const TGauge *>(widget()); }
};

const accessible::Describing *describing(const QWidget *control)
{
    return dynamic_cast<const accessible::Describing *>(control->window());
}

QString described(const QWidget *control)
{
    const accessible::Describing *window = describing(control);
    return window ? window->describe(control) : QString();
}

// A table whose cells nobody selects.
class UnselectedTable : public QAccessibleTableInterface
{
public:
    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface *> selectedCells() const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}
};

// The board's rows and columns: the seven periods, then the two series below them; the
// eighteen columns the cells are 40 px apart in, from the left edge at x = 10.
constexpr int kBoardRows = 9;
constexpr int kBoardColumns = 18;
int boardRow(int cell)
{
    return (board::cellCorner(cell).y - board::kCellSize) / board::kCellSize;
}
int boardColumn(int cell)
{
    return (board::cellCorner(cell).x - 10) / board::kCellSize;
}

// The blank cells in atomic-number order: widgets of the window, but to a reader the cells
// of the board's table.
QList<BlankCell *> blankCells(const QWidget *window)
{
    QList<BlankCell *> cells = window->findChildren<BlankCell *>(Qt::FindDirectChildrenOnly);
    std::sort(cells.begin(), cells.end(),
              [](const BlankCell *a, const BlankCell *b) { return a->cell() < b->cell(); });
    return cells;
}

// The main window, whose blank cells a reader finds in the board's table instead.
class WindowInterface : public QAccessibleWidget
{
public:
    explicit WindowInterface(QWidget *window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return int(children().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> shown = children();
        return index >= 0 && index < shown.size() ? QAccessible::queryAccessibleInterface(shown[index])
                                                  : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(children().indexOf(child->object())) : -1;
    }

private:
    QList<QWidget *> children() const
    {
        QList<QWidget *> kept;
        for (QObject *object : widget()->children())
            if (object->isWidgetType() && !qobject_cast<BlankCell *>(object) &&
                !static_cast<QWidget *>(object)->isWindow())
                kept << static_cast<QWidget *>(object);
        return kept;
    }
};

// The board surface, which holds the keyboard focus while tiles are placed by keys, gives
// the blank cells as a table, rows and columns; the tiles and the drawn captions are its other
// children. Its role is a pane, not a table: a reader that meets a table in a window reads a
// whole row each time the focus changes rows, eighteen cell names for one step up or down.
class BoardInterface : public QAccessibleWidget, public UnselectedTable
{
public:
    explicit BoardInterface(QWidget *surface) : QAccessibleWidget(surface, QAccessible::Pane) {}

    int childCount() const override
    {
        return QAccessibleWidget::childCount() + int(cells().size());
    }
    QAccessibleInterface *child(int index) const override
    {
        const int own = QAccessibleWidget::childCount();
        if (index < own)
            return QAccessibleWidget::child(index);
        const QList<BlankCell *> all = cells();
        return index - own < all.size() ? QAccessible::queryAccessibleInterface(all[index - own])
                                        : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (const auto *cell = child ? qobject_cast<const BlankCell *>(child->object()) : nullptr)
            return QAccessibleWidget::childCount() + cell->cell() - 1;
        return QAccessibleWidget::indexOfChild(child);
    }
    // The tile or cell the keyboard play has reached.
    QAccessibleInterface *focusChild() const override
    {
        const accessible::Describing *window = describing(widget());
        QWidget *meant = window ? window->readerFocus() : nullptr;
        return meant ? QAccessible::queryAccessibleInterface(meant)
                     : QAccessibleWidget::focusChild();
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        for (BlankCell *cell : cells())
            if (boardRow(cell->cell()) == row && boardColumn(cell->cell()) == column)
                return QAccessible::queryAccessibleInterface(cell);
        return nullptr;
    }
    QString columnDescription(int column) const override
    {
        return QCoreApplication::translate("accessible", "Grupo %1").arg(column + 1);
    }
    QString rowDescription(int row) const override
    {
        if (row < 7)
            return QCoreApplication::translate("accessible", "Periodo %1").arg(row + 1);
        return row == 7 ? QCoreApplication::translate("accessible", "Lantánidos")
                        : QCoreApplication::translate("accessible", "Actínidos");
    }
    int columnCount() const override { return kBoardColumns; }
    int rowCount() const override { return kBoardRows; }

private:
    QList<BlankCell *> cells() const { return blankCells(widget()->parentWidget()); }
};

// A cell of the table: its name says where it is, what stands on it and, after a
// correction, whether that was right.
class CellInterface : public QAccessibleWidget, public QAccessibleTableCellInterface
{
public:
    explicit CellInterface(QWidget *cell) : QAccessibleWidget(cell, QAccessible::Cell) {}

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            const QString now = described(widget());
            return now.isEmpty() ? QAccessibleWidget::text(t) : now;
        }
        return QAccessibleWidget::text(t);
    }
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return boardColumn(number()); }
    int rowIndex() const override { return boardRow(number()); }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override
    {
        return QAccessible::queryAccessibleInterface(
            widget()->parentWidget()->findChild<DrawnLayer *>(QString(),
                                                              Qt::FindDirectChildrenOnly));
    }
    QAccessibleInterface *parent() const override { return table(); }

private:
    int number() const { return static_cast<const BlankCell *>(widget())->cell(); }
};

// The element chart's text: one row per element, its atomic number, symbol and name; and
// for each element one cell more, the row's three texts in one, which takes the focus as the
// keyboard moves through the chart.
class ChartCell : public QAccessibleInterface, public QAccessibleTableCellInterface
{
public:
    static constexpr int kTexts = 3;         // the columns: atomic number, symbol, name
    static constexpr int kWholeRow = kTexts; // the column of the focusable cell of all three

    ChartCell(QAccessibleInterface *chart, board::Table table, int row, int column)
        : chart_(chart), table_(table), row_(row), column_(column)
    {}

    bool isValid() const override { return chart_->isValid(); }
    QObject *object() const override { return nullptr; }
    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface *>(this);
        return nullptr;
    }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override { return chart_; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QString();
        const int n = row_ + 1;
        const std::string_view symbol = elements::element(n, table_).symbol;
        const QString texts[kTexts] = {QString::number(n),
                                       QString::fromUtf8(symbol.data(), qsizetype(symbol.size())),
                                       language::elementName(n, table_)};
        if (column_ == kWholeRow)
            return QStringList(std::begin(texts), std::end(texts)).join(QStringLiteral(", "));
        return texts[column_];
    }
    void setText(QAccessible::Text, const QString &) override {}
    // Where the element's name and symbol are drawn; the whole chart for one it doesn't print.
    QRect rect() const override
    {
        const QRect drawn = ElementChart::elementRect(table_, row_ + 1);
        if (drawn.isEmpty())
            return chart_->rect();
        const auto *picture = static_cast<const QWidget *>(chart_->object());
        return drawn.translated(picture->mapToGlobal(QPoint(0, 0)));
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        if (column_ == kWholeRow) {
            const auto *picture = static_cast<const ElementChart *>(chart_->object());
            s.focusable = true;
            s.focused = picture->hasFocus() && picture->current() == row_ + 1;
        }
        return s;
    }
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_ == kWholeRow ? 0 : column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return column_ == kWholeRow ? kTexts : 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return chart_; }
    // The cell's place among the table's children: the texts row by row, then the elements'
    // focusable cells in order.
    int index(int rows) const
    {
        return column_ == kWholeRow ? rows * kTexts + row_ : row_ * kTexts + column_;
    }

private:
    QAccessibleInterface *chart_;
    board::Table table_;
    int row_, column_;
};

class ChartInterface : public QAccessibleWidget, public UnselectedTable
{
public:
    explicit ChartInterface(QWidget *chart) : QAccessibleWidget(chart, QAccessible::Table) {}
    ~ChartInterface() override
    {
        for (QAccessible::Id id : cellIds_)
            QAccessible::deleteAccessibleInterface(id);
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    int childCount() const override { return rowCount() * (ChartCell::kTexts + 1); }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (cellIds_.isEmpty()) {
            auto *self = const_cast<ChartInterface *>(this);
            const int rows = rowCount();
            for (int i = 0; i < rows * ChartCell::kTexts; ++i)
                self->cellIds_ << QAccessible::registerAccessibleInterface(new ChartCell(
                    self, shownTable(), i / ChartCell::kTexts, i % ChartCell::kTexts));
            for (int row = 0; row < rows; ++row)
                self->cellIds_ << QAccessible::registerAccessibleInterface(
                    new ChartCell(self, shownTable(), row, ChartCell::kWholeRow));
        }
        return QAccessible::accessibleInterface(cellIds_.at(index));
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const auto *cell = dynamic_cast<const ChartCell *>(child);
        return cell && cell->table() == this ? cell->index(rowCount()) : -1;
    }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    // The current element's cell while the chart has the keyboard focus.
    QAccessibleInterface *focusChild() const override
    {
        return widget()->hasFocus() ? elementCell(chart()->current()) : nullptr;
    }
    QAccessibleInterface *elementCell(int n) const
    {
        return child(rowCount() * ChartCell::kTexts + n - 1);
    }
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        return column < 0 || column >= ChartCell::kTexts || row < 0 || row >= rowCount()
                   ? nullptr
                   : child(row * ChartCell::kTexts + column);
    }
    QString columnDescription(int column) const override
    {
        constexpr const char *kHeadings[] = {QT_TRANSLATE_NOOP("accessible", "Número atómico"),
                                             QT_TRANSLATE_NOOP("accessible", "Símbolo"),
                                             QT_TRANSLATE_NOOP("accessible", "Nombre")};
        return column < 0 || column >= ChartCell::kTexts
                   ? QString()
                   : QCoreApplication::translate("accessible", kHeadings[column]);
    }
    QString rowDescription(int) const override { return QString(); }
    int columnCount() const override { return ChartCell::kTexts; }
    int rowCount() const override { return board::elementCount(shownTable()); }

private:
    const ElementChart *chart() const { return static_cast<const ElementChart *>(widget()); }
    board::Table shownTable() const { return chart()->table(); }
    QList<QAccessible::Id> cellIds_;
};

// A tile: an item that takes the board's focus and is selected while picked up.
class TileInterface : public QAccessibleWidget
{
public:
    explicit TileInterface(QWidget *tile) : QAccessibleWidget(tile, QAccessible::ListItem) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        const auto *tile = static_cast<const TAnimatedCorvalia *>(widget());
        s.focusable = true;
        s.focused = tile->focusMark();
        s.selectable = true;
        s.selected = tile->pickedMark();
        return s;
    }
    // Where the tile is now: in the tray, on a cell, or on its way.
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description) {
            const QString now = described(widget());
            return now.isEmpty() ? QAccessibleWidget::text(t) : now;
        }
        return QAccessibleWidget::text(t);
    }
};

class AnnouncerInterface : public QAccessibleWidget
{
public:
    explicit AnnouncerInterface(QWidget *announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const Announcer *>(widget())->told();
        return QAccessibleWidget::text(t);
    }
};

// Qt asks for each class of an object, from its own up to QObject, until one answers.
QAccessibleInterface *makeInterface(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("CaptionLabel"))
        return new CaptionInterface(widget);
    if (className == QLatin1String("TGauge"))
        return new GaugeInterface(widget);
    if (className == QLatin1String("TAnimatedCorvalia"))
        return new TileInterface(widget);
    if (className == QLatin1String("TForm1"))
        return new WindowInterface(widget);
    if (className == QLatin1String("DrawnLayer"))
        return new BoardInterface(widget);
    if (className == QLatin1String("ElementChart"))
        return new ChartInterface(widget);
    if (className == QLatin1String("BlankCell"))
        return new CellInterface(widget);
    if (className == QLatin1String("PictureBox"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (className == QLatin1String("Announcer"))
        return new AnnouncerInterface(widget);
    return nullptr;
}

void changed(QWidget *control, QAccessible::Event what)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(control, what);
    QAccessible::updateAccessibility(&event);
}

} // namespace

namespace accessible {

void installInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(makeInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

bool listening()
{
    return QAccessible::isActive();
}

void nameChanged(QWidget *control)
{
    changed(control, QAccessible::NameChanged);
}

void descriptionChanged(QWidget *control)
{
    changed(control, QAccessible::DescriptionChanged);
}

void selected(QWidget *control)
{
    changed(control, QAccessible::SelectionAdd);
}

void chartCellFocused(ElementChart *chart)
{
    if (!QAccessible::isActive())
        return;
    const auto *table =
        dynamic_cast<ChartInterface *>(QAccessible::queryAccessibleInterface(chart));
    if (QAccessibleInterface *cell = table ? table->elementCell(chart->current()) : nullptr) {
        QAccessibleEvent event(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace accessible

Announcer::Announcer(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Announcer"));
    resize(0, 0);
    hide();
}

void Announcer::say(const QString &sentence)
{
    if (!QAccessible::isActive() || sentence.isEmpty())
        return;
    if (pending_.isEmpty())
        QMetaObject::invokeMethod(this, &Announcer::tell, Qt::QueuedConnection);
    pending_.append(sentence);
}

// The notification "shows" again for every message, which is what a reader speaks it on.
void Announcer::tell()
{
    told_ = pending_.join(QLatin1Char(' '));
    pending_.clear();
    changed(this, QAccessible::NameChanged);
    changed(this, QAccessible::ObjectShow);
}
