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

// The number of bytes from the start of the file that decoding reads at most, found from the
// first bytes (kHeadBytes of them, or the whole file if it is shorter). Throws errorbox::Error
// when the headers describe no picture, or one whose pixels at 32 bits would take more than
// maxImageBytes.
qint64 bytesNeeded(const QByteArray &head, qint64 maxImageBytes);

// The picture of a whole file, or of its first bytesNeeded() bytes, in Format_RGB32. Throws
// errorbox::Error as bytesNeeded() does, and for a colour table or pixels that are cut short,
// pixels that start inside the headers or colour table, and run-length codes that leave
// pixels unwritten or write past the picture.
QImage decode(const QByteArray &bytes, qint64 maxImageBytes);

} // namespace bitmapfile
