#include "tools/artwork/tilestrip.h"

#include "tools/artwork/elements.h"
#include "tools/artwork/pixelart.h"

#include <QPainter>

namespace artwork {

namespace {

const QString kSymbolFamily = QStringLiteral("DejaVu Sans");
constexpr int kSymbolPixelSize = 15; // capitals 11 pixels, lower case 8
constexpr int kNumberPixelSize = 10; // figures 7 pixels

// A one-pixel line under the ink of a stamp, reaching one pixel beyond it on each side.
void underline(QImage &tile, int left, int width, int row, QRgb colour)
{
    for (int x = left - 1; x <= left + width; ++x)
        tile.setPixel(x, row, colour);
}

// Centres a stamp on the face (columns 1 to 38) with its foot on the given row, and
// underlines it.
void drawUnderlinedText(QImage &tile, const TextStamp &stamp, int foot, int underlineRow,
                        QRgb colour)
{
    const int width = stamp.image.width();
    const int left = 1 + (kVisibleTileSize - width) / 2;
    drawStamp(tile, stamp, left, foot);
    underline(tile, left, width, underlineRow, colour);
}

} // namespace

QImage drawTile(int atomicNumber, Table table)
{
    const Element &el = element(atomicNumber, table);
    const int last = kTileSize - 1;
    QImage tile(kTileSize, kTileSize, QImage::Format_RGB32);
    tile.fill(stateLook(el.state).face);
    for (int i = 0; i < kTileSize; ++i) {
        tile.setPixel(i, 0, kEdgeLight);
        tile.setPixel(0, i, kEdgeLight);
        tile.setPixel(i, last, kEdgeDark);
        tile.setPixel(last, i, kEdgeDark);
    }
    tile.setPixel(0, 0, kCornerTopLeft);
    tile.setPixel(last, 0, kCornerMixed);
    tile.setPixel(0, last, kCornerMixed);
    tile.setPixel(last, last, kCornerBottomRight);

    const QRgb colour = symbolColour(atomicNumber);
    const QString symbol = QString::fromUtf8(el.symbol.data(), qsizetype(el.symbol.size()));
    const TextStamp stamp = stampText(
        symbol, pixelFont(kSymbolFamily, kSymbolPixelSize, isBoldSymbol(atomicNumber)), colour);
    drawUnderlinedText(tile, stamp, kSymbolFoot, kUnderlineRow, colour);

    if (atomicNumber == kNumberedTile) {
        const TextStamp number =
            stampText(QString::number(atomicNumber),
                      pixelFont(kSymbolFamily, kNumberPixelSize, true), colour);
        drawUnderlinedText(tile, number, kNumberBottom, kNumberUnderlineRow, colour);
    }
    return tile;
}

QImage drawTileStrip(Table table)
{
    QImage strip(stripWidth(table), kTileSize, QImage::Format_RGB32);
    QPainter painter(&strip);
    for (int n = 1; n <= board::elementCount(table); ++n)
        painter.drawImage((n - 1) * kTileSize, 0, drawTile(n, table));
    painter.end();
    return toIndexed8(strip);
}

} // namespace artwork
