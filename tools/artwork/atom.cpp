#include "tools/artwork/atom.h"

#include "tools/artwork/pixelart.h"

#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QPoint>
#include <QPointF>

#include <cmath>
#include <numbers>

namespace artwork {

namespace {

struct Orbit
{
    double radiusX; // along the orbit's long axis, pixels
    double radiusY;
    double degrees; // turn of the long axis from the horizontal
};

constexpr Orbit kOrbits[] = {{13.2, 4.6, 0.0}, {13.2, 4.6, 60.0}, {13.2, 4.6, 120.0}};

// The pixels of an ellipse in the order they are met going round it, each once.
QList<QPoint> orbitPath(QPointF centre, const Orbit &orbit)
{
    const double turn = orbit.degrees * std::numbers::pi / 180.0;
    const int steps = 2000;
    QList<QPoint> path;
    for (int i = 0; i < steps; ++i) {
        const double t = 2.0 * std::numbers::pi * i / steps;
        const double x = orbit.radiusX * std::cos(t);
        const double y = orbit.radiusY * std::sin(t);
        const QPoint p(int(std::floor(centre.x() + x * std::cos(turn) - y * std::sin(turn))),
                       int(std::floor(centre.y() + x * std::sin(turn) + y * std::cos(turn))));
        if (path.isEmpty() || (path.last() != p && path.first() != p))
            path.append(p);
    }
    // Drop the corner pixels of each stair step so the line stays one pixel thin.
    QList<QPoint> thin;
    for (qsizetype i = 0; i < path.size(); ++i) {
        const QPoint before = thin.isEmpty() ? path.last() : thin.last();
        const QPoint after = path[(i + 1) % path.size()];
        const QPoint gap = after - before;
        if (std::max(std::abs(gap.x()), std::abs(gap.y())) > 1)
            thin.append(path[i]);
    }
    return thin;
}

void fillDisc(QImage &image, QPointF centre, double radius, QRgb rim, QRgb inside, QRgb highlight)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const double dx = x + 0.5 - centre.x();
            const double dy = y + 0.5 - centre.y();
            const double d = std::hypot(dx, dy);
            if (d > radius)
                continue;
            QRgb colour = d > radius - 1.0 ? rim : inside;
            if (std::hypot(dx + radius / 3.0, dy + radius / 3.0) < radius / 2.5)
                colour = highlight;
            image.setPixel(x, y, colour);
        }
}

} // namespace

QImage drawAtomGlyph()
{
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(qRgb(0, 48, 255));
    for (int y = 0; y < image.height(); ++y)
        image.setPixel(0, y, qRgb(0, 31, 255));
    const QPointF centre(16.5, 16.0);
    for (const Orbit &orbit : kOrbits)
        for (const QPoint &p : orbitPath(centre, orbit))
            image.setPixel(p, qRgb(140, 205, 255));
    fillDisc(image, centre, 3.2, qRgb(200, 150, 0), qRgb(255, 230, 0), qRgb(255, 255, 190));
    return image;
}

QImage drawMainIcon()
{
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 255));
    const QPointF centre(16.0, 16.0);
    // Every other pixel of each orbit, leaving out dots that would touch a dot already
    // drawn where the orbits cross.
    const QRgb dot = qRgb(0, 255, 255);
    auto touchesDot = [&](QPoint p) {
        for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
            if (image.valid(p + d) && image.pixel(p + d) == dot)
                return true;
        return false;
    };
    for (const Orbit &orbit : kOrbits) {
        const QList<QPoint> path = orbitPath(centre, orbit);
        for (qsizetype i = 0; i < path.size(); i += 2)
            if (!touchesDot(path[i]))
                image.setPixel(path[i], dot);
    }
    fillDisc(image, centre, 2.6, qRgb(128, 128, 128), qRgb(192, 192, 192), qRgb(255, 255, 255));
    return toIndexed8(image);
}

QImage drawDesktopIcon(int size)
{
    if (size <= 32)
        return drawMainIcon().convertToFormat(QImage::Format_RGB32);
    // The same atom drawn smoothly at desktop sizes: dotted cyan orbits on blue and a
    // silver nucleus, each measure scaled from the 32-pixel icon.
    const double k = size / 32.0;
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 255));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(size / 2.0, size / 2.0);
    QPen dots(QColor(0, 255, 255), 1.1 * k, Qt::CustomDashLine, Qt::RoundCap);
    dots.setDashPattern({0.01, 1.9});
    painter.setPen(dots);
    painter.setBrush(Qt::NoBrush);
    for (const Orbit &orbit : kOrbits) {
        painter.save();
        painter.translate(centre);
        painter.rotate(orbit.degrees);
        painter.drawEllipse(QPointF(0, 0), orbit.radiusX * k, orbit.radiusY * k);
        painter.restore();
    }
    QRadialGradient nucleus(centre - QPointF(0.8 * k, 0.8 * k), 2.8 * k);
    nucleus.setColorAt(0.0, QColor(255, 255, 255));
    nucleus.setColorAt(0.5, QColor(192, 192, 192));
    nucleus.setColorAt(1.0, QColor(128, 128, 128));
    painter.setPen(Qt::NoPen);
    painter.setBrush(nucleus);
    painter.drawEllipse(centre, 2.6 * k, 2.6 * k);
    return image;
}

} // namespace artwork
