#pragma once

#include <QString>
#include <QStringList>

// What one run of the scenario harness measures: which program (the real main window or the
// reference), which scenario, and for how long.
struct ScenarioOptions
{
    enum class Program
    {
        Tabelora,
        Reference
    };
    enum class Scenario
    {
        RestInInformationWindow, // the information window open over the unshown main window
        Rest,                    // the main window untouched, tiles ticking every 100 ms
        Steady,                  // after a move over the bare window: 10 ms ticks, nothing moving
        Drift,                   // every tile drifting at 10 ms ticks
    };

    Program program = Program::Tabelora;
    Scenario scenario = Scenario::Rest;
    bool repaintEveryTick = false; // reference only
    double seconds = 3;            // length of the measured window
    int settleMs = 2200;           // from the window on screen to the scenario's start
    int warmUpMs = 300;            // from the scenario's start to the measured window
    int cycleMs = 300;             // drift: a new deal and correction this often
    qint64 xServerPid = 0;         // 0: the X server's CPU is not counted
    QString name;                  // first word of the result line (--label; Qt takes --name)
    QString error;

    // --program tabelora|reference --scenario rest-info|rest|steady|drift
    // [--repaint every|change] [--seconds S] [--settle MS] [--cycle MS] [--x-pid PID]
    // [--label NAME]; arguments[0] is the program itself.
    static ScenarioOptions parse(const QStringList &arguments);
    static QString usage();
};
