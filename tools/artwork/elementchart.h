#pragma once

#include "game/board.h"

#include <QImage>

namespace artwork {

struct PictureLanguage;

// The element chart, 8 bits per pixel: a table of the elements' names in the language and
// their symbols in the look of a web page, four name and symbol pairs across. 508 x 600 for
// the classic table; today's, two rows longer, is 508 x 640.
QImage drawElementChart(const PictureLanguage &language,
                        board::Table table = board::Table::Classic);

} // namespace artwork
