#include "bench/referenceoptions.h"

ReferenceOptions ReferenceOptions::parse(const QStringList &arguments)
{
    ReferenceOptions options;
    // arguments[0] is the program itself.
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &flag = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (flag == QLatin1String("--drift")) {
            options.drift = true;
        } else if (flag == QLatin1String("--rest")) {
            options.drift = false;
        } else if (flag == QLatin1String("--interval") && hasValue) {
            bool ok = false;
            const int ms = arguments[++i].toInt(&ok);
            if (!ok || ms <= 0 || ms > 65535) {
                options.error = QStringLiteral("bad interval: %1").arg(arguments[i]);
                return options;
            }
            options.interval = ms;
        } else if (flag == QLatin1String("--repaint") && hasValue) {
            const QString mode = arguments[++i];
            if (mode != QLatin1String("every") && mode != QLatin1String("change")) {
                options.error = QStringLiteral("bad repaint mode: %1").arg(mode);
                return options;
            }
            options.repaintEveryTick = mode == QLatin1String("every");
        } else if (flag == QLatin1String("--title") && hasValue) {
            options.title = arguments[++i];
        } else {
            options.error = QStringLiteral("unknown argument: %1").arg(flag);
            return options;
        }
    }
    return options;
}
