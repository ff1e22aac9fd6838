#include "game/scoring.h"

#include <cmath>

namespace scoring {

int hitPercentage(std::int32_t hits, std::int32_t counted)
{
    if (counted == 0)
        return 0;
    // Wraps like the 32-bit multiplication it stands for.
    const auto product = static_cast<std::int32_t>(static_cast<std::uint32_t>(hits) * 100u);
    const double ratio = static_cast<double>(product) / counted;
    // The default rounding mode sends an exact half to the even neighbour.
    return static_cast<int>(std::nearbyint(ratio));
}

} // namespace scoring
