#pragma once

#include <QImage>

namespace artwork {

// The "Elementos" button glyph: three light-blue orbits around a yellow nucleus on a blue
// square, 32 x 32, 24-bit. Its leftmost column holds the transparent colour.
QImage drawAtomGlyph();

// The program icon: three dotted cyan orbits around a silver nucleus on a blue square,
// 32 x 32, 16 colours, opaque.
QImage drawMainIcon();

// The program icon for desktops, size x size pixels; 32 is the icon itself.
QImage drawDesktopIcon(int size);

} // namespace artwork
