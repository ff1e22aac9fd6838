#pragma once

#include <QImage>

// The pictures on the main window's push buttons. The bottom-left pixel of each is its
// transparent colour; a glyph of two states holds the normal picture and then the one shown
// while the button is disabled.
namespace artwork {

QImage drawNuevoGlyph();     // 16 x 16, a green arrow turning back on itself
QImage drawCorregirGlyph();  // 17 x 17, a sheet with a red tick
QImage drawDatosGlyph();     // 48 x 24, a head in profile, normal and disabled
QImage drawEnviarGlyph();    // 16 x 16, a sheet leaving a chequered bar
QImage drawAyudaGlyph();     // 36 x 18, a question mark, normal and disabled
QImage drawElementosGlyph(); // 32 x 32, an atom on a blue square, 24-bit
QImage drawAbrirGlyph();     // 19 x 19, an open folder with a rising arrow

} // namespace artwork
