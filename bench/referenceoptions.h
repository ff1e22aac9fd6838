#pragma once

#include <QString>
#include <QStringList>

// How the reference program runs: the tick interval of every tile, whether the tiles drift
// or sit still, and whether a tile repaints on every tick or only when it moved.
struct ReferenceOptions
{
    int interval = 100; // milliseconds
    bool drift = false;
    bool repaintEveryTick = false;
    QString title = QStringLiteral("Referencia");

    // Reads --interval MS, --drift, --rest, --repaint every|change and --title TEXT; an
    // unknown flag or a bad value leaves error set and the defaults in place.
    static ReferenceOptions parse(const QStringList &arguments);
    QString error;
};
