#include "tools/artwork/datospicture.h"

#include "tools/artwork/pixelart.h"

#include <QPainter>
#include <QPolygon>

namespace artwork {

namespace {

constexpr QRgb kGround = qRgb(191, 191, 191);
constexpr QRgb kFrame = qRgb(0, 0, 127);
constexpr QRgb kShadow = qRgb(110, 110, 110);
constexpr QRgb kPage = qRgb(255, 255, 255);
constexpr QRgb kInk = qRgb(0, 0, 0);

constexpr QRect kPageRect(9, 3, 42, 54); // frame included
constexpr int kShadowOffset = 3;

// Lines of text as runs of words: row and the columns each word spans.
struct TextLine
{
    int row;
    int words[3][2]; // first and last column; a zero-width word is left out
};

inline constexpr TextLine kLines[] = {
    {21, {{13, 22}, {25, 37}, {40, 46}}}, {24, {{13, 28}, {31, 39}, {42, 46}}},
    {27, {{13, 19}, {22, 35}, {38, 46}}}, {30, {{13, 25}, {28, 46}, {0, 0}}},
    {37, {{33, 40}, {42, 46}, {0, 0}}},   {40, {{33, 37}, {39, 46}, {0, 0}}},
    {43, {{33, 43}, {0, 0}, {0, 0}}},     {46, {{33, 38}, {40, 46}, {0, 0}}},
    {49, {{33, 46}, {0, 0}, {0, 0}}},     {52, {{33, 41}, {0, 0}, {0, 0}}},
};

} // namespace

QImage drawDatosPicture()
{
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(kGround);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);

    painter.fillRect(kPageRect.translated(kShadowOffset, kShadowOffset), QColor(kShadow));
    painter.fillRect(kPageRect, QColor(kFrame));
    painter.fillRect(kPageRect.adjusted(1, 1, -1, -1), QColor(kPage));

    painter.setPen(QColor(kInk));
    for (const TextLine &line : kLines)
        for (const auto &word : line.words)
            if (word[1] > word[0])
                painter.drawLine(word[0], line.row, word[1], line.row);

    // Shapes at the lower left: a red triangle and a blue square under a yellow circle.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 0, 0));
    painter.drawPolygon(QPolygon({QPoint(12, 54), QPoint(30, 54), QPoint(21, 40)}));
    painter.setBrush(QColor(0, 0, 255));
    painter.drawRect(QRect(12, 42, 10, 10));
    painter.setPen(QColor(128, 96, 0));
    painter.setBrush(QColor(255, 255, 0));
    painter.drawEllipse(QRect(15, 35, 11, 11));
    painter.end();

    const TextStamp abc = stampText(
        QStringLiteral("ABC"), pixelFont(QStringLiteral("Liberation Sans"), 17, true, true), kInk);
    drawStamp(image, abc, kPageRect.left() + (kPageRect.width() - abc.image.width()) / 2, 16);
    return image;
}

} // namespace artwork
