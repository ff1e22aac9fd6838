#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// Runs a command-line tool (xdotool, xwininfo, xprop) and gives its standard output, trimmed;
// nothing when it did not finish in time.
inline QString runTool(const QStringList &args, int timeoutMs = 10000)
{
    QProcess p;
    p.start(args.first(), args.mid(1));
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}
