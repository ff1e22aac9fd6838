#pragma once

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>
#include <QString>
#include <QStringList>

// A program's standard error without the notice Qt 6.8 and later give where the locale is not
// UTF-8 (a locale that is not installed, or "C"): that is Qt's, not the program's. The other
// bytes are kept as they are.
inline QByteArray withoutQtLocaleNotice(QByteArray errors)
{
    for (qsizetype at = 0; (at = errors.indexOf("Detected locale \"", at)) >= 0;) {
        const QByteArray end("for more information.\n");
        const qsizetype last = errors.indexOf(end, at);
        if ((at > 0 && errors[at - 1] != '\n') || last < 0) {
            ++at;
            continue;
        }
        errors.remove(at, last + end.size() - at);
    }
    return errors;
}

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

// Starts openbox on the display with its own default settings, whatever the machine's user
// has (HOME and XDG_CONFIG_HOME in `home`), and waits until it manages the display: it tells
// which hints it supports, frame extents among them. Now and then, on a display just made, it
// cannot connect and ends at once: it is started again. Empty once started; otherwise what it
// said.
inline QString startOpenbox(QProcess &openbox, const QString &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home);
    env.insert("XDG_CONFIG_HOME", home + QStringLiteral("/config"));
    openbox.setProcessEnvironment(env);
    // Slow on a busy machine.
    for (int waited = 0; waited < 30000; waited += 100) {
        if (openbox.state() == QProcess::NotRunning) {
            openbox.start(QStringLiteral("openbox"), {});
            if (!openbox.waitForStarted())
                return QStringLiteral("openbox did not start");
        }
        if (runTool({"xprop", "-root", "_NET_SUPPORTED"}).contains("_NET_FRAME_EXTENTS"))
            return {};
        QTest::qWait(100);
    }
    return QStringLiteral("openbox did not start: ") +
           QString::fromLocal8Bit(openbox.readAllStandardError());
}
