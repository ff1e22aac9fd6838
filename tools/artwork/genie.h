#pragma once

#include <QImage>

namespace artwork {

// The genie of the congratulation, 91 x 93, 8 bits per pixel: a small genie with raised arms
// rising in a curl of smoke from a golden oil lamp. The bottom-left pixel's dark navy is the
// background and the transparent colour.
QImage drawGenie();

} // namespace artwork
