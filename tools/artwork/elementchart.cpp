#include "tools/artwork/elementchart.h"

#include "game/chartlayout.h"
#include "tools/artwork/languages.h"
#include "tools/artwork/pixelart.h"

#include <QPainter>

#include <array>

namespace artwork {

namespace {

constexpr int kTextPixelSize = 13;
constexpr int kNamePadding = 3;   // names start this far right of their column's line
constexpr int kCapitalHeight = 9; // of the chart's face at kTextPixelSize

constexpr QRgb kMarginColour = qRgb(242, 226, 246);
constexpr QRgb kColumnLine = qRgb(112, 112, 80);
constexpr QRgb kRowLine = qRgb(0, 0, 90);
constexpr QRgb kYellow = qRgb(255, 255, 156);
constexpr QRgb kYellowShade = qRgb(255, 248, 118); // left end of a shaded cell
constexpr QRgb kCyan = qRgb(156, 255, 255);
constexpr QRgb kNameHeader = qRgb(26, 26, 231);
constexpr QRgb kSymbolHeader = qRgb(230, 0, 0);
constexpr QRgb kBodyText = qRgb(0, 0, 0);

struct Column
{
    int left; // first pixel inside the lines
    int width;
};

struct Row
{
    int top;
    int height;
};

QList<Column> columns(Table table)
{
    QList<Column> result;
    for (int c = 0; c < 2 * chart::kChartColumns; ++c)
        result.append({chart::columnLeft(table, c), chart::columnWidths(table)[c]});
    return result;
}

// The header, then the body rows, each with the line below it.
QList<Row> rows(int bodyRows)
{
    QList<Row> result;
    result.append({chart::kChartMargin + 1, chart::kChartHeaderHeight});
    for (int i = 0; i < bodyRows; ++i)
        result.append({chart::bodyRowTop(i), chart::bodyRowTop(i + 1) - chart::bodyRowTop(i) - 1});
    return result;
}

void fillCell(QImage &image, const Column &column, const Row &row, QRgb colour, bool shaded)
{
    for (int x = 0; x < column.width; ++x) {
        QRgb c = colour;
        if (shaded) {
            const double t = double(x) / (column.width - 1);
            c = qRgb(qRed(kYellowShade) + int((qRed(colour) - qRed(kYellowShade)) * t),
                     qGreen(kYellowShade) + int((qGreen(colour) - qGreen(kYellowShade)) * t),
                     qBlue(kYellowShade) + int((qBlue(colour) - qBlue(kYellowShade)) * t));
        }
        for (int y = 0; y < row.height; ++y)
            image.setPixel(column.left + x, row.top + y, c);
    }
}

void drawCellText(QImage &image, const Column &column, const Row &row, std::string_view text,
                  QRgb colour, bool centred)
{
    const TextStamp stamp =
        stampText(QString::fromUtf8(text.data(), qsizetype(text.size())),
                  pixelFont(QStringLiteral("Liberation Serif"), kTextPixelSize, true), colour);
    const int room = centred ? column.width - 2 : column.width - kNamePadding - 1;
    if (stamp.image.width() > room)
        fail(QStringLiteral("\"%1\" is wider than its column of the element chart")
                 .arg(QString::fromUtf8(text.data(), qsizetype(text.size()))));
    const int left = centred ? column.left + (column.width - stamp.image.width() + 1) / 2
                             : column.left + kNamePadding;
    const int foot = row.top + (row.height - kCapitalHeight) / 2 + kCapitalHeight - 1;
    drawStamp(image, stamp, left, foot);
}

} // namespace

QImage drawElementChart(const PictureLanguage &language, Table table)
{
    const int bodyRows = chart::chartRowCount(table);
    const int height = chart::bodyRowTop(bodyRows);
    QImage image(chart::kChartWidth, height, QImage::Format_RGB32);
    image.fill(kMarginColour);
    const QList<Column> cols = columns(table);
    const QList<Row> rws = rows(bodyRows);

    // Lines: every column line first, then the row lines across them.
    const int tableBottom = height - 1;
    for (int i = 0; i <= cols.size(); ++i) {
        const int x = i < cols.size() ? cols[i].left - 1 : cols.last().left + cols.last().width;
        for (int y = chart::kChartMargin; y <= tableBottom; ++y)
            image.setPixel(x, y, kColumnLine);
    }
    for (int i = 0; i <= rws.size(); ++i) {
        const int y = i < rws.size() ? rws[i].top - 1 : tableBottom;
        for (int x = chart::kChartMargin; x < chart::kChartWidth - chart::kChartMargin; ++x)
            image.setPixel(x, y, kRowLine);
    }

    for (int c = 0; c < cols.size(); ++c) {
        const bool nameColumn = c % 2 == 0;
        fillCell(image, cols[c], rws[0], kYellow, true);
        drawCellText(image, cols[c], rws[0],
                     nameColumn ? language.nameHeader : language.symbolHeader,
                     nameColumn ? kNameHeader : kSymbolHeader, !nameColumn);
    }
    for (int r = 0; r < bodyRows; ++r) {
        for (int pair = 0; pair < chart::kChartColumns; ++pair) {
            const PrintedCell cell = printedCell(language, table, r, pair);
            const bool cyan = chart::hasCyanCells(cell.atomicNumber);
            const Column &nameColumn = cols[2 * pair];
            const Column &symbolColumn = cols[2 * pair + 1];
            const Row &row = rws[r + 1];
            fillCell(image, nameColumn, row, cyan ? kCyan : kYellow, !cyan && r % 2 == 0);
            fillCell(image, symbolColumn, row, cyan ? kCyan : kYellow, false);
            drawCellText(image, nameColumn, row, cell.name, kBodyText, false);
            drawCellText(image, symbolColumn, row, cell.symbol, kBodyText, true);
        }
    }
    return toIndexed8(image);
}

} // namespace artwork
