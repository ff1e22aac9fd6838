#include "app/striploader.h"

#include "app/colours.h"
#include "app/errorbox.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>

#include <cstdlib>

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

struct BitmapHeader
{
    qint64 width = 0;
    qint64 height = 0; // negative for a top-down bitmap
    int bitsPerPixel = 0;
    quint32 compression = 0;
    qint64 pixelOffset = 0;
};

enum Compression : quint32
{
    Rgb = 0,
    Rle8 = 1,
    Rle4 = 2,
    BitFields = 3,
    AlphaBitFields = 6
};

// Reads the file and info headers of a bitmap; returns false if they are cut short or
// describe no picture.
bool readHeader(const QByteArray &bytes, BitmapHeader &header)
{
    if (bytes.size() < 26 || !bytes.startsWith("BM"))
        return false;
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    header.pixelOffset = qFromLittleEndian<quint32>(data + 10);
    const quint32 infoSize = qFromLittleEndian<quint32>(data + 14);
    if (infoSize == 12) { // the old OS/2 header
        header.width = qFromLittleEndian<quint16>(data + 18);
        header.height = qFromLittleEndian<quint16>(data + 20);
        header.bitsPerPixel = qFromLittleEndian<quint16>(data + 24);
        header.compression = Rgb;
    } else if (infoSize >= 40 && bytes.size() >= 34) {
        header.width = qFromLittleEndian<qint32>(data + 18);
        header.height = qFromLittleEndian<qint32>(data + 22);
        header.bitsPerPixel = qFromLittleEndian<quint16>(data + 28);
        header.compression = qFromLittleEndian<quint32>(data + 30);
    } else {
        return false;
    }
    return header.width > 0 && header.height != 0 && header.pixelOffset >= 14 + qint64(infoSize);
}

// For bitmaps stored row by row, the pixels must all be in the file: the reader would
// otherwise fill a truncated picture with whatever it finds.
bool holdsAllPixels(const BitmapHeader &header, qint64 fileSize)
{
    if (header.compression != Rgb && header.compression != BitFields &&
        header.compression != AlphaBitFields)
        return header.pixelOffset < fileSize;
    const qint64 rowBytes = (header.width * header.bitsPerPixel + 31) / 32 * 4;
    return header.pixelOffset + rowBytes * std::abs(header.height) <= fileSize;
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
    const qint64 fileSize = file.size();
    if (fileSize == 0)
        refuse(kNotValid + QStringLiteral(": the file is empty"));

    const QByteArray head = file.peek(64);
    QImageReader reader(&file);
    const QByteArray format = reader.format();
    if (format.isEmpty())
        refuse(kNotValid);
    if (format != "bmp")
        refuse(kNotValid + QStringLiteral(": the file holds a picture in %1 format, not a bitmap")
                               .arg(QString::fromLatin1(format.toUpper())));

    BitmapHeader header;
    if (!readHeader(head, header))
        refuse(kNotValid);
    const qint64 bytes = header.width * std::abs(header.height) * 4;
    if (bytes > kMaxImageBytes)
        refuse(QStringLiteral("Bitmap image is too large (%1 x %2 pixels)")
                   .arg(header.width)
                   .arg(std::abs(header.height)));
    if (!holdsAllPixels(header, fileSize))
        refuse(kNotValid);

    reader.setAllocationLimit(int(kMaxImageBytes / (1024 * 1024)));
    const QImage image = reader.read();
    if (image.isNull())
        refuse(kNotValid);
    return image.convertToFormat(QImage::Format_RGB32);
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
