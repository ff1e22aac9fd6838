#include "bench/referencewindow.h"

#include "bench/referencetile.h"
#include "game/board.h"

#include <QPainter>

namespace {
QImage tileFace(int n)
{
    QImage face(38, 38, QImage::Format_RGB32);
    face.fill(QColor(173, 200, 203));
    QPainter painter(&face);
    painter.fillRect(4, 4, 30, 30, QColor::fromHsv((n * 37) % 360, 160, 200));
    return face;
}

void fill(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}
} // namespace

ReferenceWindow::ReferenceWindow(const ReferenceOptions &options, QWidget *parent) : QWidget(parent)
{
    setWindowTitle(options.title);
    setFixedSize(812, 606);
    fill(this, QColor(192, 220, 192));
    // Tiles first, panels after: later siblings lie above earlier ones.
    for (int i = 0; i < kTileCount; ++i) {
        const board::Point slot = board::traySlot(i + 1);
        const board::Point cell = board::cellCorner(i + 1);
        auto *tile = new ReferenceTile(tileFace(i + 1), {slot.x, slot.y}, {cell.x, cell.y}, this);
        tile->setDrift(options.drift);
        tile->setRepaintEveryTick(options.repaintEveryTick);
        tile->setInterval(options.interval);
        tiles_[i] = tile;
    }
    for (int i = 0; i < kTileCount; ++i) {
        const board::Point cell = board::cellCorner(i + 1);
        auto *panel = new QWidget(this);
        panel->setGeometry(cell.x, cell.y, board::kCellSize, board::kCellSize);
        fill(panel, QColor(173, 200, 203));
        panels_[i] = panel;
    }
}
