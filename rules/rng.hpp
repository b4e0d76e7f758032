// The one source of chance. Production seeds it once from the system's entropy; tests script it.
#pragma once

#include <cstdint>

namespace slot
{

class Rng
{
public:
    virtual ~Rng() = default;
    // A uniform value in [0, 1).
    virtual double uniform() = 0;

    // The game's only mapping from chance to a choice: integer part of r x n, plus 1.
    int draw(int n)
    {
        const int k = static_cast<int>(uniform() * n) + 1;
        return k > n ? n : k;
    }
};

// xoshiro256**: fast, passes the statistical batteries, and 256 bits of state mean a
// discarded result can never replay itself. Seeded once, never from the clock per draw:
// draws within one clock tick would otherwise all be equal.
class GameRng final : public Rng
{
public:
    GameRng(); // seeded from the system's entropy source
    explicit GameRng(std::uint64_t seed); // reproducible runs for the tools and tests
    double uniform() override { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    std::uint64_t next();
    void jump(); // advances 2^128 draws: independent streams for parallel simulation

private:
    void seedFrom(std::uint64_t seed);
    std::uint64_t s[4] {};
};

} // namespace slot
