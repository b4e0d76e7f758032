// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

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
    // Inline: a simulation takes six or more of these per game.
    std::uint64_t next()
    {
        const std::uint64_t result = rotl(s[1] * 5, 7) * 9;
        const std::uint64_t t = s[1] << 17;
        s[2] ^= s[0];
        s[3] ^= s[1];
        s[1] ^= s[2];
        s[0] ^= s[3];
        s[2] ^= t;
        s[3] = rotl(s[3], 45);
        return result;
    }
    void jump(); // advances 2^128 draws: independent streams for parallel simulation

private:
    static constexpr std::uint64_t rotl(std::uint64_t x, int k)
    {
        return (x << k) | (x >> (64 - k));
    }
    void seedFrom(std::uint64_t seed);
    std::uint64_t s[4] {};
};

} // namespace slot
