#include "records/summary.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <tuple>

namespace records {

namespace {

// A record holds a few kilobytes; a "*.json" far larger is something else, and is not read
// into memory whole.
constexpr qint64 kLargestRecord = 16 * 1024 * 1024;
constexpr int kMostElements = 118;

// A text field of the CSV, quoted where a spreadsheet would otherwise split it or take it
// for something else.
QByteArray csvField(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    // A field starting like a formula is run by the spreadsheet that opens the file: a single
    // quote before it, inside the quotes, makes it plain text there.
    const bool formula = !bytes.isEmpty() && QByteArray("=+-@").contains(bytes.front());
    if (!formula && !bytes.contains(';') && !bytes.contains('"') && !bytes.contains('\r') &&
        !bytes.contains('\n'))
        return bytes;
    bytes.replace('"', "\"\"");
    if (formula)
        bytes.prepend('\'');
    return '"' + bytes + '"';
}

} // namespace

int ElementSummary::percentRight() const
{
    if (pupils <= 0)
        return -1;
    // Halves round up: 1 of 8 is 13 %.
    return int((200LL * right + pupils) / (2LL * pupils));
}

std::vector<int> Summary::mostMissed(int n) const
{
    std::vector<int> missed;
    for (const auto &[number, element] : elements) {
        if (element.pupils > 0 && element.right < element.pupils)
            missed.push_back(number);
    }
    // The share right compared exactly (right / pupils, cross-multiplied), not as rounded.
    const auto worse = [this](int a, int b) {
        const ElementSummary &x = elements.at(a);
        const ElementSummary &y = elements.at(b);
        const qint64 xShare = qint64(x.right) * y.pupils;
        const qint64 yShare = qint64(y.right) * x.pupils;
        return std::tuple(xShare, -x.pupils, a) < std::tuple(yShare, -y.pupils, b);
    };
    std::sort(missed.begin(), missed.end(), worse);
    missed.resize(std::min(missed.size(), size_t(std::max(n, 0))));
    return missed;
}

FolderRecords readFolder(const QString &folder, QString *error)
{
    FolderRecords found;
    if (error)
        error->clear();
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable()) {
        if (error) {
            const QString shown = QDir::toNativeSeparators(folder);
            if (!info.exists())
                *error = QStringLiteral("The folder \"%1\" does not exist").arg(shown);
            else if (!info.isDir())
                *error = QStringLiteral("\"%1\" is not a folder").arg(shown);
            else
                *error = QStringLiteral("Cannot read the folder \"%1\"").arg(shown);
        }
        return found;
    }
    QDirIterator files(folder, {QStringLiteral("*.json")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const auto skip = [&](const QString &why) {
            found.skipped << QDir::toNativeSeparators(path) + QStringLiteral(": ") + why;
        };
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            skip(file.errorString());
            continue;
        }
        if (file.size() > kLargestRecord) {
            skip(QStringLiteral("too large for a record (%1 bytes)").arg(file.size()));
            continue;
        }
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            skip(file.errorString());
            continue;
        }
        QString why;
        if (auto record = fromJson(bytes, &why))
            found.records.push_back({path, std::move(*record)});
        else
            skip(why);
    }
    // The order of a folder listing is the file system's: sorted, the same folder reads the
    // same everywhere.
    std::sort(found.records.begin(), found.records.end(),
              [](const Loaded &a, const Loaded &b) { return a.path < b.path; });
    found.skipped.sort();
    return found;
}

Summary summarize(const std::vector<Loaded> &records)
{
    Summary summary;
    for (int n = 1; n <= kMostElements; ++n)
        summary.elements[n];
    for (const Loaded &loaded : records) {
        const Record &record = loaded.record;
        SummaryRow row{loaded.path, record.pupil, record.group, record.machine, record.sent};
        row.corrections = int(record.corrections.size());
        row.percent = record.percent;
        if (record.table == QLatin1String("actual"))
            summary.largestTable = kMostElements;
        for (const Correction &c : record.corrections) {
            row.bestHits = std::max(row.bestHits, c.hits);
            if (c.judged >= kMostElements)
                summary.largestTable = kMostElements;
        }
        if (!record.corrections.empty()) {
            const Correction &last = record.corrections.back();
            row.lastHits = last.hits;
            row.lastJudged = last.judged;
            const int count = std::min<int>(int(last.cellOf.size()), kMostElements);
            for (int n = 1; n <= count; ++n) {
                ElementSummary &element = summary.elements[n];
                const int cell = last.cellOf[size_t(n - 1)];
                ++element.pupils;
                if (cell == n)
                    ++element.right;
                else
                    ++element.putInstead[cell];
            }
        }
        summary.rows.push_back(std::move(row));
    }
    std::sort(summary.rows.begin(), summary.rows.end(),
              [](const SummaryRow &a, const SummaryRow &b) {
                  if (a.sent != b.sent)
                      return a.sent < b.sent;
                  return a.path < b.path;
              });
    return summary;
}

QByteArray csv(const std::vector<SummaryRow> &rows)
{
    QByteArray bytes("\xEF\xBB\xBF"
                     "Alumno;Grupo;Equipo;Fecha;Correcciones;Aciertos;Mejor;Porcentaje\r\n");
    for (const SummaryRow &row : rows) {
        // The date and time as the pupil's machine showed them, in the record's own offset.
        const QString date = row.sent.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
        bytes += csvField(row.pupil) + ';' + csvField(row.group) + ';' + csvField(row.machine) +
                 ';' + date.toLatin1() + ';' + QByteArray::number(row.corrections) + ';' +
                 QByteArray::number(row.lastHits) + ';' + QByteArray::number(row.bestHits) + ';' +
                 QByteArray::number(row.percent) + "\r\n";
    }
    return bytes;
}

} // namespace records
