#pragma once

#include "bench/scenariooptions.h"

#include <QElapsedTimer>
#include <QString>

#include <functional>

class TickCounter;
class QWidget;

// Runs one scenario in this process, on a real X display, and returns its result line:
//   NAME cpu=<% of one core, program and X server> app=<%> x=<%> ticks=<tile ticks per s>
//        paints=<tile paints per s> wakeups=<event loop wake-ups per s>
//        gap=<longest wait between ticks, ms>
//        seconds=<measured wall time> [native=<native panels>] [cycle=<ms per deal and correction>]
class ScenarioRunner
{
public:
    explicit ScenarioRunner(const ScenarioOptions &options);
    ~ScenarioRunner();

    // Empty when the scenario did not finish.
    QString run();

private:
    struct Reading
    {
        double appSeconds = 0;
        double xSeconds = 0;
        qint64 wallNs = 0;
        quint64 ticks = 0;
        quint64 paints = 0;
        qint64 wakeups = 0;
    };

    QString runTabelora();
    QString runReference();
    // Waits settleMs, runs setUp, waits warmUpMs, then measures for the given seconds.
    // extra gives the end of the result line once the measurement is over.
    QString measureAfterSettling(const std::function<void()> &setUp,
                                 const std::function<QString()> &extra);
    Reading read() const;
    QString resultLine(const Reading &begin, const Reading &end, const QString &extra) const;
    int measuredMs() const;

    ScenarioOptions options_;
    TickCounter *counter_ = nullptr;
    QElapsedTimer clock_;
};
