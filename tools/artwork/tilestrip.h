#pragma once

#include "game/board.h"

#include <QImage>

namespace artwork {

// The table's tile faces of 40 x 40 side by side in atomic-number order, 8 bits per pixel:
// 114 for the classic table, 118 for today's.
QImage drawTileStrip(board::Table table = board::Table::Classic);

// One tile of the table, 40 x 40, opaque.
QImage drawTile(int atomicNumber, board::Table table = board::Table::Classic);

} // namespace artwork
