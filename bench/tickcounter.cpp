#include "bench/tickcounter.h"

#include <QEvent>

#include <algorithm>

TickCounter::TickCounter(const QMetaObject &tileClass, QObject *parent)
    : QObject(parent), tileClass_(tileClass)
{
    clock_.start();
}

bool TickCounter::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Timer || type == QEvent::Paint) {
        if (!watched->metaObject()->inherits(&tileClass_))
            return false;
        if (type == QEvent::Paint) {
            ++paints_;
            return false;
        }
        ++ticks_;
        const qint64 now = clock_.nsecsElapsed();
        if (lastTickNs_ >= 0)
            longestGapNs_ = std::max(longestGapNs_, now - lastTickNs_);
        lastTickNs_ = now;
    }
    return false;
}
