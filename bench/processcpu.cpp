#include "bench/processcpu.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

namespace {
std::optional<QByteArray> readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

constexpr int kUtimeField = 14; // 1-based, as proc(5) numbers them
} // namespace

std::optional<qint64> ProcessCpu::parseSchedstat(const QByteArray &line)
{
    const QList<QByteArray> fields = line.simplified().split(' ');
    if (fields.size() < 3)
        return std::nullopt;
    bool ok = false;
    const qint64 ns = fields[0].toLongLong(&ok);
    return ok && ns >= 0 ? std::optional<qint64>(ns) : std::nullopt;
}

std::optional<qint64> ProcessCpu::parseStatTicks(const QByteArray &line)
{
    const qsizetype close = line.lastIndexOf(')');
    if (close < 0)
        return std::nullopt;
    // After the name come field 3 (state) onwards.
    const QList<QByteArray> fields = line.mid(close + 1).simplified().split(' ');
    const qsizetype utime = kUtimeField - 3;
    if (fields.size() <= utime + 1)
        return std::nullopt;
    bool okUser = false, okSystem = false;
    const qint64 user = fields[utime].toLongLong(&okUser);
    const qint64 system = fields[utime + 1].toLongLong(&okSystem);
    if (!okUser || !okSystem)
        return std::nullopt;
    return user + system;
}

std::optional<double> ProcessCpu::seconds(qint64 pid)
{
    const QString base = QStringLiteral("/proc/%1").arg(pid);
    // Per-thread nanoseconds; a thread that ended earlier is no longer listed, which is
    // harmless for the long-lived threads of a GUI program and of the X server.
    const QStringList threads =
        QDir(base + QStringLiteral("/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    qint64 totalNs = 0;
    bool allRead = !threads.isEmpty();
    for (const QString &thread : threads) {
        const auto text =
            readAll(base + QStringLiteral("/task/") + thread + QStringLiteral("/schedstat"));
        const auto ns = text ? parseSchedstat(*text) : std::nullopt;
        if (!ns) {
            allRead = false;
            break;
        }
        totalNs += *ns;
    }
    if (allRead)
        return totalNs / 1e9;

    const auto stat = readAll(base + QStringLiteral("/stat"));
    const auto ticks = stat ? parseStatTicks(*stat) : std::nullopt;
    if (!ticks)
        return std::nullopt;
    return static_cast<double>(*ticks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

std::optional<qint64> ProcessCpu::parseWakeups(const QByteArray &status)
{
    static const QByteArray key = "voluntary_ctxt_switches:";
    for (const QByteArray &line : status.split('\n')) {
        if (!line.startsWith(key))
            continue;
        bool ok = false;
        const qint64 count = line.mid(key.size()).trimmed().toLongLong(&ok);
        return ok ? std::optional<qint64>(count) : std::nullopt;
    }
    return std::nullopt;
}

std::optional<qint64> ProcessCpu::wakeups(qint64 pid)
{
    const auto status = readAll(QStringLiteral("/proc/%1/status").arg(pid));
    return status ? parseWakeups(*status) : std::nullopt;
}
