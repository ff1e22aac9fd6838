#pragma once

#include <QByteArray>
#include <QFile>

// The resident set size of this process in KiB, or -1 where /proc does not say.
inline long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    // Files under /proc report no size, so they are read whole rather than line by line.
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}
