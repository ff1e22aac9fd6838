// Reads benchmark result files and prints the budget table; exits with 1 when a line of the
// budget is missed or was not measured.
//
//   tabelora_bench_summary RESULT_FILE...

#include "bench/budgetreport.h"
#include "bench/resultset.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    ResultSet results;
    const QStringList files = app.arguments().mid(1);
    if (files.isEmpty()) {
        std::fprintf(stderr, "usage: tabelora_bench_summary RESULT_FILE...\n");
        return 2;
    }
    for (const QString &path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
            return 2;
        }
        results.addText(QString::fromUtf8(file.readAll()));
    }
    const BudgetReport report(results);
    std::fputs(qPrintable(report.table()), stdout);
    return report.allMet() ? 0 : 1;
}
