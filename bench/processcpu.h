#pragma once

#include <QByteArray>

#include <optional>

// CPU time a process has used so far, in seconds, all its threads together. Read from the
// scheduler's per-thread nanosecond counters where the kernel offers them, otherwise from
// the user and system clock ticks of /proc/PID/stat.
class ProcessCpu
{
public:
    // nullopt when the process cannot be read (gone, or another user's).
    static std::optional<double> seconds(qint64 pid);

    // How often the process's main thread has gone to sleep and woken again (voluntary
    // context switches): an idle event loop wakes once per timer batch.
    static std::optional<qint64> wakeups(qint64 pid);
    // voluntary_ctxt_switches of a /proc/PID/status text.
    static std::optional<qint64> parseWakeups(const QByteArray &status);

    // The first field of a /proc/.../schedstat line: nanoseconds on a CPU.
    static std::optional<qint64> parseSchedstat(const QByteArray &line);
    // utime + stime of a /proc/PID/stat line, in clock ticks. The command name in brackets
    // may hold spaces and brackets itself, so fields are counted from its last ')'.
    static std::optional<qint64> parseStatTicks(const QByteArray &line);
};
