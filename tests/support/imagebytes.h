#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <QList>
#include <QtEndian>

#include <algorithm>

// Picture files made in memory, good and bad, for the tests of the strip loader.
namespace imagebytes {

// The image as a file of the given format, or nothing when Qt can't write that format.
inline QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!QImageWriter(&buffer, format).write(image))
        return {};
    return bytes;
}

// A bitmap header announcing a picture of the given size, followed by a few pixel bytes.
inline QByteArray bitmapHeader(qint32 width, qint32 height, quint16 bitsPerPixel = 24)
{
    QByteArray bytes(54 + 16, '\0');
    auto *data = reinterpret_cast<uchar *>(bytes.data());
    data[0] = 'B';
    data[1] = 'M';
    qToLittleEndian<quint32>(quint32(bytes.size()), data + 2);
    qToLittleEndian<quint32>(54, data + 10);
    qToLittleEndian<quint32>(40, data + 14);
    qToLittleEndian<qint32>(width, data + 18);
    qToLittleEndian<qint32>(height, data + 22);
    qToLittleEndian<quint16>(1, data + 26);
    qToLittleEndian<quint16>(bitsPerPixel, data + 28);
    return bytes;
}

// A bitmap file put together from its parts, for the forms and the damage that Qt's writer
// never makes.
struct BitmapParts
{
    quint32 infoSize = 40; // 12 for the old OS/2 header
    qint32 width = 0;
    qint32 height = 0; // negative for rows stored top first
    quint16 bitsPerPixel = 8;
    quint32 compression = 0;
    QList<quint32> masks{}; // after a 40-byte header, inside the later ones
    QList<QRgb> table{};
    QByteArray pixels{};     // right after the colour table
    qint64 pixelOffset = -1; // where the header says the pixels start; -1 for where they do
};

inline QByteArray bitmapFile(const BitmapParts &parts)
{
    const bool core = parts.infoSize == 12;
    QByteArray bytes(14 + qsizetype(parts.infoSize), '\0');
    auto *data = reinterpret_cast<uchar *>(bytes.data());
    data[0] = 'B';
    data[1] = 'M';
    qToLittleEndian<quint32>(parts.infoSize, data + 14);
    if (core) {
        qToLittleEndian<quint16>(quint16(parts.width), data + 18);
        qToLittleEndian<quint16>(quint16(parts.height), data + 20);
        qToLittleEndian<quint16>(1, data + 22);
        qToLittleEndian<quint16>(parts.bitsPerPixel, data + 24);
    } else {
        qToLittleEndian<qint32>(parts.width, data + 18);
        qToLittleEndian<qint32>(parts.height, data + 22);
        qToLittleEndian<quint16>(1, data + 26);
        qToLittleEndian<quint16>(parts.bitsPerPixel, data + 28);
        qToLittleEndian<quint32>(parts.compression, data + 30);
        qToLittleEndian<quint32>(quint32(parts.table.size()), data + 46);
    }
    for (qsizetype i = 0; i < parts.masks.size(); ++i) {
        uchar mask[4];
        qToLittleEndian<quint32>(parts.masks.at(i), mask);
        if (parts.infoSize > 40)
            std::copy(mask, mask + 4, data + 54 + 4 * i);
        else
            bytes.append(reinterpret_cast<const char *>(mask), 4);
    }
    for (QRgb colour : parts.table) {
        bytes += char(qBlue(colour));
        bytes += char(qGreen(colour));
        bytes += char(qRed(colour));
        if (!core)
            bytes += '\0';
    }
    data = reinterpret_cast<uchar *>(bytes.data());
    qToLittleEndian<quint32>(quint32(parts.pixelOffset < 0 ? bytes.size() : parts.pixelOffset),
                             data + 10);
    bytes += parts.pixels;
    qToLittleEndian<quint32>(quint32(bytes.size()), reinterpret_cast<uchar *>(bytes.data()) + 2);
    return bytes;
}

} // namespace imagebytes
