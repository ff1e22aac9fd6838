#pragma once

#include <QImage>

namespace artwork {

// The information window's picture, 187 x 124, 8 bits per pixel: a false-colour relief of a
// crystal surface seen at a slant. Pure black is used for the background around the patch
// and nowhere else, so it can be shown as transparent.
QImage drawCrystalPicture();

} // namespace artwork
