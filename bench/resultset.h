#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

// The measurements of a benchmark run, gathered from result lines of the form
//   NAME key=value key=value ...
// where every run of a figure adds one sample per key. Lines that do not fit are skipped.
class ResultSet
{
public:
    struct Spread
    {
        double median = 0;
        double min = 0;
        double max = 0;
        int samples = 0;
    };

    // Returns false when the line was not a result line.
    bool addLine(const QString &line);
    // Adds every line of a text; returns how many were result lines.
    int addText(const QString &text);
    // A QBENCHMARK result in Qt Test's CSV form ("function","tag","metric",value,...): a
    // wall-time figure in milliseconds becomes micro.FUNCTION us=<microseconds>.
    bool addBenchmarkCsvLine(const QString &line);

    void add(const QString &figure, const QString &key, double value);
    std::optional<Spread> spread(const QString &figure, const QString &key) const;

    static double median(QList<double> values);

private:
    QHash<QString, QList<double>> samples_; // "figure key" -> values in arrival order
};
