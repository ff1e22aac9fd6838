#include "records/summary.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QHash>

#include <algorithm>
#include <atomic>
#include <optional>
#include <system_error>
#include <thread>
#include <tuple>
#include <unordered_map>

namespace records {

namespace {

// The most a record can take, with room to spare. A correction of today's table is at most
// 575 bytes: 118 cells of up to 3 digits and their 117 commas (471) in "posiciones":[...]
// (15 more), the time with its offset as "hora":"...", (35), "partida" with up to 10 digits
// (21), "aciertos" and "casillas" (31), and its braces and comma. 512 KiB holds some 870 such
// corrections, far more than a pupil makes between two sends, beside 20 KiB of names. A
// "*.json" larger than this is something else, and is skipped unread.
constexpr qint64 kLargestRecord = 512 * 1024;
constexpr int kMostElements = 118;
// Threads that read beside the calling one, and the files that make one worth starting.
constexpr size_t kMostHelpers = 7;
constexpr size_t kFilesPerHelper = 256;

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
    QString top = folder;
    while (top.size() > 1 && top.endsWith(QLatin1Char('/')))
        top.chop(1);
    const auto skip = [&found](const QString &path, const QString &why) {
        found.skipped << QDir::toNativeSeparators(path) + QStringLiteral(": ") + why;
    };
    const auto text = [](const char *source) {
        return QCoreApplication::translate("records", source);
    };
    struct Candidate
    {
        QString path;
        bool regular;
    };
    std::vector<Candidate> candidates;
    std::vector<QString> pending{top};
    std::vector<FolderEntry> entries;
    while (!pending.empty()) {
        const QString dir = pending.back();
        pending.pop_back();
        entries.clear();
        QString why;
        const FolderProblem problem = listFolder(dir, &entries, &why);
        if (problem != FolderProblem::None && dir == top) {
            found.problem = problem;
            if (error) {
                const QString shown = QDir::toNativeSeparators(folder);
                *error = problem == FolderProblem::Missing
                             ? QStringLiteral("The folder \"%1\" does not exist").arg(shown)
                         : problem == FolderProblem::NotAFolder
                             ? QStringLiteral("\"%1\" is not a folder").arg(shown)
                             : QStringLiteral("Cannot read the folder \"%1\": %2").arg(shown, why);
            }
            return found;
        }
        if (problem != FolderProblem::None) {
            skip(dir,
                 text(QT_TRANSLATE_NOOP("records", "No se puede leer la carpeta: %1")).arg(why));
            continue;
        }
        const QString prefix = dir == QLatin1String("/") ? dir : dir + QLatin1Char('/');
        for (const FolderEntry &entry : entries) {
            const QString path = prefix + entry.name;
            const bool hidden = entry.name.startsWith(QLatin1Char('.'));
            if (entry.kind == FolderEntry::Kind::Folder) {
                if (hidden)
                    skip(path,
                         text(QT_TRANSLATE_NOOP("records", "Es una carpeta oculta; no se lee")));
                else
                    pending.push_back(path);
                continue;
            }
            if (entry.kind == FolderEntry::Kind::FolderLink) {
                skip(path,
                     text(QT_TRANSLATE_NOOP("records", "Es un enlace a una carpeta; no se sigue")));
                continue;
            }
            if (!entry.name.endsWith(QLatin1String(".json"), Qt::CaseInsensitive))
                continue;
            if (hidden) {
                skip(path, text(QT_TRANSLATE_NOOP("records", "Es un fichero oculto; no se lee")));
                continue;
            }
            if (entry.kind != FolderEntry::Kind::File) {
                skip(path, outcomeText(entry.kind == FolderEntry::Kind::Dangling
                                           ? FileRead::Outcome::Dangling
                                           : FileRead::Outcome::LinkLoop,
                                       kLargestRecord));
                continue;
            }
            candidates.push_back({path, entry.regular});
        }
    }

    // Reading and parsing is the work: it is shared among the processor's cores, each result
    // in the candidate's own place.
    std::vector<std::optional<Record>> read(candidates.size());
    std::vector<QString> why(candidates.size());
    std::atomic<size_t> next = 0;
    const auto work = [&] {
        constexpr size_t kBatch = 64;
        for (size_t first; (first = next.fetch_add(kBatch)) < candidates.size();) {
            for (size_t i = first; i < std::min(first + kBatch, candidates.size()); ++i) {
                const FileRead file =
                    readRegularFile(candidates[i].path, kLargestRecord, candidates[i].regular);
                if (file.outcome == FileRead::Outcome::Read)
                    read[i] = fromJson(file.bytes, &why[i]);
                else if (file.outcome == FileRead::Outcome::Failed)
                    why[i] = file.why;
                else
                    why[i] = outcomeText(file.outcome, kLargestRecord);
            }
        }
    };
    const size_t helpers =
        candidates.size() < kFilesPerHelper
            ? 0
            : std::min<size_t>({std::max(std::thread::hardware_concurrency(), 1u) - 1, kMostHelpers,
                                candidates.size() / kFilesPerHelper});
    std::vector<std::thread> threads;
    try {
        for (size_t t = 0; t < helpers; ++t)
            threads.emplace_back(work);
    } catch (const std::system_error &) {
        // No more threads to be had: those started, and this one, read everything.
    }
    work();
    for (std::thread &thread : threads)
        thread.join();
    found.records.reserve(candidates.size());
    for (size_t i = 0; i < candidates.size(); ++i) {
        if (read[i])
            found.records.push_back({candidates[i].path, std::move(*read[i])});
        else
            skip(candidates[i].path, why[i]);
    }
    // The order of a folder listing is the file system's: sorted, the same folder reads the
    // same everywhere.
    std::sort(found.records.begin(), found.records.end(),
              [](const Loaded &a, const Loaded &b) { return a.path < b.path; });
    found.skipped.sort();
    return found;
}

namespace {

// Names as a teacher reads them alike: composed, case folded, one space between words.
QString comparable(const QString &text)
{
    return text.normalized(QString::NormalizationForm_C).toCaseFolded().simplified();
}

// Hits over cells, 0..100, halves rounded up; -1 for no cells.
int percentOf(qint64 hits, qint64 cells)
{
    return cells > 0 ? int((200 * hits + cells) / (2 * cells)) : -1;
}

int percentOf(const Correction &c)
{
    return percentOf(c.hits, c.judged);
}

// Everything a record holds, hashed, to find copies of it quickly; two records with the same
// hash are then compared whole.
size_t contentHash(const Record &r)
{
    size_t hash = qHashMulti(0, r.sent.toMSecsSinceEpoch(), r.machine, r.account, r.pupil,
                             r.group, r.hitTotal, r.cellsCounted, r.corrections.size());
    for (const Correction &c : r.corrections)
        hash = qHashMulti(hash, c.time.toMSecsSinceEpoch(), c.game, c.hits,
                          qHashRange(c.cellOf.begin(), c.cellOf.end()));
    return hash;
}

bool sameContent(const Record &a, const Record &b)
{
    const auto fields = [](const Record &r) {
        return std::tie(r.machine, r.account, r.pupil, r.group, r.language, r.table, r.hitTotal,
                        r.cellsCounted, r.percent);
    };
    const auto same = [](const Correction &x, const Correction &y) {
        return x.time == y.time && x.time.offsetFromUtc() == y.time.offsetFromUtc() &&
               x.game == y.game && x.hits == y.hits && x.judged == y.judged &&
               x.cellOf == y.cellOf;
    };
    return a.sent == b.sent && a.sent.offsetFromUtc() == b.sent.offsetFromUtc() &&
           fields(a) == fields(b) &&
           std::equal(a.corrections.begin(), a.corrections.end(), b.corrections.begin(),
                      b.corrections.end(), same);
}

} // namespace

QString groupKey(const QString &group)
{
    QString key = comparable(group);
    key.remove(QLatin1Char(' '));
    key.replace(QChar(0x00B0), QChar(0x00BA)); // the degree sign typed for the ordinal one
    return key;
}

QString pupilKey(const SummaryRow &row)
{
    const QString name = comparable(row.pupil);
    if (name.isEmpty())
        return QStringLiteral("\n") + row.path; // no name: nobody else's
    return groupKey(row.group) + QLatin1Char('\n') + name;
}

std::vector<GroupName> groupsOf(const std::vector<Loaded> &records)
{
    std::map<QString, QString> written; // by key: as the first record writes it
    for (const Loaded &loaded : records)
        written.try_emplace(groupKey(loaded.record.group), loaded.record.group);
    // Each group's collation key made once: a year of records may name thousands of groups.
    const QCollator collator;
    std::vector<std::pair<QCollatorSortKey, GroupName>> keyed;
    keyed.reserve(written.size());
    for (auto &[key, group] : written)
        keyed.emplace_back(collator.sortKey(group), GroupName{key, group});
    std::sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) {
        const int order = a.first.compare(b.first);
        return order != 0 ? order < 0 : a.second.key < b.second.key;
    });
    std::vector<GroupName> groups;
    groups.reserve(keyed.size());
    for (auto &[sortKey, group] : keyed)
        groups.push_back(std::move(group));
    return groups;
}

Summary summarize(const std::vector<Loaded> &records)
{
    Summary summary;
    for (int n = 1; n <= kMostElements; ++n)
        summary.elements[n];
    // The records kept, copies left out, each with its pupil's key.
    std::unordered_multimap<size_t, size_t> byContent;
    std::vector<std::pair<const Loaded *, QString>> kept;
    kept.reserve(records.size());
    for (const Loaded &loaded : records) {
        const size_t hash = contentHash(loaded.record);
        const auto [first, last] = byContent.equal_range(hash);
        if (std::any_of(first, last, [&](const auto &entry) {
                return sameContent(kept[entry.second].first->record, loaded.record);
            })) {
            ++summary.duplicates;
            continue;
        }
        byContent.emplace(hash, kept.size());
        kept.emplace_back(&loaded, pupilKey(SummaryRow{loaded.path, loaded.record.pupil,
                                                       loaded.record.group, {}, {}}));
    }

    // Per pupil: the last correction, and every correction in the order made.
    std::map<QString, std::vector<const Correction *>> made;
    std::vector<size_t> order(kept.size());
    for (size_t i = 0; i < kept.size(); ++i) {
        order[i] = i;
        const Record &record = kept[i].first->record;
        SummaryRow row{kept[i].first->path, record.pupil, record.group, record.machine,
                       record.sent};
        row.corrections = int(record.corrections.size());
        if (record.table == QLatin1String("actual"))
            summary.largestTable = kMostElements;
        qint64 hits = 0, cells = 0;
        std::vector<const Correction *> &ofPupil = made[kept[i].second];
        for (const Correction &c : record.corrections) {
            row.bestHits = std::max(row.bestHits, c.hits);
            hits += c.hits;
            cells += c.judged;
            if (c.judged >= kMostElements)
                summary.largestTable = kMostElements;
            ofPupil.push_back(&c);
        }
        row.percent = percentOf(hits, cells);
        if (!record.corrections.empty()) {
            row.lastHits = record.corrections.back().hits;
            row.lastJudged = record.corrections.back().judged;
        }
        summary.rows.push_back(std::move(row));
    }
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        const SummaryRow &x = summary.rows[a], &y = summary.rows[b];
        return x.sent != y.sent ? x.sent < y.sent : x.path < y.path;
    });

    // The pupils, from their records in the order sent.
    std::map<QString, size_t> pupilAt;
    std::vector<SummaryRow> sorted;
    sorted.reserve(order.size());
    for (size_t i : order) {
        const SummaryRow &row = summary.rows[i];
        const auto [at, added] = pupilAt.try_emplace(kept[i].second, summary.pupils.size());
        if (added)
            summary.pupils.emplace_back();
        PupilRow &pupil = summary.pupils[at->second];
        pupil.pupil = row.pupil;
        pupil.group = row.group;
        pupil.machine = row.machine;
        pupil.lastSent = row.sent;
        ++pupil.sends;
        pupil.corrections += row.corrections;
        sorted.push_back(std::move(summary.rows[i]));
    }
    summary.rows = std::move(sorted);
    for (auto &[key, corrections] : made) {
        if (corrections.empty())
            continue;
        std::stable_sort(corrections.begin(), corrections.end(),
                         [](const Correction *a, const Correction *b) { return a->time < b->time; });
        PupilRow &pupil = summary.pupils[pupilAt.at(key)];
        pupil.firstPercent = percentOf(*corrections.front());
        pupil.lastPercent = percentOf(*corrections.back());
        for (const Correction *c : corrections)
            pupil.bestPercent = std::max(pupil.bestPercent, percentOf(*c));
        // Each pupil counts once per element, by the last correction they made.
        const Correction &last = *corrections.back();
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
    std::stable_sort(summary.pupils.begin(), summary.pupils.end(),
                     [](const PupilRow &a, const PupilRow &b) { return a.lastSent < b.lastSent; });
    return summary;
}

QByteArray csv(const std::vector<SummaryRow> &rows, const QStringList &headings)
{
    QByteArray bytes("\xEF\xBB\xBF");
    for (qsizetype i = 0; i < headings.size(); ++i)
        bytes += (i ? ";" : "") + csvField(headings[i]);
    bytes += "\r\n";
    for (const SummaryRow &row : rows) {
        // The date and time as the pupil's machine showed them, in the record's own offset.
        const QString date = row.sent.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
        bytes += csvField(row.pupil) + ';' + csvField(row.group) + ';' + csvField(row.machine) +
                 ';' + date.toLatin1() + ';' + QByteArray::number(row.corrections) + ';' +
                 QByteArray::number(row.lastHits) + ';' + QByteArray::number(row.bestHits) + ';' +
                 (row.percent < 0 ? QByteArray() : QByteArray::number(row.percent)) + "\r\n";
    }
    return bytes;
}

} // namespace records
