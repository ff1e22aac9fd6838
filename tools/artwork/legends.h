#pragma once

#include <QImage>

namespace artwork {

// The two legend pictures of the title block: "sólido" and "liquido" (132 x 25), "gas" and
// "sint." (136 x 25), each word centred in a box of its state's colour. 8 bits per pixel.
QImage drawSolidLiquidLegend();
QImage drawGasSyntheticLegend();

} // namespace artwork
