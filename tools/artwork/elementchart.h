#pragma once

#include <QImage>

namespace artwork {

// The element chart, 508 x 600, 8 bits per pixel: a table of Spanish names and symbols in
// the look of a web page, four name and symbol pairs across.
QImage drawElementChart();

} // namespace artwork
