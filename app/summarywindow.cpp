#include "app/summarywindow.h"

#include "app/classtable.h"
#include "app/commandline.h"
#include "app/summaryexport.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <map>
#include <optional>

namespace {

using summaryexport::Column;

// A date box wide enough for any date of its format with the calendar's button beside it. Qt
// measures a date box by the dates that end its range and a spin box's buttons, but draws it,
// with a calendar, as an editable combo box: where the style's drop-down button is the wider
// of the two (Windows), the box cut the last digit off.
class DateBox : public QDateEdit
{
public:
    QSize sizeHint() const override
    {
        QSize hint = QDateEdit::sizeHint();
        const QFontMetrics metrics = fontMetrics();
        int widestDigit = 0;
        for (char digit = '0'; digit <= '9'; ++digit)
            widestDigit = std::max(widestDigit, metrics.horizontalAdvance(QLatin1Char(digit)));
        // The format is all numbers: each letter stands for a digit, the rest is written as is.
        int text = 0;
        for (const QChar c : displayFormat())
            text += c.isLetter() ? widestDigit : metrics.horizontalAdvance(c);
        // The edit's margins and the cursor, as Qt allows for them.
        text += metrics.horizontalAdvance(QLatin1Char(' ')) + 2;
        QStyleOptionComboBox option;
        option.initFrom(this);
        option.editable = true;
        const QSize outer = style()->sizeFromContents(QStyle::CT_ComboBox, &option,
                                                      QSize(text, hint.height()), this);
        hint.setWidth(std::max(hint.width(), outer.width()));
        return hint;
    }
    QSize minimumSizeHint() const override { return sizeHint(); }
};

// Roles of the first item of a row.
constexpr int kSortRole = Qt::UserRole;
constexpr int kRecordRole = Qt::UserRole + 1; // the record's index in the window's list
constexpr int kGroupRole = Qt::UserRole + 2;
constexpr int kDateRole = Qt::UserRole + 3; // the day sent, in the record's own offset

// Keeps the rows of one group (or all) sent within a range of days, both ends included.
class RecordFilter : public QSortFilterProxyModel
{
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setFilter(std::optional<QString> group, QDate from, QDate to)
    {
        group_ = std::move(group);
        from_ = from;
        to_ = to;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex &parent) const override
    {
        const QModelIndex first = sourceModel()->index(row, 0, parent);
        const QDate date = first.data(kDateRole).toDate();
        return (!group_ || first.data(kGroupRole).toString() == *group_) && from_ <= date &&
               date <= to_;
    }

private:
    std::optional<QString> group_;
    QDate from_, to_;
};

QLabel *heading(const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setBuddy(buddy);
    return label;
}

} // namespace

SummaryWindow::SummaryWindow(const QString &folder, records::FolderRecords found, QWidget *parent)
    : QWidget(parent), folder_(folder), records_(std::move(found.records))
{
    setWindowTitle(
        tr("Resumen de la clase: %1").arg(commandline::printable(QDir::toNativeSeparators(folder))));
    setAccessibleName(windowTitle());

    model_ = new QStandardItemModel(0, summaryexport::kColumnCount, this);
    filter_ = new RecordFilter(this);
    filter_->setSourceModel(model_);
    filter_->setSortRole(kSortRole);
    filter_->setSortLocaleAware(true);
    filter_->setSortCaseSensitivity(Qt::CaseInsensitive);

    pupilModel_ = new QStandardItemModel(this);
    pupilRows_ = new QSortFilterProxyModel(this);
    pupilRows_->setSourceModel(pupilModel_);
    pupilRows_->setSortRole(kSortRole);
    pupilRows_->setSortLocaleAware(true);
    pupilRows_->setSortCaseSensitivity(Qt::CaseInsensitive);

    table_ = new QTableView;
    table_->setAccessibleName(tr("Registros de los alumnos"));
    table_->setModel(filter_);
    table_->setSortingEnabled(true);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setAlternatingRowColors(true);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    // The names take the room the other columns leave.
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(int(Column::Pupil), QHeaderView::Stretch);
    // Long names and groups are shortened in their cells, whole in the tooltip and the files.
    table_->horizontalHeader()->setMaximumSectionSize(
        table_->fontMetrics().averageCharWidth() * kShownCharacters);
    table_->setTextElideMode(Qt::ElideRight);

    auto *splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(table_);
    splitter->addWidget(makeClassPanel());
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({190, ClassTable::kSize.height()});

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(makeFilters());
    if (!found.skipped.isEmpty())
        layout->addWidget(makeSkippedNote(found.skipped));
    layout->addWidget(splitter, 1);
    layout->addWidget(makeButtons());

    fillRows();
    if (duplicates_ > 0)
        //: Records found twice in the folder (the same file copied into two places).
        layout->insertWidget(1, new QLabel(tr("%1 registros repetidos (el mismo fichero en dos "
                                              "sitios) se cuentan una vez.")
                                               .arg(duplicates_)));
    table_->sortByColumn(int(Column::Sent), Qt::AscendingOrder);
    refilter();

    // Fits a 1024 x 768 screen, title bar and task bar included.
    QSize size(1000, 690);
    if (const QScreen *shown = screen())
        size = size.boundedTo(shown->availableGeometry().size() - QSize(0, 40));
    resize(size);
}

QWidget *SummaryWindow::makeFilters()
{
    groupChoice_ = new QComboBox;
    groupChoice_->setAccessibleName(tr("Grupo"));
    groupChoice_->addItem(tr("Todos los grupos"));
    // One entry per group as a teacher reads groups ("3º B" and "3ºb" are one), shown as its
    // first record writes it.
    for (const records::GroupName &group : records::groupsOf(records_)) {
        groupChoice_->addItem(group.written.isEmpty() ? tr("(sin grupo)") : group.written,
                              group.key);
        groupChoice_->setItemData(groupChoice_->count() - 1, group.written, Qt::ToolTipRole);
    }
    // However long a group a pupil typed, the box keeps a reasonable width and shortens it.
    groupChoice_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    groupChoice_->setMinimumContentsLength(kShownCharacters / 2);

    QDate first = QDate::currentDate(), last = first;
    if (!records_.empty()) {
        const auto [earliest, latest] =
            std::minmax_element(records_.begin(), records_.end(),
                                [](const records::Loaded &a, const records::Loaded &b) {
                                    return a.record.sent.date() < b.record.sent.date();
                                });
        first = earliest->record.sent.date();
        last = latest->record.sent.date();
    }
    // The range first: an edit made with a date clamps it to its default range, which starts
    // in 1752, and would hide the records of a clock set earlier.
    const auto makeDate = [first, last](const QString &name, QDate date) {
        auto *edit = new DateBox;
        edit->setDateRange(first, last);
        edit->setDate(date);
        edit->setAccessibleName(name);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        edit->setCalendarPopup(true);
        return edit;
    };
    fromDate_ = makeDate(tr("Desde"), first);
    toDate_ = makeDate(tr("Hasta"), last);
    count_ = new QLabel;

    auto *filters = new QWidget;
    auto *row = new QHBoxLayout(filters);
    row->setContentsMargins(0, 0, 0, 0);
    const auto addLabelled = [row](const QString &text, QWidget *field) {
        auto *label = new QLabel(text);
        label->setBuddy(field);
        row->addWidget(label);
        row->addWidget(field);
        row->addSpacing(12);
    };
    addLabelled(tr("&Grupo:"), groupChoice_);
    addLabelled(tr("&Desde:"), fromDate_);
    addLabelled(tr("&Hasta:"), toDate_);
    rowsChoice_ = new QComboBox;
    rowsChoice_->addItem(tr("Una por alumno"));
    rowsChoice_->addItem(tr("Una por envío"));
    addLabelled(tr("F&ilas:"), rowsChoice_);
    row->addStretch(1);
    row->addWidget(count_);

    connect(groupChoice_, &QComboBox::currentIndexChanged, this, &SummaryWindow::refilter);
    connect(fromDate_, &QDateEdit::dateChanged, this, &SummaryWindow::refilter);
    connect(toDate_, &QDateEdit::dateChanged, this, &SummaryWindow::refilter);
    connect(rowsChoice_, &QComboBox::currentIndexChanged, this, &SummaryWindow::refilter);
    return filters;
}

QWidget *SummaryWindow::makeSkippedNote(const QStringList &skipped)
{
    skippedNote_ = new QLabel(summaryexport::skippedCount(skipped.size()));
    // A name may hold a new line or a control character: one line each, escaped.
    QStringList lines;
    for (const QString &line : skipped)
        lines << commandline::printable(line);
    const QString listed = lines.join(QLatin1Char('\n'));
    skippedNote_->setToolTip(listed);
    skippedNote_->setAccessibleDescription(listed);
    auto *which = new QPushButton(tr("Ver cuáles…"));
    connect(which, &QPushButton::clicked, this, [this, listed] {
        QMessageBox box(QMessageBox::Warning, windowTitle(), skippedNote_->text(), QMessageBox::Ok,
                        this);
        box.setInformativeText(tr("Los ficheros que no se han podido leer, y por qué:"));
        box.setDetailedText(listed);
        box.exec();
    });
    auto *note = new QWidget;
    auto *row = new QHBoxLayout(note);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(skippedNote_);
    row->addWidget(which);
    row->addStretch(1);
    return note;
}

QWidget *SummaryWindow::makeClassPanel()
{
    classTable_ = new ClassTable;
    details_ = new QLabel;
    details_->setAccessibleName(tr("Dónde se puso el elemento"));
    details_->setWordWrap(true);
    details_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    details_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // An element put in many places gives a long list: it scrolls.
    auto *detailsArea = new QScrollArea;
    detailsArea->setWidget(details_);
    detailsArea->setWidgetResizable(true);
    detailsArea->setFrameShape(QFrame::NoFrame);
    mostMissed_ = new QListWidget;
    mostMissed_->setAccessibleName(tr("Los elementos más fallados"));

    auto *side = new QWidget;
    side->setFixedWidth(230);
    auto *column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(heading(tr("Dónde se puso"), details_));
    column->addWidget(detailsArea, 1);
    column->addWidget(heading(tr("Los más &fallados"), mostMissed_));
    column->addWidget(mostMissed_, 1);

    auto *panel = new QWidget;
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(classTable_, 1);
    row->addWidget(side);

    connect(classTable_, &ClassTable::shownChanged, this, &SummaryWindow::showDetails);
    connect(mostMissed_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) {
        if (item && item->data(Qt::UserRole).toInt() > 0)
            classTable_->select(item->data(Qt::UserRole).toInt());
    });
    return panel;
}

QWidget *SummaryWindow::makeButtons()
{
    auto *csv = new QPushButton(tr("Exportar &CSV…"));
    auto *pdf = new QPushButton(tr("Exportar &PDF…"));
    auto *close = new QPushButton(tr("Cerrar"));
    connect(csv, &QPushButton::clicked, this, [this] { askAndExport(false); });
    connect(pdf, &QPushButton::clicked, this, [this] { askAndExport(true); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto *buttons = new QWidget;
    auto *row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(csv);
    row->addWidget(pdf);
    row->addStretch(1);
    row->addWidget(close);
    return buttons;
}

void SummaryWindow::fillRows()
{
    for (int c = 0; c < summaryexport::kColumnCount; ++c) {
        model_->setHeaderData(c, Qt::Horizontal, summaryexport::heading(Column(c)));
        model_->setHeaderData(c, Qt::Horizontal, summaryexport::explanation(Column(c)),
                              Qt::ToolTipRole);
    }
    QHash<QString, int> indexOf;
    for (size_t i = 0; i < records_.size(); ++i)
        indexOf.insert(records_[i].path, int(i));
    const records::Summary all = records::summarize(records_);
    duplicates_ = all.duplicates; // copies of a record get no row of their own
    for (const records::SummaryRow &row : all.rows) {
        QList<QStandardItem *> items;
        for (int c = 0; c < summaryexport::kColumnCount; ++c) {
            auto *item = new QStandardItem(summaryexport::text(row, Column(c)));
            item->setToolTip(item->text());
            item->setData(summaryexport::sortKey(row, Column(c)), kSortRole);
            if (summaryexport::isNumber(Column(c)))
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            items << item;
        }
        items[0]->setData(indexOf.value(row.path), kRecordRole);
        items[0]->setData(records::groupKey(row.group), kGroupRole);
        items[0]->setData(row.sent.date(), kDateRole);
        model_->appendRow(items);
    }
}

void SummaryWindow::refilter()
{
    const QVariant group = groupChoice_->currentData();
    static_cast<RecordFilter *>(filter_)->setFilter(
        group.isValid() ? std::optional<QString>(group.toString()) : std::nullopt,
        fromDate_->date(), toDate_->date());

    std::vector<records::Loaded> kept;
    for (int r = 0; r < filter_->rowCount(); ++r)
        kept.push_back(records_[size_t(filter_->index(r, 0).data(kRecordRole).toInt())]);
    shown_ = records::summarize(kept);
    QString count = tr("%1 alumnos; %2 de %3 registros")
                        .arg(shown_.pupils.size())
                        .arg(kept.size())
                        .arg(records_.size() - size_t(duplicates_));
    count_->setText(count);
    fillPupils();
    QSortFilterProxyModel *rows = rowsChoice_->currentIndex() == 0 ? pupilRows_ : filter_;
    if (table_->model() != rows) {
        table_->setModel(rows);
        // The names, first in both, take the room the other columns leave.
        table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
        table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
        table_->sortByColumn(rows == filter_ ? int(Column::Sent) : 0, Qt::AscendingOrder);
    }
    classTable_->setSummary(shown_);

    mostMissed_->clear();
    for (int n : shown_.mostMissed(summaryexport::kMostMissed)) {
        auto *item = new QListWidgetItem(summaryexport::missedLine(shown_, n), mostMissed_);
        item->setData(Qt::UserRole, n);
    }
    if (mostMissed_->count() == 0)
        new QListWidgetItem(tr("Ninguno"), mostMissed_);
}

void SummaryWindow::fillPupils()
{
    pupilModel_->clear();
    pupilModel_->setColumnCount(summaryexport::kPupilColumnCount);
    for (int c = 0; c < summaryexport::kPupilColumnCount; ++c) {
        const auto column = summaryexport::PupilColumn(c);
        pupilModel_->setHeaderData(c, Qt::Horizontal, summaryexport::heading(column));
        pupilModel_->setHeaderData(c, Qt::Horizontal, summaryexport::explanation(column),
                                   Qt::ToolTipRole);
    }
    for (const records::PupilRow &pupil : shown_.pupils) {
        QList<QStandardItem *> items;
        for (int c = 0; c < summaryexport::kPupilColumnCount; ++c) {
            const auto column = summaryexport::PupilColumn(c);
            auto *item = new QStandardItem(summaryexport::text(pupil, column));
            item->setToolTip(item->text());
            item->setData(summaryexport::sortKey(pupil, column), kSortRole);
            if (c >= int(summaryexport::PupilColumn::Sends))
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            items << item;
        }
        pupilModel_->appendRow(items);
    }
}

void SummaryWindow::showDetails(int n)
{
    details_->setText(n ? ClassTable::describe(shown_, n)
                        : tr("Señala una casilla de la tabla, o elígela con las flechas, para "
                             "ver dónde se puso ese elemento."));
}

QString SummaryWindow::filterText() const
{
    QStringList parts;
    if (groupChoice_->currentIndex() > 0)
        parts << tr("grupo %1").arg(groupChoice_->currentText());
    const QDate first = fromDate_->minimumDate(), last = toDate_->maximumDate();
    if (fromDate_->date() != first || toDate_->date() != last) {
        const QString format = QStringLiteral("yyyy-MM-dd");
        parts << tr("del %1 al %2")
                     .arg(fromDate_->date().toString(format), toDate_->date().toString(format));
    }
    return parts.isEmpty() ? QString() : tr("Filtro: %1").arg(parts.join(QStringLiteral(", ")));
}

bool SummaryWindow::exportCsv(const QString &path, QString *error) const
{
    return summaryexport::writeCsv(shown_.rows, path, error);
}

bool SummaryWindow::exportPdf(const QString &path, QString *error) const
{
    return summaryexport::writePdf(shown_, folder_, filterText(), path, error);
}

QString SummaryWindow::exportName(const QString &folder)
{
    // "C:\\clase\\" and "/srv/clase/" are the folder "clase", not one with no name.
    const QString name = QFileInfo(QDir::cleanPath(QDir::fromNativeSeparators(folder))).fileName();
    return name.isEmpty() ? tr("clase") : name;
}

void SummaryWindow::askAndExport(bool pdf)
{
    const QString suffix = pdf ? QStringLiteral(".pdf") : QStringLiteral(".csv");
    const QString suggested =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(tr("resumen") + QLatin1Char('-') + exportName(folder_) + suffix);
    const QString path = QFileDialog::getSaveFileName(
        this, pdf ? tr("Exportar PDF") : tr("Exportar CSV"), suggested,
        pdf ? tr("Documentos PDF (*.pdf)") : tr("Hojas de cálculo CSV (*.csv)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!(pdf ? exportPdf(path, &error) : exportCsv(path, &error)))
        QMessageBox::warning(this, windowTitle(), error);
}
