#include "tools/artwork/crystal.h"

#include "tools/artwork/pixelart.h"

#include <QPainter>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <vector>

namespace artwork {

namespace {

constexpr int kWidth = 187;
constexpr int kHeight = 124;
constexpr int kLattice = 9;   // bumps along each side of the patch
constexpr int kSamples = 720; // surface samples along each side
constexpr double kLift = 7.0; // pixels a full bump rises on screen
constexpr int kShades = 20;   // brightness steps, to keep within 256 colours

// The patch's corners on screen, far side first.
const QPolygonF kPatch({QPointF(14, 44), QPointF(108, 12), QPointF(176, 66), QPointF(70, 112)});

struct Tone
{
    double r, g, b;
};

constexpr Tone kPale = {215, 255, 225};
constexpr Tone kOrange = {245, 85, 25};
constexpr Tone kValley = {70, 30, 40};

struct Sample
{
    double screenY; // of the flat surface; nearer samples are lower on screen
    QPoint pixel;
    QRgb colour;
};

struct Surface
{
    double height;
    double slopeU, slopeV;
    int kind; // 0 pale bump, 1 orange bump, -1 between bumps
};

// Rounded bumps on a square lattice, pale and orange in a chessboard pattern; the orange
// ones are a little smaller and lower.
Surface surfaceAt(double u, double v)
{
    const double gu = u * kLattice - 0.5;
    const double gv = v * kLattice - 0.5;
    const int i = std::clamp(int(std::lround(gu)), 0, kLattice - 1);
    const int j = std::clamp(int(std::lround(gv)), 0, kLattice - 1);
    const int kind = (i + j) % 2;
    const double radius = kind == 0 ? 0.5 : 0.42;
    const double peak = kind == 0 ? 1.0 : 0.8;
    const double du = gu - i, dv = gv - j;
    const double r2 = (du * du + dv * dv) / (radius * radius);
    if (r2 >= 1.0)
        return {0.0, 0.0, 0.0, -1};
    const double h = peak * std::sqrt(1.0 - r2);
    // Gradient of the dome, in lattice units.
    const double k = h > 1e-6 ? -peak * peak / (h * radius * radius) : 0.0;
    return {h, k * du, k * dv, kind};
}

QRgb shade(const Tone &tone, double light)
{
    const double level = std::round(std::clamp(light, 0.0, 1.0) * kShades) / kShades;
    const double f = 0.25 + 0.75 * level;
    // Never pure black: that is the background.
    return qRgb(std::max(1, int(tone.r * f)), std::max(1, int(tone.g * f)),
                std::max(1, int(tone.b * f)));
}

} // namespace

QImage drawCrystalPicture()
{
    QTransform toScreen;
    QTransform::quadToQuad(QPolygonF({QPointF(0, 0), QPointF(1, 0), QPointF(1, 1), QPointF(0, 1)}),
                           kPatch, toScreen);
    // Light from the upper left, a little in front.
    const double lu = -0.55, lv = -0.45, lh = 0.70;

    std::vector<Sample> samples;
    samples.reserve(std::size_t(kSamples) * kSamples);
    for (int a = 0; a < kSamples; ++a)
        for (int b = 0; b < kSamples; ++b) {
            const double u = (a + 0.5) / kSamples, v = (b + 0.5) / kSamples;
            const Surface s = surfaceAt(u, v);
            const QPointF flat = toScreen.map(QPointF(u, v));
            QRgb colour;
            if (s.kind < 0) {
                colour = shade(kValley, 0.6);
            } else {
                const double nu = -s.slopeU, nv = -s.slopeV, nh = 1.0;
                const double len = std::sqrt(nu * nu + nv * nv + nh * nh);
                const double light = std::max(0.0, (nu * lu + nv * lv + nh * lh) / len);
                colour = shade(s.kind == 0 ? kPale : kOrange, light * (0.55 + 0.45 * s.height));
            }
            const QPoint pixel(int(std::floor(flat.x())),
                               int(std::floor(flat.y() - s.height * kLift)));
            samples.push_back({flat.y(), pixel, colour});
        }
    std::stable_sort(samples.begin(), samples.end(),
                     [](const Sample &l, const Sample &r) { return l.screenY < r.screenY; });

    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 0));
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(shade(kValley, 0.6)));
        painter.drawPolygon(kPatch);
    }
    for (const Sample &s : samples)
        if (image.rect().contains(s.pixel))
            image.setPixel(s.pixel, s.colour);
    return toIndexed8(image);
}

} // namespace artwork
