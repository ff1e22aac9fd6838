#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

// A record: what one "Enviar" sends, kept as a file of its own that is never replaced. It is
// UTF-8 JSON (the README documents it field by field), about the pupil who sent it: the
// corrections made since the previous send of the run, or since start.
namespace records {

inline constexpr char kFormat[] = "tabelora-registro";
inline constexpr int kVersion = 1;

// One correction, as it was when "Corregir vistas" was pressed.
struct Correction
{
    QDateTime time;  // with its UTC offset
    int game = 0;    // the game number (the "Intentos" counter)
    int hits = 0;    // tiles on their own cells
    int judged = 0;  // cells judged: the table's size
    // cellOf[n - 1]: the cell where element n's tile stood: n itself (its own cell), another
    // cell, or 0 when the tile was not on the board. One entry per element of the table.
    std::vector<int> cellOf;
};

struct Record
{
    QDateTime sent;   // with its UTC offset
    QString machine;  // the machine's name
    QString account;  // the user account
    QString pupil;    // as typed, in Unicode's composed form (NFC)
    QString group;
    QString language; // "es", "ca", "gl" or "eu"
    QString table;    // "clasica" (114 elements) or "actual" (118)
    std::vector<Correction> corrections;
    // The run's totals, exactly as line 5 of the report states them.
    int hitTotal = 0;
    int cellsCounted = 0;
    int percent = 0;
};

QByteArray toJson(const Record &record);
// The record the bytes hold; nothing, with the reason in `why`, when they hold no record of
// this format and version (not JSON, another format, a later version, cut short, fields
// missing or of the wrong type).
std::optional<Record> fromJson(const QByteArray &bytes, QString *why = nullptr);

// A file name no other send shares, from any machine: the time sent, the machine, and a
// random part; ends in ".json".
QString fileName(const Record &record);

// Writes the record as a new file of a name no other has (fileName) in an existing folder:
// first under a temporary name in the same folder, synced to the disk, then renamed to its own
// name, never over another file, so that a reader of the folder sees whole records only. The
// folder is never made. The new file's path; an empty path and the reason in `error` when it
// can't be written.
QString write(const Record &record, const QString &folder, QString *error);
// Writes a record's bytes as the file `name` in an existing folder, as write() does. A file of
// that name with the same bytes is one delivered before: true, and nothing is written. False
// with the reason in `error` when the bytes are not there.
bool deliver(const QByteArray &bytes, const QString &folder, const QString &name, QString *error);

// The folder of the pupil's own copies: the program's data folder of the user account.
QString ownFolder();

} // namespace records
