#pragma once

#include <QImage>

namespace artwork {

// The 114 tile faces of 40 x 40 side by side in atomic-number order, 8 bits per pixel.
QImage drawTileStrip();

// One tile, 40 x 40, opaque.
QImage drawTile(int atomicNumber);

} // namespace artwork
