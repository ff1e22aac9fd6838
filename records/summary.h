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
    int percent = 0;   // the run's percentage as the report states it
    int lastJudged = 0;
};

// Per element (by atomic number), over the pupils' last corrections.
struct ElementSummary
{
    int pupils = 0;  // records whose last correction judged this element
    int right = 0;   // of those, with its tile on its own cell
    // Where its tile was put instead: cell -> pupils; cell 0 is "not on the board".
    std::map<int, int> putInstead;
    // The share of `right` in `pupils`, 0..100, rounded; -1 when no pupil was judged on it.
    int percentRight() const;
};

struct Summary
{
    std::vector<SummaryRow> rows;           // sorted by time sent, oldest first
    std::map<int, ElementSummary> elements; // by atomic number, 1..118
    int largestTable = 114;                 // 118 when a record of today's table is among them
    // Elements most often misplaced, worst first (the lowest share right, then the most
    // pupils, then the atomic number): up to n, leaving out elements every pupil got right.
    std::vector<int> mostMissed(int n) const;
};

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

// The groups the records name, each once, in the alphabetical order of the program's
// language.
QStringList groupsOf(const std::vector<Loaded> &records);

// What the records say together; the window calls it again on the records a filter keeps.
Summary summarize(const std::vector<Loaded> &records);

// The CSV a spreadsheet opens as columns: UTF-8 with a byte-order mark, ";" between fields,
// CR LF, the header "Alumno;Grupo;Equipo;Fecha;Correcciones;Aciertos;Mejor;Porcentaje", the
// date as "AAAA-MM-DD HH:MM" in the record's own offset, fields quoted where needed.
QByteArray csv(const std::vector<SummaryRow> &rows);

} // namespace records
