#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QRgb>

#include <initializer_list>
#include <span>

// Small helpers shared by the pictures: pixel maps written as text, fonts without
// smoothing, and the exact-palette conversion used for the 8-bit pictures.
namespace artwork {

// One character of a pixel map and the colour it stands for.
struct Ink
{
    char key;
    QRgb colour;
};

// Builds an opaque picture from rows of equal length; every character must have an ink.
QImage fromPixelMap(std::span<const char *const> rows, std::initializer_list<Ink> inks);

// A face from the bundled fonts, sized by character height in pixels, drawn without
// smoothing.
QFont pixelFont(const QString &family, int pixelSize, bool bold = false, bool italic = false);

// The smallest rectangle holding every pixel that differs from the background.
QRect inkBounds(const QImage &image, QRgb background);

// Text drawn on its own: the picture is cropped to the ink, in the given colour on a
// transparent ground. Drawing it at a point puts the foot of the letters on that row.
struct TextStamp
{
    QImage image;
    int foot = 0; // row of the stamp that holds the foot of the letters
};
TextStamp stampText(const QString &text, const QFont &font, QRgb colour);

// An 8-bit copy whose palette holds exactly the colours used, in order of first
// appearance; stops the program if the picture has more than 256 colours.
QImage toIndexed8(const QImage &image);

// Draws a stamp so that its letters stand on row foot with their ink starting at column
// left.
void drawStamp(QImage &target, const TextStamp &stamp, int left, int foot);

// Stops the program with the reason: a picture that can't be drawn as described.
[[noreturn]] void fail(const QString &why);

} // namespace artwork
