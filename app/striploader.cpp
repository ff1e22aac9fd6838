#include "app/striploader.h"

#include "app/bitmapfile.h"
#include "app/colours.h"
#include "app/errorbox.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include <algorithm>

namespace striploader {

namespace {

const QString kNotValid = QStringLiteral("Bitmap image is not valid");

[[noreturn]] void refuse(const QString &text)
{
    throw errorbox::Error(text);
}

[[noreturn]] void cannotOpen(const QString &path, const QString &reason)
{
    refuse(QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason));
}

} // namespace

QImage loadTileStrip(const QString &path)
{
    const QFileInfo info(path);
    const QString extension = info.suffix();
    if (extension.compare(QLatin1String("bmp"), Qt::CaseInsensitive) != 0)
        refuse(QStringLiteral("Unknown picture file extension (.%1)").arg(extension));
    if (info.isDir())
        cannotOpen(path, QStringLiteral("Is a directory"));
    if (info.exists() && !info.isFile())
        cannotOpen(path, QStringLiteral("Not a regular file"));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        cannotOpen(path, file.errorString());
    if (file.size() == 0)
        refuse(kNotValid + QStringLiteral(": the file is empty"));

    return readTileStrip(file);
}

QImage readTileStrip(QIODevice &device)
{
    const QByteArray head = device.peek(bitmapfile::kHeadBytes);
    if (!head.startsWith("BM")) {
        const QByteArray format = QImageReader::imageFormat(&device);
        if (format.isEmpty() || format == "bmp")
            refuse(kNotValid);
        refuse(kNotValid + QStringLiteral(": the file holds a picture in %1 format, not a bitmap")
                               .arg(QString::fromLatin1(format.toUpper())));
    }
    qint64 needed = bitmapfile::bytesNeeded(head, kMaxImageBytes);
    if (!device.isSequential())
        needed = std::min(needed, device.size() - device.pos());
    return bitmapfile::decode(device.read(needed), kMaxImageBytes);
}

QImage cutTile(const QImage &strip, int n, int size)
{
    if (size <= 0)
        return {};
    constexpr int side = board::kStripPicture;
    const QRect square((n - 1) * side, 0, side, side);
    const QRect wanted(square.topLeft(), QSize(size, size));
    const QRect source = wanted & square & strip.rect();
    if (source == wanted) {
        QImage tile = strip.copy(wanted);
        if (tile.format() != QImage::Format_RGB32)
            tile.convertTo(QImage::Format_RGB32);
        return tile;
    }
    QImage tile(size, size, QImage::Format_RGB32);
    tile.fill(colours::toQColor(board::kEmptyCellColour));
    if (!source.isEmpty()) {
        QPainter painter(&tile);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(source.topLeft() - wanted.topLeft(), strip, source);
    }
    return tile;
}

} // namespace striploader
