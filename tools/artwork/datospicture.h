#pragma once

#include <QImage>

namespace artwork {

// The pupil-data dialog's picture, 64 x 64, 24-bit, opaque: a page with "ABC", lines of text
// and three shapes.
QImage drawDatosPicture();

} // namespace artwork
