#include "bench/scenariooptions.h"

namespace {
struct ScenarioName
{
    const char *flag;
    ScenarioOptions::Scenario scenario;
};
constexpr ScenarioName kScenarios[] = {
    {"rest-info", ScenarioOptions::Scenario::RestInInformationWindow},
    {"rest", ScenarioOptions::Scenario::Rest},
    {"steady", ScenarioOptions::Scenario::Steady},
    {"drift", ScenarioOptions::Scenario::Drift},
};
} // namespace

QString ScenarioOptions::usage()
{
    return QStringLiteral("usage: tabelora_scenario --program tabelora|reference "
                          "--scenario rest-info|rest|steady|drift [--repaint every|change] "
                          "[--seconds S] [--settle MS] [--cycle MS] [--x-pid PID] [--label NAME]");
}

ScenarioOptions ScenarioOptions::parse(const QStringList &arguments)
{
    ScenarioOptions options;
    bool scenarioGiven = false;
    auto fail = [&options](const QString &message) {
        options.error = message;
        return options;
    };
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &flag = arguments[i];
        if (i + 1 >= arguments.size())
            return fail(QStringLiteral("%1 needs a value").arg(flag));
        const QString value = arguments[++i];
        bool ok = true;
        if (flag == QLatin1String("--program")) {
            if (value == QLatin1String("tabelora"))
                options.program = Program::Tabelora;
            else if (value == QLatin1String("reference"))
                options.program = Program::Reference;
            else
                ok = false;
        } else if (flag == QLatin1String("--scenario")) {
            ok = false;
            for (const ScenarioName &known : kScenarios) {
                if (value == QLatin1String(known.flag)) {
                    options.scenario = known.scenario;
                    ok = scenarioGiven = true;
                }
            }
        } else if (flag == QLatin1String("--repaint")) {
            ok = value == QLatin1String("every") || value == QLatin1String("change");
            options.repaintEveryTick = value == QLatin1String("every");
        } else if (flag == QLatin1String("--seconds")) {
            options.seconds = value.toDouble(&ok);
            ok = ok && options.seconds > 0;
        } else if (flag == QLatin1String("--settle")) {
            options.settleMs = value.toInt(&ok);
            ok = ok && options.settleMs >= 0;
        } else if (flag == QLatin1String("--cycle")) {
            options.cycleMs = value.toInt(&ok);
            ok = ok && options.cycleMs > 0;
        } else if (flag == QLatin1String("--x-pid")) {
            options.xServerPid = value.toLongLong(&ok);
            ok = ok && options.xServerPid >= 0;
        } else if (flag == QLatin1String("--label")) {
            options.name = value;
            ok = !value.isEmpty() && !value.contains(QLatin1Char(' '));
        } else {
            return fail(QStringLiteral("unknown argument: %1").arg(flag));
        }
        if (!ok)
            return fail(QStringLiteral("bad value for %1: %2").arg(flag, value));
    }
    if (!scenarioGiven)
        return fail(QStringLiteral("--scenario is missing"));
    if (options.program == Program::Reference &&
        options.scenario == Scenario::RestInInformationWindow)
        return fail(QStringLiteral("the reference has no information window"));
    if (options.name.isEmpty()) {
        for (const ScenarioName &known : kScenarios)
            if (known.scenario == options.scenario)
                options.name = QLatin1String(known.flag);
        options.name += options.program == Program::Tabelora ? QStringLiteral(".tabelora")
                                                             : QStringLiteral(".reference");
    }
    return options;
}
