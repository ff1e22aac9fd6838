#pragma once

#include "records/filesystem.h"
#include "records/record.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <map>
#include <utility>
#include <vector>

// What a class's records say, gathered from a folder for the teacher's summary.
namespace records {

// One record of the folder, as a row of the summary's table.
struct SummaryRow
{
    QString path;
    QString pupil, group, machine;
    QDateTime sent;
    int corrections = 0;
    int lastHits = 0;  // hits of the last correction; 0 without corrections
    int bestHits = 0;  // of the best one
    // This record's own corrections: their hits over the cells they judged, 0..100, rounded;
    // -1 without corrections. (The run's totals a record keeps may cover another pupil who
    // used the machine earlier in the run.)
    int percent = -1;
    int lastJudged = 0;
};

// One pupil: every record of the same group and name, as compared by pupilKey.
struct PupilRow
{
    QString pupil, group; // as the pupil's last record writes them
    QString machine;      // of the last record
    QDateTime lastSent;
    int sends = 0;
    int corrections = 0;
    // Each correction's hits over its cells, 0..100, rounded; -1 without corrections.
    int firstPercent = -1;
    int lastPercent = -1;
    int bestPercent = -1;
};

// Per element (by atomic number), over each pupil's last correction.
struct ElementSummary
{
    int pupils = 0;  // pupils whose last correction judged this element
    int right = 0;   // of those, with its tile on its own cell
    // Where its tile was put instead: cell -> pupils; cell 0 is "not on the board".
    std::map<int, int> putInstead;
    // The share of `right` in `pupils`, 0..100, rounded; -1 when no pupil was judged on it.
    int percentRight() const;
};

struct Summary
{
    std::vector<SummaryRow> rows;           // one per record, sorted by time sent, oldest first
    std::vector<PupilRow> pupils;           // one per pupil, in the order of their last send
    std::map<int, ElementSummary> elements; // by atomic number, 1..118
    int largestTable = 114;                 // 118 when a record of today's table is among them
    int duplicates = 0; // records left out as copies of another (the same file twice)
    // Elements most often misplaced, worst first (the lowest share right, then the most
    // pupils, then the atomic number): up to n, leaving out elements every pupil got right.
    std::vector<int> mostMissed(int n) const;
};

// Who a record is about: its group and its pupil's name, each in Unicode's composed form,
// case folded, with runs of spaces made one; the group also without any space, and with the
// degree sign read as the ordinal "º" ("3ºB", "3º B" and "3°b" are one group). A record with
// no name is a pupil of its own, never merged with another: its key is its path.
QString pupilKey(const SummaryRow &row);
QString groupKey(const QString &group);

// A record file read back.
struct Loaded
{
    QString path;
    Record record;
};

struct FolderRecords
{
    std::vector<Loaded> records;
    // What was left out, with the reason, "path: why": files named "*.json" that hold no
    // readable record or are no regular file, hidden ones, links to nothing or in a loop,
    // subfolders that can't be read or are hidden, links to folders (not followed). A name
    // ending in ".tmp" is a send still being written, or cut short, and is left out unnamed.
    QStringList skipped;
    FolderProblem problem = FolderProblem::None; // of the folder itself
};

// Reads every "*.json" in the folder and its subfolders. Empty, with the reason in `error`
// and in `problem`, when the folder itself can't be read. A path that is not UTF-8 is read as
// pathFromNative spells it.
FolderRecords readFolder(const QString &folder, QString *error = nullptr);

// A group of the filter: its groupKey, and the group as the first record naming it writes it.
struct GroupName
{
    QString key;
    QString written;
};

// The groups the records name, each once as groupKey compares them, in the alphabetical order
// of the program's language.
std::vector<GroupName> groupsOf(const std::vector<Loaded> &records);

// What the records say together; the window calls it again on the records a filter keeps.
// Copies of one record count once; each pupil counts once per element, by their last
// correction.
Summary summarize(const std::vector<Loaded> &records);

// The CSV a spreadsheet opens as columns: UTF-8 with a byte-order mark, ";" between fields,
// CR LF, the headings given (the pupil, the group, the machine, the date, the corrections, the
// hits, the best, the percentage), the date as "AAAA-MM-DD HH:MM" in the record's own offset,
// the percentage empty for a record with no correction, fields quoted where needed.
QByteArray csv(const std::vector<SummaryRow> &rows, const QStringList &headings);

} // namespace records
