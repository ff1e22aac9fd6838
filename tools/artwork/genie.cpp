#include "tools/artwork/genie.h"

#include "tools/artwork/pixelart.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>

namespace artwork {

namespace {

constexpr QRgb kNight = qRgb(4, 35, 54); // background, shown as transparent
constexpr QRgb kOutline = qRgb(0, 0, 0);
constexpr QRgb kSkin = qRgb(90, 190, 250);
constexpr QRgb kSkinShade = qRgb(40, 120, 200);
constexpr QRgb kSmoke = qRgb(150, 220, 255);
constexpr QRgb kSmokeShade = qRgb(95, 170, 225);
constexpr QRgb kVest = qRgb(210, 30, 60);
constexpr QRgb kSash = qRgb(255, 200, 0);
constexpr QRgb kTurban = qRgb(150, 60, 200);
constexpr QRgb kTurbanShade = qRgb(100, 30, 150);
constexpr QRgb kJewel = qRgb(255, 40, 40);
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kGold = qRgb(235, 185, 40);
constexpr QRgb kGoldShade = qRgb(170, 110, 10);
constexpr QRgb kGoldLight = qRgb(255, 240, 150);
constexpr QRgb kBeard = qRgb(20, 20, 40);

// Points along the smoke from the lamp's spout up to the genie's waist, with the smoke's
// half-width there; it curls round to the left on its way up.
struct SmokePoint
{
    double x, y, radius;
};

inline constexpr SmokePoint kSmokePath[] = {
    {47.0, 75.0, 1.5}, {43.0, 77.0, 2.0}, {37.0, 78.0, 2.5}, {30.0, 76.5, 3.0}, {25.5, 72.0, 3.5},
    {25.0, 66.0, 4.0}, {28.0, 61.0, 5.0}, {32.0, 57.0, 6.5}, {36.0, 53.0, 8.0},
};

// Paints the smoke straight into the picture: every pixel within reach of the path is
// smoke, and smoke pixels next to the background form its outline.
void drawSmoke(QImage &image)
{
    auto inSmoke = [](int x, int y) {
        const QPointF p(x + 0.5, y + 0.5);
        for (std::size_t i = 0; i + 1 < std::size(kSmokePath); ++i) {
            const SmokePoint &a = kSmokePath[i];
            const SmokePoint &b = kSmokePath[i + 1];
            const QPointF ab(b.x - a.x, b.y - a.y);
            const QPointF ap(p.x() - a.x, p.y() - a.y);
            const double len2 = ab.x() * ab.x() + ab.y() * ab.y();
            const double t = std::clamp((ap.x() * ab.x() + ap.y() * ab.y()) / len2, 0.0, 1.0);
            const double dx = ap.x() - t * ab.x(), dy = ap.y() - t * ab.y();
            const double r = a.radius + (b.radius - a.radius) * t;
            if (dx * dx + dy * dy <= r * r)
                return true;
        }
        return false;
    };
    for (int y = 1; y + 1 < image.height(); ++y)
        for (int x = 1; x + 1 < image.width(); ++x) {
            if (!inSmoke(x, y))
                continue;
            const bool edge = !inSmoke(x - 1, y) || !inSmoke(x + 1, y) || !inSmoke(x, y - 1) ||
                              !inSmoke(x, y + 1);
            // The lower right of each puff is in shadow.
            const bool shaded = !inSmoke(x + 2, y + 1) || !inSmoke(x + 1, y + 2);
            image.setPixel(x, y, edge ? kOutline : shaded ? kSmokeShade : kSmoke);
        }
}

QPainterPath limb(std::initializer_list<QPointF> points, double width)
{
    QPainterPath line;
    auto it = points.begin();
    line.moveTo(*it);
    for (++it; it != points.end(); ++it)
        line.lineTo(*it);
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line).simplified();
}

void fillOutlined(QPainter &painter, const QPainterPath &shape, QRgb fill)
{
    painter.setPen(QPen(QColor(kOutline), 1));
    painter.setBrush(QColor(fill));
    painter.drawPath(shape);
}

void drawLamp(QPainter &painter)
{
    // Spout reaching left and up to where the smoke leaves it.
    QPainterPath spout;
    spout.moveTo(57, 80);
    spout.lineTo(48, 76);
    spout.lineTo(46, 73);
    spout.lineTo(50, 74);
    spout.lineTo(59, 77);
    spout.closeSubpath();
    fillOutlined(painter, spout, kGold);
    // Handle on the right.
    QPainterPath handle;
    handle.addEllipse(QRectF(69, 75, 8, 9));
    handle.addEllipse(QRectF(71, 77, 4, 5));
    handle.setFillRule(Qt::OddEvenFill);
    fillOutlined(painter, handle, kGoldShade);
    // Foot, body, lid and knob.
    fillOutlined(painter, QPainterPath([] {
                     QPainterPath p;
                     p.addRect(QRectF(58, 84, 10, 3));
                     return p;
                 }()),
                 kGoldShade);
    QPainterPath body;
    body.addEllipse(QRectF(52, 76, 21, 10));
    fillOutlined(painter, body, kGold);
    QPainterPath lid;
    lid.addEllipse(QRectF(58, 72, 10, 7));
    fillOutlined(painter, lid, kGold);
    QPainterPath knob;
    knob.addEllipse(QRectF(61.5, 69, 3, 3));
    fillOutlined(painter, knob, kGoldShade);
    // Shine and shadow on the body.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kGoldLight));
    painter.drawRect(QRect(56, 79, 5, 1));
    painter.drawRect(QRect(60, 74, 2, 1));
    painter.setBrush(QColor(kGoldShade));
    painter.drawRect(QRect(58, 84, 11, 1));
}

void drawHead(QPainter &painter)
{
    // Pointed ears, then the face.
    QPainterPath ears;
    ears.addPolygon(QPolygonF({QPointF(29, 22), QPointF(25, 19), QPointF(30, 27)}));
    ears.addPolygon(QPolygonF({QPointF(47, 22), QPointF(51, 19), QPointF(46, 27)}));
    fillOutlined(painter, ears.simplified(), kSkin);
    QPainterPath face;
    face.addEllipse(QRectF(29, 14, 18, 20));
    fillOutlined(painter, face, kSkin);
    // Pointed beard.
    QPainterPath beard;
    beard.moveTo(33, 30);
    beard.quadTo(38, 35, 43, 30);
    beard.lineTo(38, 39);
    beard.closeSubpath();
    fillOutlined(painter, beard, kBeard);
    // Turban with its jewel and a plume.
    QPainterPath turban;
    turban.addEllipse(QRectF(27, 8, 22, 12));
    fillOutlined(painter, turban, kTurban);
    painter.setPen(QColor(kTurbanShade));
    painter.drawLine(30, 17, 46, 17);
    painter.drawLine(32, 12, 40, 16);
    QPainterPath jewel;
    jewel.addEllipse(QRectF(36, 13, 4, 4));
    fillOutlined(painter, jewel, kJewel);
    painter.setPen(QColor(kWhite));
    painter.drawLine(38, 12, 40, 7);
    painter.drawLine(39, 12, 42, 8);
    // Eyes, brows and a wide smile.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kWhite));
    painter.drawRect(QRect(33, 21, 3, 3));
    painter.drawRect(QRect(40, 21, 3, 3));
    painter.setBrush(QColor(kOutline));
    painter.drawRect(QRect(34, 22, 2, 2));
    painter.drawRect(QRect(41, 22, 2, 2));
    painter.setPen(QColor(kOutline));
    painter.drawLine(32, 20, 35, 19);
    painter.drawLine(41, 19, 44, 20);
    painter.drawLine(33, 27, 35, 29);
    painter.drawLine(36, 29, 40, 29);
    painter.drawLine(41, 29, 43, 27);
}

} // namespace

QImage drawGenie()
{
    QImage image(91, 93, QImage::Format_RGB32);
    image.fill(kNight);
    drawSmoke(image);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);

    drawLamp(painter);

    // Arms raised high, hands clenched, gold bands at the wrists.
    fillOutlined(painter, limb({QPointF(30, 36), QPointF(18, 28), QPointF(10, 12)}, 6.0), kSkin);
    fillOutlined(painter, limb({QPointF(46, 36), QPointF(58, 28), QPointF(66, 12)}, 6.0), kSkin);
    QPainterPath hands;
    hands.addEllipse(QPointF(9.0, 11.0), 4.5, 4.5);
    hands.addEllipse(QPointF(68.0, 11.0), 4.5, 4.5);
    fillOutlined(painter, hands.simplified(), kSkin);
    fillOutlined(painter, limb({QPointF(9, 17), QPointF(14, 16)}, 2.5), kGold);
    fillOutlined(painter, limb({QPointF(62, 16), QPointF(67, 17)}, 2.5), kGold);

    // Chest and vest, narrowing to the sash at the waist.
    QPainterPath torso;
    torso.moveTo(26, 35);
    torso.quadTo(38, 30, 50, 35);
    torso.lineTo(45, 52);
    torso.lineTo(31, 52);
    torso.closeSubpath();
    fillOutlined(painter, torso, kSkin);
    painter.setPen(QColor(kSkinShade));
    painter.drawLine(38, 38, 38, 47);
    QPainterPath vestLeft;
    vestLeft.moveTo(26, 35);
    vestLeft.lineTo(33, 33);
    vestLeft.lineTo(35, 50);
    vestLeft.lineTo(31, 50);
    vestLeft.closeSubpath();
    QPainterPath vestRight;
    vestRight.moveTo(50, 35);
    vestRight.lineTo(43, 33);
    vestRight.lineTo(41, 50);
    vestRight.lineTo(45, 50);
    vestRight.closeSubpath();
    fillOutlined(painter, vestLeft, kVest);
    fillOutlined(painter, vestRight, kVest);
    QPainterPath sash;
    sash.addRect(QRectF(30, 49, 16, 4));
    fillOutlined(painter, sash, kSash);

    drawHead(painter);
    painter.end();
    return toIndexed8(image);
}

} // namespace artwork
