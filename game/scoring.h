#pragma once

#include <cstdint>

namespace scoring {

// Hits as a whole percentage of the cells judged: the product hits x 100 is a signed 32-bit
// integer, the division is done in floating point and an exact half goes to the even
// neighbour. With nothing judged yet the figure is 0.
int hitPercentage(std::int32_t hits, std::int32_t counted);

// More than this many hits in total earns the congratulation: in the classic table of 114,
// at most 13 misses on a first board.
inline constexpr std::int32_t kCongratulationThreshold = 100;

// The same for a table of `count` elements: the same 13 misses at most on a first board, so
// 104 in today's table of 118, where a board earns it with the same share as in the classic
// one (105 of 118 is 89.0 %, 101 of 114 is 88.6 %).
constexpr std::int32_t congratulationThreshold(int count)
{
    return kCongratulationThreshold + (count - 114);
}

} // namespace scoring
