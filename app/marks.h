#pragma once

#include "app/layout.h"
#include "app/picturebox.h"
#include "game/elements.h"

#include <QImage>
#include <QList>
#include <QPoint>

// The signs that say without colour what the colours say: a tick or a cross on each frame a
// correction judged, and a pattern for each state of matter, on the tiles and beside the
// state's colour in the legend. Dark on white within a dark edge, so they read on every
// tile face and frame colour. Drawn only when the pupil asks for them.
namespace marks {

// The verdict's badge, drawn over the top-left corner of its frame: a disc 13 pixels across,
// clear around it, that covers the corner of the pen and no tile's symbol.
const QImage &verdictBadge(bool right);

// The state's pattern, 9 x 9 pixels: filled for solid, horizontal lines for liquid, dots for
// gas, a diagonal hatch for synthetic.
const QImage &statePattern(elements::State state);

// Where a tile carries its state's pattern: top right, clear of the symbol below, of the
// atomic number above it (columns 12 to 26 on technetium's tile) and of the pen of a frame
// on the tile's cell (from column 36).
inline constexpr QPoint kTilePatternCorner{27, 2};

// The patterns of one legend picture, each at the left end of its state's box.
QList<PictureBox::Overlay> legendPatterns(layout::Role legend);

} // namespace marks
