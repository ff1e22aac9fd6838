#pragma once

#include <QIODevice>
#include <QImage>
#include <QString>

// The tile strip as the program uses it: loading a replacement from a bitmap file, and
// cutting the tile pictures out of it.
namespace striploader {

// Largest picture a file may hold, in bytes once decoded at 32 bits per pixel.
inline constexpr qint64 kMaxImageBytes = qint64(128) * 1024 * 1024;

// Loads a Windows bitmap (.bmp) as a new tile strip, in Format_RGB32. Anything else is
// refused with an errorbox::Error naming the reason: a missing, unreadable or empty file, a
// folder, another extension, a picture of another type, a damaged or truncated bitmap, or
// one too large to hold. Nothing is changed when it throws.
QImage loadTileStrip(const QString &path);
// The same for a file already open, from its current position: everything but the checks of
// the path. A device that can seek is read at its headers and its pixels only, and refused
// unread when it is too short for the pixels its headers promise.
QImage readTileStrip(QIODevice &device);

// The size x size picture of square n (from 1) of the strip, taken 1:1 from the square's
// top-left corner; size 38 leaves out the square's right and bottom edges. Pixels that lie
// outside the strip or outside the square show the empty-cell colour. Always Format_RGB32.
QImage cutTile(const QImage &strip, int n, int size);

} // namespace striploader
