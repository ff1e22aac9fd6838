#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <QtEndian>

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

} // namespace imagebytes
