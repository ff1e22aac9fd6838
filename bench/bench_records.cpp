// The teacher's summary of a school year: 10,000 records (30 classes of 25 pupils, 1 to 5
// corrections of the 114-element table in each) are written into a temporary folder, then the
// folder is read and summed up several times, as the summary window does when it opens.
// Prints the best and the median time of readFolder + summarize; the budget is one second,
// judged on the median. Exit status 1 when it is missed, 2 when the records are wrong.
//
//   bench_records [--records N] [--runs N] [--folder DIR]
//
// With --folder the records are written into DIR and kept, or, when DIR holds records already
// (a class's network share, say), DIR is read as it is.
#include "records/record.h"
#include "records/summary.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr double kBudgetMs = 1000;
constexpr int kClasses = 30;
constexpr int kPupils = 25;
constexpr int kElements = 114;

// Record `index` of the year: its class and pupil, a day of the school year, and a pupil
// who gets a share of the elements right and puts the others on a random cell or nowhere.
records::Record yearRecord(int index, int count, QRandomGenerator &random)
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
    r.group = QStringLiteral("%1º %2").arg(classIndex / 6 + 1).arg(QChar(u'A' + classIndex % 6));
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

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t half = values.size() / 2;
    return values.size() % 2 ? values[half] : (values[half - 1] + values[half]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Times reading and summing up a year of records."));
    parser.addHelpOption();
    const QCommandLineOption countOption(QStringLiteral("records"),
                                         QStringLiteral("Records to write."), QStringLiteral("N"),
                                         QStringLiteral("10000"));
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Timed runs."),
                                        QStringLiteral("N"), QStringLiteral("5"));
    const QCommandLineOption folderOption(
        QStringLiteral("folder"), QStringLiteral("Folder to write into and keep, or to read."),
        QStringLiteral("DIR"));
    parser.addOptions({countOption, runsOption, folderOption});
    parser.process(app);
    const int count = std::max(1, parser.value(countOption).toInt());
    const int runs = std::max(1, parser.value(runsOption).toInt());

    QTemporaryDir temporary;
    const QString folder =
        parser.isSet(folderOption) ? parser.value(folderOption) : temporary.path();
    int expected = -1; // a folder read as it is: whatever it holds
    if (!holdsRecords(folder)) {
        expected = count;
        QDir().mkpath(folder);
        QRandomGenerator random(2026);
        QElapsedTimer writing;
        writing.start();
        for (int i = 0; i < count; ++i) {
            QString error;
            if (records::write(yearRecord(i, count, random), folder, &error).isEmpty()) {
                std::fprintf(stderr, "bench_records: %s\n", qPrintable(error));
                return 2;
            }
        }
        std::printf("records: wrote %d records in %lld ms\n", count, writing.elapsed());
    }

    std::vector<double> totals, reads, sums;
    size_t files = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        QString error;
        const records::FolderRecords found = records::readFolder(folder, &error);
        const qint64 read = timer.nsecsElapsed();
        const records::Summary summary = records::summarize(found.records);
        const qint64 total = timer.nsecsElapsed();
        if (!error.isEmpty()) {
            std::fprintf(stderr, "bench_records: %s\n", qPrintable(error));
            return 2;
        }
        if (expected >= 0 &&
            (summary.rows.size() != size_t(expected) || !found.skipped.isEmpty())) {
            std::fprintf(stderr, "bench_records: %zu of the %d records written read back\n%s\n",
                         summary.rows.size(), expected,
                         qPrintable(found.skipped.join(QLatin1Char('\n'))));
            return 2;
        }
        files = found.records.size();
        totals.push_back(total / 1e6);
        reads.push_back(read / 1e6);
        sums.push_back((total - read) / 1e6);
    }
    const double middle = median(totals);
    std::printf("records: readFolder + summarize of %s files: best %.0f ms, median %.0f ms "
                "(read %.0f, summarize %.0f) of %d runs; budget %.0f ms: %s\n",
                qPrintable(QLocale(QLocale::English).toString(qulonglong(files))),
                *std::min_element(totals.begin(), totals.end()), middle, median(reads),
                median(sums), runs, kBudgetMs, middle < kBudgetMs ? "within" : "MISSED");
    return middle < kBudgetMs ? 0 : 1;
}
