#pragma once

#include "bench/resultset.h"

#include <QString>

// The performance budget of the program, each line a figure of the program set against the
// same figure of the reference program (or against a fixed bound), and the table that shows
// how a benchmark run fared.
class BudgetReport
{
public:
    enum class Check
    {
        None,             // shown for comparison only
        RatioAtMost,      // program median / reference median <= limit
        DifferenceAtMost, // program median - reference median <= limit
        AtLeast,          // program median >= limit
        AtMost,           // program median <= limit
    };

    struct Line
    {
        const char *title;
        const char *figure;
        const char *key;
        const char *referenceFigure; // nullptr: a fixed bound
        Check check;
        double limit;
        const char *unit;
    };

    enum class Verdict
    {
        Met,
        Missed,
        NotMeasured,
        Informative
    };

    explicit BudgetReport(const ResultSet &results) : results_(results) {}

    Verdict verdict(const Line &line) const;
    // The whole table, one row per line of the budget, then how many lines were missed.
    QString table() const;
    // True when every checked line that was measured is met and none is missing.
    bool allMet() const;

    static const Line *lines();
    static int lineCount();

private:
    QString row(const Line &line) const;
    const ResultSet &results_;
};
