#include "tools/artwork/pixelart.h"

#include <QFontMetrics>
#include <QHash>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace artwork {

QImage fromPixelMap(std::span<const char *const> rows, std::initializer_list<Ink> inks)
{
    const int height = int(rows.size());
    const int width = height > 0 ? int(std::strlen(rows[0])) : 0;
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        if (int(std::strlen(rows[y])) != width) {
            std::fprintf(stderr, "pixel map row %d has the wrong length\n", y);
            std::exit(1);
        }
        for (int x = 0; x < width; ++x) {
            const char key = rows[y][x];
            const Ink *ink = std::find_if(inks.begin(), inks.end(),
                                          [key](const Ink &i) { return i.key == key; });
            if (ink == inks.end()) {
                std::fprintf(stderr, "pixel map has no ink for '%c'\n", key);
                std::exit(1);
            }
            image.setPixel(x, y, ink->colour);
        }
    }
    return image;
}

QFont pixelFont(const QString &family, int pixelSize, bool bold, bool italic)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setKerning(false);
    return font;
}

QRect inkBounds(const QImage &image, QRgb background)
{
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

TextStamp stampText(const QString &text, const QFont &font, QRgb colour)
{
    const QFontMetrics metrics(font);
    const int margin = 8;
    const int baseline = margin + metrics.ascent();
    QImage canvas(metrics.horizontalAdvance(text) + 2 * margin, metrics.height() + 2 * margin,
                  QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(colour));
    painter.drawText(margin, baseline, text);
    painter.end();
    const QRect ink = inkBounds(canvas, qRgba(0, 0, 0, 0));
    // The pen puts the foot of the letters on the row just above the baseline.
    return {canvas.copy(ink), baseline - 1 - ink.top()};
}

void drawStamp(QImage &target, const TextStamp &stamp, int left, int foot)
{
    QPainter painter(&target);
    painter.drawImage(left, foot - stamp.foot, stamp.image);
}

QImage toIndexed8(const QImage &image)
{
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    QList<QRgb> palette;
    QHash<QRgb, int> indexOf;
    QImage indexed(source.size(), QImage::Format_Indexed8);
    for (int y = 0; y < source.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        uchar *out = indexed.scanLine(y);
        for (int x = 0; x < source.width(); ++x) {
            const QRgb colour = line[x] | 0xff000000u;
            auto found = indexOf.constFind(colour);
            if (found == indexOf.constEnd()) {
                if (palette.size() == 256) {
                    std::fprintf(stderr, "picture has more than 256 colours\n");
                    std::exit(1);
                }
                found = indexOf.insert(colour, int(palette.size()));
                palette.append(colour);
            }
            out[x] = uchar(*found);
        }
    }
    indexed.setColorTable(palette);
    return indexed;
}

void fail(const QString &why)
{
    std::fprintf(stderr, "%s\n", qPrintable(why));
    std::exit(1);
}

} // namespace artwork
