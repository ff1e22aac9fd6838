#pragma once

#include <QImage>

namespace artwork {

struct PictureLanguage;

// The element chart, 508 x 600, 8 bits per pixel: a table of the elements' names in the
// language and their symbols in the look of a web page, four name and symbol pairs across.
QImage drawElementChart(const PictureLanguage &language);

} // namespace artwork
