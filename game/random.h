#pragma once

#include <cstdint>
#include <functional>
#include <random>

// The program's one pseudo-random generator. The shuffle reseeds it from the clock before
// every deal; the shuffle and the tiles' drift draw from it. Tests replace the clock with
// a seed source of their own so that runs repeat.
class Random
{
public:
    using SeedSource = std::function<std::uint32_t()>;

    static Random &shared();

    void seed(std::uint32_t value);
    // Reseeds from the seed source: by default the low 32 bits of the high-resolution clock.
    void reseed();
    void setSeedSource(SeedSource source);

    // Uniform in 0 .. bound - 1, without modulo bias; 0 for a bound of 0.
    std::uint32_t below(std::uint32_t bound);

private:
    Random();

    std::mt19937 engine_;
    SeedSource seedSource_;
};
