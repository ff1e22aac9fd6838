#pragma once

#include <QByteArray>
#include <QImage>

// Windows bitmap files (.bmp) read byte by byte, so that what a damaged file can do is known:
// every pixel of a picture it gives comes from the file, and a file that leaves any pixel
// undescribed is refused. It reads the old OS/2 header and the Windows headers of 40 to 124
// bytes; 1, 4 and 8 bits per pixel with a colour table, stored as they are or run-length
// encoded (8 and 4 bits); and 16, 24 and 32 bits per pixel, with or without bit-field masks.
// Alpha is ignored.
namespace bitmapfile {

// The file's first bytes that hold everything before the pixels: the file header, the
// largest info header, the bit-field masks and a colour table of 256 entries.
inline constexpr qsizetype kHeadBytes = 14 + 124 + 16 + 256 * 4;

// Where a file's pixels lie and how many bytes they take, in bytes from the start of the file.
struct PixelSpan
{
    qint64 offset = 0;
    qint64 least = 0; // fewer bytes can't describe every pixel
    qint64 most = 0;  // decoding reads no further
};

// The pixels' place, found from the file's first bytes (kHeadBytes of them, or the whole file
// if it is shorter). Throws errorbox::Error when the headers describe no picture, or one whose
// pixels at 32 bits would take more than maxImageBytes.
PixelSpan pixelSpan(const QByteArray &head, qint64 maxImageBytes);

// The picture in Format_RGB32, from the file's first bytes as pixelSpan() takes them and the
// bytes that start at the pixels' offset (the rest of the file, or its first span.most bytes).
// Throws errorbox::Error as pixelSpan() does, and for a colour table or pixels that are cut
// short, pixels that start inside the headers or colour table, and run-length codes that
// leave pixels unwritten or write past the picture.
QImage decode(const QByteArray &head, const QByteArray &pixels, qint64 maxImageBytes);

} // namespace bitmapfile
