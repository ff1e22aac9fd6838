#include "bench/scenariooptions.h"
#include "bench/scenariorunner.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const ScenarioOptions options = ScenarioOptions::parse(app.arguments());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "%s\n%s\n", qPrintable(options.error),
                     qPrintable(ScenarioOptions::usage()));
        return 2;
    }
    ScenarioRunner runner(options);
    const QString line = runner.run();
    if (line.isEmpty()) {
        std::fprintf(stderr, "%s did not finish\n", qPrintable(options.name));
        return 1;
    }
    std::printf("%s\n", qPrintable(line));
    return 0;
}
