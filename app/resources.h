#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QString>

#include <cstdint>

// Fonts and pictures built into the program.
namespace resources {

// Registers the compiled-in pictures and bundled fonts; call once after the application
// object exists.
void load();

// Bundled stand-ins for the Windows faces the layouts name. Sizes are character heights
// in pixels, as the layouts give them.
enum class Face
{
    SansSerif, // stands in for "MS Sans Serif"
    Comic,     // stands in for "Comic Sans MS"
};

struct FontSpec
{
    Face face;
    int pixelHeight; // character height in pixels
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

QFont font(const FontSpec &entry);
QFont sansSerif(int pixelHeight, bool bold = false, bool italic = false, bool underline = false);
QFont comic(int pixelHeight, bool bold = false, bool italic = false);

// The program's icon, at every size drawn for it.
QIcon programIcon();

// A built-in picture; a transparent picture of the given size when it is missing.
QImage picture(const QString &resource, int width = 0, int height = 0);

// The picture with every pixel of its bottom-left pixel's colour made transparent.
QImage keyedByBottomLeft(const QImage &image);
// The picture with every pixel of the given colour made transparent.
QImage keyedBy(const QImage &image, QRgb key);

} // namespace resources
