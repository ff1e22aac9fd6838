#include "loaderpromises.h"

#include "app/errorbox.h"
#include "app/striploader.h"
#include "game/board.h"

#include <QBuffer>
#include <QImage>
#include <QList>

namespace loaderpromises {

namespace {

struct Outcome
{
    QString refusal;
    QImage strip;
    QList<QImage> tiles; // every tile at the two sizes the program cuts
};

Outcome load(QByteArray bytes)
{
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    Outcome outcome;
    try {
        outcome.strip = striploader::readTileStrip(file);
    } catch (const errorbox::Error &error) {
        outcome.refusal = error.text();
        return outcome;
    }
    for (int n = 1; n <= board::kElementCount; ++n)
        for (int size : {38, 40})
            outcome.tiles << striploader::cutTile(outcome.strip, n, size);
    return outcome;
}

QString brokenBy(const Outcome &outcome)
{
    if (!outcome.refusal.isEmpty())
        return outcome.refusal.startsWith(QLatin1String("Bitmap image is not valid")) ||
                       outcome.refusal.startsWith(QLatin1String("Bitmap image is too large ("))
                   ? QString()
                   : QStringLiteral("a refusal with a message of its own: ") + outcome.refusal;
    const QImage &strip = outcome.strip;
    if (strip.isNull() || strip.format() != QImage::Format_RGB32)
        return QStringLiteral("an accepted picture is a 32-bit picture");
    if (qint64(strip.width()) * strip.height() * 4 > striploader::kMaxImageBytes)
        return QStringLiteral("an accepted picture is within the size limit");
    for (qsizetype i = 0; i < outcome.tiles.size(); ++i) {
        const int size = i % 2 == 0 ? 38 : 40;
        const QImage &tile = outcome.tiles.at(i);
        if (tile.size() != QSize(size, size) || tile.format() != QImage::Format_RGB32)
            return QStringLiteral("every tile is a 32-bit picture of its size");
    }
    return {};
}

} // namespace

QString brokenPromise(const QByteArray &bytes, const std::function<void(int)> &beforeLoad)
{
    Outcome outcomes[2];
    for (int pass = 0; pass < 2; ++pass) {
        if (beforeLoad)
            beforeLoad(pass);
        outcomes[pass] = load(bytes);
    }
    if (QString broken = brokenBy(outcomes[0]); !broken.isEmpty())
        return broken;
    if (outcomes[1].refusal != outcomes[0].refusal || outcomes[1].strip != outcomes[0].strip ||
        outcomes[1].tiles != outcomes[0].tiles)
        return QStringLiteral("the same bytes give the same picture and tiles");
    return {};
}

} // namespace loaderpromises
