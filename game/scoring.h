#pragma once

#include <cstdint>

namespace scoring {

// Hits as a whole percentage of the cells judged: the product hits x 100 is a signed 32-bit
// integer, the division is done in floating point and an exact half goes to the even
// neighbour. With nothing judged yet the figure is 0.
int hitPercentage(std::int32_t hits, std::int32_t counted);

// More than this many hits in total earns the congratulation.
inline constexpr std::int32_t kCongratulationThreshold = 100;

} // namespace scoring
