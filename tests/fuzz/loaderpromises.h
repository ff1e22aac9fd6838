#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// What the strip loader promises for any bytes at all, checked on one input: it gives a
// picture or refuses with one of its messages; an accepted picture is in 32-bit format and
// within the size limit, and so is every tile cut from it; and loading the same bytes twice
// gives the same picture and tiles, so nothing the allocator left in fresh memory shows.
namespace loaderpromises {

// The promise the input broke, or an empty string. beforeLoad, given the pass (0 or 1), runs
// before each of the two loads, for a caller that can change what fresh memory holds.
QString brokenPromise(const QByteArray &bytes, const std::function<void(int)> &beforeLoad = {});

} // namespace loaderpromises
