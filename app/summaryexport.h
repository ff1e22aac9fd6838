#pragma once

#include "records/summary.h"

#include <QString>
#include <QVariant>

#include <optional>
#include <vector>

// A class's summary as files a teacher keeps or prints, and the parts the summary window
// shares with them: the columns of the pupils' table and the texts about the folder. The
// files are written whole or not at all: under a temporary name, renamed when complete.
namespace summaryexport {

// The pupils' table with one row per record, in these columns.
enum class Column
{
    Pupil,
    Group,
    Machine,
    Sent,
    Corrections,
    LastHits,
    BestHits,
    Percent,
};
inline constexpr int kColumnCount = 8;

// The pupils' table with one row per pupil, in these columns.
enum class PupilColumn
{
    Pupil,
    Group,
    Sends,
    Corrections,
    FirstPercent,
    LastPercent,
    BestPercent,
};
inline constexpr int kPupilColumnCount = 7;

// The column's heading, and a longer explanation of it, in the program's language.
QString heading(Column column);
QString explanation(Column column);
QString heading(PupilColumn column);
QString explanation(PupilColumn column);
// What the cell shows, and the value it sorts by: numbers for counts, the time for the date.
QString text(const records::SummaryRow &row, Column column);
QVariant sortKey(const records::SummaryRow &row, Column column);
QString text(const records::PupilRow &row, PupilColumn column);
QVariant sortKey(const records::PupilRow &row, PupilColumn column);
bool isNumber(Column column);

// The elements most often misplaced that the summary names, and how one of them is listed:
// "Fe Hierro: 20 %".
inline constexpr int kMostMissed = 10;
QString missedLine(const records::Summary &summary, int n);

// The folder's records; nothing, with the reason in the program's language in `error`, when
// the folder itself can't be read.
std::optional<records::FolderRecords> readRecords(const QString &folder, QString *error);
// "3 registros no se han podido leer", in the program's language.
QString skippedCount(qsizetype count);

// Whether two paths lead to one file: the same name spelled two ways, a link to the other,
// or a second name of the same file.
bool sameFile(const QString &a, const QString &b);
// That --csv and --pdf name one file, in the program's language.
QString sameFileText(const QString &path);

// The rows as CSV (records::csv). False, with the reason in `error`, when the file can't be
// written. A file is written whole or left as it was; a link is followed to the file it names,
// made when it is not there yet; a folder, a device, a pipe or a link loop is never replaced.
bool writeCsv(const std::vector<records::SummaryRow> &rows, const QString &path, QString *error);

// A printable summary on A4 pages: a title with the folder, the date and the filter (empty
// for none), the class's periodic table with its legend, the elements most often misplaced,
// and the table of the pupils over as many pages as it needs. Needs a QGuiApplication.
bool writePdf(const records::Summary &summary, const QString &folder, const QString &filter,
              const QString &path, QString *error);

} // namespace summaryexport
