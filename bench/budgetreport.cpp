#include "bench/budgetreport.h"

#include <cmath>
#include <iterator>

using Check = BudgetReport::Check;

namespace {
// Tile ticks per second when all 114 tiles tick every 10 ms.
constexpr double kFullTickRate = 114 * 100;

constexpr BudgetReport::Line kBudget[] = {
    {"Start-up to the first window", "startup.tabelora", "ms", "startup.reference",
     Check::RatioAtMost, 2.0, "ms"},
    {"Peak memory 5 s after start", "startup.tabelora", "memory_kb", "startup.reference",
     Check::RatioAtMost, 1.25, "kB"},
    {"At rest 100 ms, information window", "rest-info.tabelora", "cpu", "rest.reference",
     Check::DifferenceAtMost, 0.5, "% core"},
    {"At rest 100 ms, main window", "rest.tabelora", "cpu", "rest.reference",
     Check::DifferenceAtMost, 0.5, "% core"},
    {"Steady 10 ms vs repaint on change", "steady.tabelora", "cpu", "steady.reference",
     Check::RatioAtMost, 1.5, "% core"},
    {"Steady 10 ms vs repaint every tick", "steady.tabelora", "cpu", "steady-every.reference",
     Check::None, 0, "% core"},
    {"Full drift 10 ms", "drift.tabelora", "cpu", "drift.reference", Check::RatioAtMost, 1.0,
     "% core"},
    {"Full drift, tile ticks delivered", "drift.tabelora", "ticks", nullptr, Check::AtLeast,
     0.95 * kFullTickRate, "/s"},
    {"Full drift, reference ticks", "drift.reference", "ticks", nullptr, Check::None, 0, "/s"},
    {"Native panels above the tiles", "rest.tabelora", "native", nullptr, Check::AtMost, 0, ""},
    {"Move over a tile, lit cell kept", "micro.moveOverATileKeepingTheLitCell", "us", nullptr,
     Check::AtMost, 10, "us"},
    {"Move over a tile, lit cell changing", "micro.moveOverATileChangingTheLitCell", "us", nullptr,
     Check::AtMost, 10, "us"},
    {"Move over the bare window", "micro.moveOverTheBareWindow", "us", nullptr, Check::None, 0,
     "us"},
    {"Game::correct", "micro.correctionOfAGame", "us", nullptr, Check::None, 0, "us"},
    {"Game::NuevoTablero", "micro.newBoard", "us", nullptr, Check::None, 0, "us"},
    {"Game::baraja", "micro.shuffle", "us", nullptr, Check::None, 0, "us"},
    {"Nuevo, Corregir and a bare move together", "micro.newBoardCorrectedAndSentHome", "us",
     nullptr, Check::None, 0, "us"},
    // Today's table, beside the lines above: four tiles and a strip's width more.
    {"Start-up, today's table", "startup.tabelora-actual", "ms", "startup.reference", Check::None,
     0, "ms"},
    {"Peak memory, today's table", "startup.tabelora-actual", "memory_kb", "startup.reference",
     Check::None, 0, "kB"},
};

QString number(double value)
{
    const double size = std::abs(value);
    if (value == std::floor(value) && size < 1e12)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'f', size >= 1000 ? 0 : size >= 10 ? 1 : size >= 1 ? 2 : 3);
}

QString spreadText(const std::optional<ResultSet::Spread> &spread)
{
    if (!spread)
        return QStringLiteral("-");
    if (spread->samples == 1)
        return number(spread->median);
    return QStringLiteral("%1 (%2-%3)")
        .arg(number(spread->median), number(spread->min), number(spread->max));
}

QString limitText(const BudgetReport::Line &line)
{
    switch (line.check) {
    case Check::None:
        return QString();
    case Check::RatioAtMost:
        return QStringLiteral("<= %1 x").arg(line.limit);
    case Check::DifferenceAtMost:
        return QStringLiteral("<= +%1").arg(line.limit);
    case Check::AtLeast:
        return QStringLiteral(">= %1").arg(number(line.limit));
    case Check::AtMost:
        return QStringLiteral("<= %1").arg(number(line.limit));
    }
    return QString();
}

QString padded(const QString &text, int width)
{
    return text.leftJustified(width, QLatin1Char(' '));
}
} // namespace

const BudgetReport::Line *BudgetReport::lines()
{
    return kBudget;
}

int BudgetReport::lineCount()
{
    return static_cast<int>(std::size(kBudget));
}

BudgetReport::Verdict BudgetReport::verdict(const Line &line) const
{
    const auto own = results_.spread(QLatin1String(line.figure), QLatin1String(line.key));
    const auto reference =
        line.referenceFigure
            ? results_.spread(QLatin1String(line.referenceFigure), QLatin1String(line.key))
            : std::nullopt;
    if (line.check == Check::None)
        return Verdict::Informative;
    if (!own || (line.referenceFigure && !reference))
        return Verdict::NotMeasured;
    const double base = reference ? reference->median : 0;
    bool met = false;
    switch (line.check) {
    case Check::RatioAtMost:
        met = base > 0 ? own->median / base <= line.limit : own->median <= 0;
        break;
    case Check::DifferenceAtMost:
        met = own->median - base <= line.limit;
        break;
    case Check::AtLeast:
        met = own->median >= line.limit;
        break;
    case Check::AtMost:
        met = own->median <= line.limit;
        break;
    case Check::None:
        break;
    }
    return met ? Verdict::Met : Verdict::Missed;
}

QString BudgetReport::row(const Line &line) const
{
    const auto own = results_.spread(QLatin1String(line.figure), QLatin1String(line.key));
    const auto reference =
        line.referenceFigure
            ? results_.spread(QLatin1String(line.referenceFigure), QLatin1String(line.key))
            : std::nullopt;
    QString comparison;
    if (own && reference) {
        if (line.check == Check::DifferenceAtMost)
            comparison = QStringLiteral("%1%2")
                             .arg(own->median >= reference->median ? "+" : "")
                             .arg(number(own->median - reference->median));
        else if (reference->median > 0)
            comparison = QStringLiteral("%1 x").arg(own->median / reference->median, 0, 'f', 2);
    }
    static const char *const kVerdicts[] = {"met", "MISSED", "not measured", ""};
    const QString title =
        QString::fromUtf8(line.title) +
        (line.unit[0] ? QStringLiteral(" [%1]").arg(QLatin1String(line.unit)) : QString());
    return padded(title, 46) + padded(spreadText(own), 26) + padded(spreadText(reference), 26) +
           padded(comparison, 10) + padded(limitText(line), 11) +
           QLatin1String(kVerdicts[static_cast<int>(verdict(line))]);
}

QString BudgetReport::table() const
{
    QString text = padded(QStringLiteral("figure"), 46) +
                   padded(QStringLiteral("Tabelora median (min-max)"), 26) +
                   padded(QStringLiteral("reference"), 26) + padded(QStringLiteral("ratio"), 10) +
                   padded(QStringLiteral("budget"), 11) + QStringLiteral("verdict\n");
    int missed = 0;
    for (const Line &line : kBudget) {
        text += row(line) + QLatin1Char('\n');
        const Verdict v = verdict(line);
        missed += v == Verdict::Missed || v == Verdict::NotMeasured ? 1 : 0;
    }
    text += missed == 0 ? QStringLiteral("Every budget line is met.\n")
                        : QStringLiteral("%1 budget line(s) missed or not measured.\n").arg(missed);
    return text;
}

bool BudgetReport::allMet() const
{
    for (const Line &line : kBudget) {
        const Verdict v = verdict(line);
        if (v == Verdict::Missed || v == Verdict::NotMeasured)
            return false;
    }
    return true;
}
