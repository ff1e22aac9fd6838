#include "tools/artwork/legends.h"

#include "tools/artwork/elements.h"
#include "tools/artwork/languages.h"
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

void drawBox(QImage &image, int first, int last, State state, const PictureLanguage &language)
{
    for (int y = 1; y < kHeight - 1; ++y)
        for (int x = first; x <= last; ++x)
            image.setPixel(x, y, stateLook(state).legend);
    const TextStamp word = stampText(
        QString::fromUtf8(stateWord(language, state)),
        pixelFont(QStringLiteral("Liberation Sans"), kWordPixelSize, false, true), kWordColour);
    const int span = last - first + 1;
    if (word.image.width() > span - 2)
        fail(QStringLiteral("the legend word \"%1\" is wider than its box")
                 .arg(QString::fromUtf8(stateWord(language, state))));
    drawStamp(image, word, first + (span - word.image.width()) / 2, kWordFoot);
}

QImage drawLegend(const LegendSpec &entry, const PictureLanguage &language)
{
    QImage image(entry.width, kHeight, QImage::Format_RGB32);
    image.fill(kLineColour);
    drawBox(image, 0, entry.divider - 1, entry.left, language);
    drawBox(image, entry.divider + 1, entry.width - 1, entry.right, language);
    return toIndexed8(image);
}

} // namespace

QImage drawSolidLiquidLegend(const PictureLanguage &language)
{
    return drawLegend(kSolidLiquid, language);
}

QImage drawGasSyntheticLegend(const PictureLanguage &language)
{
    return drawLegend(kGasSynthetic, language);
}

} // namespace artwork
