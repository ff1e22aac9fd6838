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
    // The pixels are read from their offset, so that the bytes a header puts before them (up
    // to 4 GiB) are never read. A file too short for the pixels is refused before they are.
    const bitmapfile::PixelSpan span = bitmapfile::pixelSpan(head, kMaxImageBytes);
    QByteArray pixels;
    if (device.isSequential()) {
        if (device.skip(span.offset) != span.offset)
            refuse(kNotValid);
        pixels = device.read(span.most);
    } else {
        const qint64 available = device.size() - device.pos() - span.offset;
        if (available < span.least || !device.seek(device.pos() + span.offset))
            refuse(kNotValid);
        pixels = device.read(std::min(span.most, available));
    }
    return bitmapfile::decode(head, pixels, kMaxImageBytes);
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
