#include "bench/resultset.h"

#include <QRegularExpression>

#include <algorithm>

namespace {
QString slot(const QString &figure, const QString &key)
{
    return figure + QLatin1Char(' ') + key;
}
} // namespace

void ResultSet::add(const QString &figure, const QString &key, double value)
{
    samples_[slot(figure, key)].append(value);
}

bool ResultSet::addLine(const QString &line)
{
    const QStringList words = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() < 2 || words[0].contains(QLatin1Char('=')))
        return false;
    QList<std::pair<QString, double>> values;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const qsizetype equals = words[i].indexOf(QLatin1Char('='));
        if (equals <= 0)
            return false;
        bool ok = false;
        const double value = words[i].mid(equals + 1).toDouble(&ok);
        if (!ok)
            return false;
        values.append({words[i].left(equals), value});
    }
    for (const auto &[key, value] : values)
        add(words[0], key, value);
    return true;
}

int ResultSet::addText(const QString &text)
{
    int added = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        added += addLine(line) || addBenchmarkCsvLine(line) ? 1 : 0;
    return added;
}

bool ResultSet::addBenchmarkCsvLine(const QString &line)
{
    static const QRegularExpression csv(
        QString::fromLatin1(R"re(^"([^"]+)","([^"]*)","([^"]+)",([0-9.eE+-]+))re"));
    const QRegularExpressionMatch match = csv.match(line.trimmed());
    if (!match.hasMatch() || match.captured(3) != QLatin1String("WalltimeMilliseconds"))
        return false;
    bool ok = false;
    const double ms = match.captured(4).toDouble(&ok);
    if (!ok)
        return false;
    QString figure = QStringLiteral("micro.") + match.captured(1);
    if (!match.captured(2).isEmpty())
        figure += QLatin1Char(':') +
                  match.captured(2).simplified().replace(QLatin1Char(' '), QLatin1Char('_'));
    add(figure, QStringLiteral("us"), ms * 1000);
    return true;
}

double ResultSet::median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::optional<ResultSet::Spread> ResultSet::spread(const QString &figure, const QString &key) const
{
    const auto found = samples_.constFind(slot(figure, key));
    if (found == samples_.constEnd() || found->isEmpty())
        return std::nullopt;
    const QList<double> &values = *found;
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return Spread{median(values), *low, *high, static_cast<int>(values.size())};
}
