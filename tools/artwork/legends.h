#pragma once

#include <QImage>

namespace artwork {

struct PictureLanguage;

// The two legend pictures of the title block: solid and liquid (132 x 25), gas and synthetic
// (136 x 25), each word in the language centred in a box of its state's colour. 8 bits per
// pixel.
QImage drawSolidLiquidLegend(const PictureLanguage &language);
QImage drawGasSyntheticLegend(const PictureLanguage &language);

} // namespace artwork
