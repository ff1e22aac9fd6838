// The teacher's summary of a folder of records, timed as the summary window opens it: the
// folder read, the records summed up and the groups of its filter listed. Three folders:
//
//   a school year  10,000 records (30 classes of 25 pupils, 1 to 5 corrections of the
//                  114-element table in each); budget 1 s
//   ten years      100,000 records, every pupil in a group of its own; budget 5 s
//   sparse files   1,000 files named "*.json" of 16 MiB that hold nothing (sparse, so they
//                  cost no disk), which are no records and must not be read; budget 1 s
//
// Each is read several times; the best and the median time are printed, with the memory the
// process grew by (its peak resident size, which only grows) against the bytes the files hold.
// The budget is judged on the median. Exit status 1 when one is missed, 2 when the records read
// back are wrong.
//
//   bench_records [--runs N] [--records N [--distinct-groups]] [--folder DIR] [--budget MS]
//
// With --records or --folder one folder alone is timed, against --budget (1000 ms unless
// given). With --folder the records are written into DIR and kept, or, when DIR holds records
// already (a class's network share, say), DIR is read as it is.
#include "records/record.h"
#include "records/summary.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kClasses = 30;
constexpr int kPupils = 25;
constexpr int kElements = 114;

// Record `index` of the year: its class and pupil, a day of the school year, and a pupil
// who gets a share of the elements right and puts the others on a random cell or nowhere.
records::Record yearRecord(int index, int count, bool distinctGroups, QRandomGenerator &random)
{
    const int classIndex = index % kClasses;
    const int pupil = index / kClasses % kPupils;
    records::Record r;
    const QDateTime yearStart(QDate(2026, 9, 14), QTime(8, 30), Qt::OffsetFromUTC, 3600);
    r.sent = yearStart.addSecs(qint64(index) * 280 * 24 * 3600 / count);
    r.machine = QStringLiteral("aula%1-pc%2")
                    .arg(classIndex % 4 + 1)
                    .arg(pupil + 1, 2, 10, QLatin1Char('0'));
    r.account = QStringLiteral("alumno%1").arg(pupil + 1);
    r.pupil = QStringLiteral("Alumna Núñez %1-%2").arg(classIndex + 1).arg(pupil + 1);
    r.group =
        distinctGroups
            ? QStringLiteral("Grupo %1").arg(index)
            : QStringLiteral("%1º %2").arg(classIndex / 6 + 1).arg(QChar(u'A' + classIndex % 6));
    r.language = QStringLiteral("es");
    r.table = QStringLiteral("clasica");
    const int corrections = int(random.bounded(1, 6));
    const double skill = random.bounded(0.3) + 0.6;
    for (int k = 0; k < corrections; ++k) {
        records::Correction c;
        c.time = r.sent.addSecs(-180 * (corrections - k));
        c.game = k + 1;
        c.judged = kElements;
        for (int n = 1; n <= kElements; ++n) {
            const int cell =
                random.generateDouble() < skill ? n : int(random.bounded(kElements + 1));
            c.cellOf.push_back(cell);
            c.hits += cell == n;
        }
        r.hitTotal += c.hits;
        r.cellsCounted += c.judged;
        r.corrections.push_back(std::move(c));
    }
    r.percent = (200 * r.hitTotal + r.cellsCounted) / (2 * r.cellsCounted);
    return r;
}

bool holdsRecords(const QString &folder)
{
    return QDirIterator(folder, {QStringLiteral("*.json")}, QDir::Files,
                        QDirIterator::Subdirectories)
        .hasNext();
}

// The peak resident size of the process so far, in bytes; 0 where the system doesn't say.
qint64 peakMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
    return 0;
}

qint64 bytesIn(const QString &folder)
{
    qint64 total = 0;
    QDirIterator files(folder, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        files.next();
        total += files.fileInfo().size();
    }
    return total;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t half = values.size() / 2;
    return values.size() % 2 ? values[half] : (values[half - 1] + values[half]) / 2;
}

struct Folder
{
    QString label;
    int records = 0; // to write; 0 for none
    bool distinctGroups = false;
    int sparseFiles = 0; // empty 16 MiB files to make
    double budgetMs = 1000;
};

// Writes the folder's files, unless it holds records already; how many records it then must
// give back, or -1 for whatever it holds.
int fill(const Folder &made, const QString &folder)
{
    if (made.records > 0 && holdsRecords(folder))
        return -1;
    QDir().mkpath(folder); // records are written only into a folder that is there
    QRandomGenerator random(2026);
    QElapsedTimer writing;
    writing.start();
    for (int i = 0; i < made.records; ++i) {
        QString error;
        if (records::write(yearRecord(i, made.records, made.distinctGroups, random), folder, &error)
                .isEmpty()) {
            std::fprintf(stderr, "bench_records: %s\n", qPrintable(error));
            std::exit(2);
        }
    }
    for (int i = 0; i < made.sparseFiles; ++i) {
        QFile file(QDir(folder).filePath(QStringLiteral("hueco-%1.json").arg(i)));
        if (!file.open(QIODevice::WriteOnly) || !file.resize(16 * 1024 * 1024)) {
            std::fprintf(stderr, "bench_records: %s\n", qPrintable(file.errorString()));
            std::exit(2);
        }
    }
    std::printf("records: %s: wrote %d records and %d empty files in %lld ms\n",
                qPrintable(made.label), made.records, made.sparseFiles, writing.elapsed());
    return made.records;
}

// Times the folder; false when the median misses the budget.
bool timeFolder(const Folder &made, const QString &folder, int runs)
{
    const int expected = fill(made, folder);
    const qint64 memoryBefore = peakMemory();
    std::vector<double> totals, reads, sums, groupings;
    size_t files = 0, groups = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        QString error;
        const records::FolderRecords found = records::readFolder(folder, &error);
        const qint64 read = timer.nsecsElapsed();
        const records::Summary summary = records::summarize(found.records);
        const qint64 summed = timer.nsecsElapsed();
        groups = records::groupsOf(found.records).size();
        const qint64 total = timer.nsecsElapsed();
        if (!error.isEmpty()) {
            std::fprintf(stderr, "bench_records: %s\n", qPrintable(error));
            std::exit(2);
        }
        const qsizetype skippedExpected = made.sparseFiles;
        if (expected >= 0 &&
            (summary.rows.size() != size_t(expected) || found.skipped.size() != skippedExpected)) {
            std::fprintf(stderr, "bench_records: %zu of the %d records written read back\n%s\n",
                         summary.rows.size(), expected,
                         qPrintable(found.skipped.mid(0, 5).join(QLatin1Char('\n'))));
            std::exit(2);
        }
        files = found.records.size() + size_t(found.skipped.size());
        totals.push_back(total / 1e6);
        reads.push_back(read / 1e6);
        sums.push_back((summed - read) / 1e6);
        groupings.push_back((total - summed) / 1e6);
    }
    const double middle = median(totals);
    const QLocale english(QLocale::English);
    std::printf(
        "records: %s: readFolder + summarize + groups of %s files (%s groups): best %.0f ms, "
        "median %.0f ms (read %.0f, summarize %.0f, groups %.0f) of %d runs; memory grew %.0f MB "
        "for "
        "%.0f MB of records; budget %.0f ms: %s\n",
        qPrintable(made.label), qPrintable(english.toString(qulonglong(files))),
        qPrintable(english.toString(qulonglong(groups))),
        *std::min_element(totals.begin(), totals.end()), middle, median(reads), median(sums),
        median(groupings), runs, (peakMemory() - memoryBefore) / 1e6,
        made.sparseFiles ? 0.0 : bytesIn(folder) / 1e6, made.budgetMs,
        middle < made.budgetMs ? "within" : "MISSED");
    return middle < made.budgetMs;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Times reading and summing up folders of records."));
    parser.addHelpOption();
    const QCommandLineOption countOption(QStringLiteral("records"),
                                         QStringLiteral("Records to write."), QStringLiteral("N"));
    const QCommandLineOption distinctOption(QStringLiteral("distinct-groups"),
                                            QStringLiteral("Every record in a group of its own."));
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Timed runs."),
                                        QStringLiteral("N"), QStringLiteral("5"));
    const QCommandLineOption folderOption(
        QStringLiteral("folder"), QStringLiteral("Folder to write into and keep, or to read."),
        QStringLiteral("DIR"));
    const QCommandLineOption budgetOption(QStringLiteral("budget"),
                                          QStringLiteral("Budget of one folder, in milliseconds."),
                                          QStringLiteral("MS"), QStringLiteral("1000"));
    parser.addOptions({countOption, distinctOption, runsOption, folderOption, budgetOption});
    parser.process(app);
    const int runs = std::max(1, parser.value(runsOption).toInt());

    if (parser.isSet(countOption) || parser.isSet(folderOption)) {
        const Folder one{QStringLiteral("given"),
                         parser.isSet(countOption) ? std::max(1, parser.value(countOption).toInt())
                                                   : 10000,
                         parser.isSet(distinctOption), 0, parser.value(budgetOption).toDouble()};
        QTemporaryDir temporary;
        const QString folder =
            parser.isSet(folderOption) ? parser.value(folderOption) : temporary.path();
        return timeFolder(one, folder, runs) ? 0 : 1;
    }
    const Folder standard[] = {
        {QStringLiteral("a school year"), 10000, false, 0, 1000},
        {QStringLiteral("ten years"), 100000, true, 0, 5000},
        {QStringLiteral("sparse files"), 0, false, 1000, 1000},
    };
    bool within = true;
    for (const Folder &made : standard) {
        QTemporaryDir temporary; // each removed before the next is written
        within = timeFolder(made, temporary.path(), runs) && within;
    }
    return within ? 0 : 1;
}
