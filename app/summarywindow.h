#pragma once

#include "records/summary.h"

#include <QWidget>

#include <vector>

class ClassTable;
class QComboBox;
class QDateEdit;
class QLabel;
class QListWidget;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

// The teacher's summary of a folder of records: a table of the pupils, one row per pupil or
// per record, sortable by any column and filtered by group and by date; the class's periodic table of the
// records the filters keep, with where each element was put instead and the elements most
// often misplaced; and the CSV and PDF files of what it shows. The records are read by whoever
// makes the window: making it reads no file.
class SummaryWindow : public QWidget
{
    Q_OBJECT

public:
    SummaryWindow(const QString &folder, records::FolderRecords found, QWidget *parent = nullptr);

    QTableView *table() const { return table_; }
    QSortFilterProxyModel *rows() const { return filter_; }
    QComboBox *groupChoice() const { return groupChoice_; }
    QComboBox *rowsChoice() const { return rowsChoice_; }
    QDateEdit *fromDate() const { return fromDate_; }
    QDateEdit *toDate() const { return toDate_; }
    ClassTable *classTable() const { return classTable_; }
    QLabel *details() const { return details_; }
    QListWidget *mostMissed() const { return mostMissed_; }
    QLabel *skippedNote() const { return skippedNote_; }

    // What the records the filters keep say together.
    const records::Summary &shownSummary() const { return shown_; }
    // The filters in words, for the printed summary; empty when they keep every record.
    QString filterText() const;

    // Characters of a name or a group shown before it is shortened.
    static constexpr int kShownCharacters = 30;

    // The name a folder's exports are suggested under: the folder's own, however written.
    static QString exportName(const QString &folder);

    bool exportCsv(const QString &path, QString *error) const;
    bool exportPdf(const QString &path, QString *error) const;

private:
    QWidget *makeFilters();
    QWidget *makeSkippedNote(const QStringList &skipped);
    QWidget *makeClassPanel();
    QWidget *makeButtons();
    void fillRows();
    void fillPupils();
    void refilter();
    void showDetails(int n);
    void askAndExport(bool pdf);

    QString folder_;
    std::vector<records::Loaded> records_;
    records::Summary shown_;
    int duplicates_ = 0; // records of the folder left out as copies of another
    QStandardItemModel *model_ = nullptr;
    QSortFilterProxyModel *filter_ = nullptr;
    QTableView *table_ = nullptr;
    QComboBox *groupChoice_ = nullptr;
    QComboBox *rowsChoice_ = nullptr; // one row per pupil, or per record
    QStandardItemModel *pupilModel_ = nullptr;
    QSortFilterProxyModel *pupilRows_ = nullptr;
    QDateEdit *fromDate_ = nullptr;
    QDateEdit *toDate_ = nullptr;
    QLabel *count_ = nullptr;
    ClassTable *classTable_ = nullptr;
    QLabel *details_ = nullptr;
    QListWidget *mostMissed_ = nullptr;
    QLabel *skippedNote_ = nullptr;
};
