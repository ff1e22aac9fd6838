#include "game/random.h"

#include <chrono>

namespace {
std::uint32_t clockSeed()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(ticks);
}
} // namespace

Random &Random::shared()
{
    static Random instance;
    return instance;
}

Random::Random() : engine_(clockSeed()), seedSource_(clockSeed) {}

void Random::seed(std::uint32_t value)
{
    engine_.seed(value);
}

void Random::reseed()
{
    engine_.seed(seedSource_());
}

void Random::setSeedSource(SeedSource source)
{
    seedSource_ = source ? std::move(source) : SeedSource(clockSeed);
}

std::uint32_t Random::below(std::uint32_t bound)
{
    if (bound == 0)
        return 0;
    // Reject the draws below 2^32 mod bound, the sliver of the 32-bit range that would
    // favour small results.
    const std::uint32_t sliver = static_cast<std::uint32_t>(-bound) % bound;
    for (;;) {
        const std::uint32_t draw = static_cast<std::uint32_t>(engine_());
        if (draw >= sliver)
            return draw % bound;
    }
}
