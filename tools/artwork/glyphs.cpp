#include "tools/artwork/glyphs.h"

#include "tools/artwork/atom.h"
#include "tools/artwork/pixelart.h"

#include <QPainter>

namespace artwork {

namespace {

constexpr QRgb kSilver = qRgb(192, 192, 192);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kGrey = qRgb(128, 128, 128);
constexpr QRgb kNavy = qRgb(0, 0, 128);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kYellow = qRgb(255, 255, 0);
constexpr QRgb kOlive = qRgb(128, 128, 0);

// Pixel maps: each character stands for one colour of the glyph's palette.
// clang-format off
// Arrow pointing left along the top, turning down at the right and back along the bottom.
constexpr const char *kNuevo[] = {
    "................",
    "....kk..........",
    "...kGk..........",
    "..kGGkkkkkkkkk..",
    ".kGGGGGGGGGGGgk.",
    "kGGGGGGGGGGGGgk.",
    ".kgGGgggggGGGgk.",
    "..kgGkkkkkkGGgk.",
    "...kgk....kGGgk.",
    "....kk....kGGgk.",
    "..kkkkkkkkkGGgk.",
    "..kGGGGGGGGGGgk.",
    "..kGGGGGGGGGGgk.",
    "..kgggggggggggk.",
    "..kkkkkkkkkkkkk.",
    "................",
};

constexpr const char *kCorregir[] = {
    ".................",
    ".bbbbbbbbb.......",
    ".bwwwwwwwbb......",
    ".bwggggwwbwb.....",
    ".bwwwwwwwbbbb....",
    ".bwgggggggwwb....",
    ".bwwwwwwwwwwb....",
    ".bwgggggggwwb...r",
    ".bwwwwwwwwwwb..rr",
    ".bwggggggwwwb.rr.",
    ".bwwwrwwwwwwbrr..",
    ".bwwwrrwwwwwrr...",
    ".bwwwwrrwwwrrb...",
    ".bwwwwwrrwrrwb...",
    ".bwwwwwwrrrwwb...",
    ".bbbbbbbbrbbbb...",
    ".................",
};

constexpr const char *kEnviar[] = {
    "................",
    "kkkkkkkkkkkkkkk.",
    "kywywywywywywyk.",
    "kwywywywywywywk.",
    "kkkkkkkkkkkkkkk.",
    "..kwwwwwwwk.....",
    "...kwbbwwwwk....",
    "...kwwwwrrwk....",
    "....kwbbbwwwk...",
    "....kwwwwwwwk...",
    ".....kwbbbwwwk..",
    ".....kwwwwwwwk..",
    "......kwbbwrrwk.",
    "......kwwwwwwwk.",
    ".......kkkkkkkk.",
    "................",
};

// A head in profile facing right; the disabled state uses the same map in greys.
constexpr const char *kDatos[] = {
    "RRRRRRRRRRRRRRRRRRRRRRRR",
    "RRRRRRRRkkkkkkkRRRRRRRRR",
    "RRRRRRkkoooooookkRRRRRRR",
    "RRRRRkooooooooooookRRRRR",
    "RRRRkooooooooooooookRRRR",
    "RRRkooooooooooooooookRRR",
    "RRRkoooooooooooookkkwkRR",
    "RRkoooooooooooookwwwwkRR",
    "RRkooooooooooookwwwwwwkR",
    "RRkoooooooooookwkkwwwwkR",
    "RRkooooooooooowwkkwwwwkR",
    "RRkoooooookkowwwwwwwwwwk",
    "RRkoooooookwkwwwwwwwwwwk",
    "RRkoooooookwkwwwwwwwwkkR",
    "RRRkoooooowkwwwwwwwwwkRR",
    "RRRkooooowwwwwwwwwkkkRRR",
    "RRRRkoooowwwwwwwwwwkRRRR",
    "RRRRRkoowwwwwwwwwwkRRRRR",
    "RRRRRRkkwwwwwwwwwkRRRRRR",
    "RRRRRRRkwwwwwkkkkRRRRRRR",
    "RRRRRRRkwwwwkRRRRRRRRRRR",
    "RRRRRRRkwwwwkRRRRRRRRRRR",
    "RRRRRRkkwwwwkkRRRRRRRRRR",
    "RRRRRRRRRRRRRRRRRRRRRRRR",
};

// A question mark, cyan with a dark blue shadow on its lower right.
constexpr const char *kAyuda[] = {
    "oooooooooooooooooo",
    "oooooocccccooooooo",
    "ooooccccccccoooooo",
    "ooocccbbbbcccooooo",
    "ooocccboooocccbooo",
    "oooobbboooocccbooo",
    "ooooooooooccccbooo",
    "oooooooooccccbbooo",
    "oooooooocccbbooooo",
    "ooooooocccbboooooo",
    "ooooooocccbooooooo",
    "oooooooobbbooooooo",
    "oooooooooooooooooo",
    "ooooooocccoooooooo",
    "ooooooocccbooooooo",
    "ooooooocccbooooooo",
    "oooooooobbbooooooo",
    "oooooooooooooooooo",
};

// The folder; the arrow rises from behind its front flap.
constexpr const char *kAbrir[] = {
    "...........kkkkkk..",
    "..........kcccccck.",
    "...........kccccck.",
    "............kcccck.",
    "...........kccccck.",
    "..........kccckcck.",
    ".........kmmmk.kck.",
    ".kkkk...kmmmk...k..",
    "kYYYYk.kmmmk.......",
    "kYyyyykGGGkkk......",
    "kYyyykGGGkyyk......",
    "kYykkkkkkkkkkkkkk..",
    "kYykYYYYYYYYYYYYk..",
    "kykYYYYYYYYYYYYk...",
    "kykYYYYYYYYYYYk....",
    "kkYYYYYYYYYYYk.....",
    "kkyyyyyyyyyyk......",
    "kkkkkkkkkkkk.......",
    "...................",
};
// clang-format on

QImage sideBySide(const QImage &normal, const QImage &disabled)
{
    QImage both(normal.width() + disabled.width(), normal.height(), QImage::Format_RGB32);
    QPainter painter(&both);
    painter.drawImage(0, 0, normal);
    painter.drawImage(normal.width(), 0, disabled);
    painter.end();
    return both;
}

// The disabled look of a shape: the shape in grey over a white copy of it one pixel down
// and to the right, on the same ground.
QImage engraved(const QImage &shape, QRgb ground)
{
    QImage result(shape.size(), QImage::Format_RGB32);
    result.fill(ground);
    for (int y = 0; y + 1 < shape.height(); ++y)
        for (int x = 0; x + 1 < shape.width(); ++x)
            if (shape.pixel(x, y) != ground)
                result.setPixel(x + 1, y + 1, kWhite);
    for (int y = 0; y < shape.height(); ++y)
        for (int x = 0; x < shape.width(); ++x)
            if (shape.pixel(x, y) != ground)
                result.setPixel(x, y, kGrey);
    return result;
}

} // namespace

QImage drawNuevoGlyph()
{
    return toIndexed8(fromPixelMap(
        kNuevo, {{'.', kSilver}, {'k', kBlack}, {'G', qRgb(0, 255, 0)}, {'g', qRgb(0, 128, 0)}}));
}

QImage drawCorregirGlyph()
{
    return toIndexed8(fromPixelMap(
        kCorregir, {{'.', kSilver}, {'b', kNavy}, {'w', kWhite}, {'g', kGrey}, {'r', kRed}}));
}

QImage drawDatosGlyph()
{
    const QImage normal =
        fromPixelMap(kDatos, {{'R', kRed}, {'k', kBlack}, {'o', kOlive}, {'w', kWhite}});
    const QImage disabled = fromPixelMap(
        kDatos, {{'R', kSilver}, {'k', kGrey}, {'o', qRgb(160, 160, 160)}, {'w', kWhite}});
    return toIndexed8(sideBySide(normal, disabled));
}

QImage drawEnviarGlyph()
{
    return toIndexed8(fromPixelMap(
        kEnviar,
        {{'.', kSilver}, {'k', kBlack}, {'y', kYellow}, {'w', kWhite}, {'b', kBlue}, {'r', kRed}}));
}

QImage drawAyudaGlyph()
{
    constexpr QRgb ground = qRgb(191, 191, 0);
    const QImage normal =
        fromPixelMap(kAyuda, {{'o', ground}, {'c', qRgb(0, 255, 255)}, {'b', kNavy}});
    return toIndexed8(sideBySide(normal, engraved(normal, ground)));
}

QImage drawElementosGlyph()
{
    return drawAtomGlyph();
}

QImage drawAbrirGlyph()
{
    return toIndexed8(fromPixelMap(kAbrir, {{'.', kSilver},
                                            {'k', kBlack},
                                            {'y', kOlive},
                                            {'Y', kYellow},
                                            {'G', qRgb(0, 192, 0)},
                                            {'m', qRgb(0, 255, 128)},
                                            {'c', qRgb(0, 255, 255)}}));
}

} // namespace artwork
