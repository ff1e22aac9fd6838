#include "tools/artwork/legends.h"

#include "tools/artwork/elements.h"
#include "tools/artwork/pixelart.h"

namespace artwork {

namespace {

constexpr QRgb kLineColour = qRgb(8, 115, 115);
constexpr QRgb kWordColour = qRgb(0, 16, 0);
constexpr int kHeight = 25;
constexpr int kWordPixelSize = 15; // ascenders 11 pixels, x-height 8, descenders 3 more
constexpr int kWordFoot = 16;      // rows 1 to 23 hold the box

struct LegendSpec
{
    int width;
    int divider; // column of the line between the boxes
    State left;
    State right;
};

inline constexpr LegendSpec kSolidLiquid = {132, 65, State::Solid, State::Liquid};
inline constexpr LegendSpec kGasSynthetic = {136, 67, State::Gas, State::Synthetic};

void drawBox(QImage &image, int first, int last, State state)
{
    const StateLook &look = stateLook(state);
    for (int y = 1; y < kHeight - 1; ++y)
        for (int x = first; x <= last; ++x)
            image.setPixel(x, y, look.legend);
    const TextStamp word = stampText(
        QString::fromUtf8(look.word),
        pixelFont(QStringLiteral("Liberation Sans"), kWordPixelSize, false, true), kWordColour);
    const int span = last - first + 1;
    drawStamp(image, word, first + (span - word.image.width()) / 2, kWordFoot);
}

QImage drawLegend(const LegendSpec &entry)
{
    QImage image(entry.width, kHeight, QImage::Format_RGB32);
    image.fill(kLineColour);
    drawBox(image, 0, entry.divider - 1, entry.left);
    drawBox(image, entry.divider + 1, entry.width - 1, entry.right);
    return toIndexed8(image);
}

} // namespace

QImage drawSolidLiquidLegend()
{
    return drawLegend(kSolidLiquid);
}

QImage drawGasSyntheticLegend()
{
    return drawLegend(kGasSynthetic);
}

} // namespace artwork
