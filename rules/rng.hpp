// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The one source of chance. Production seeds it once from the system's entropy; tests script it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace slot
{

// A generator's whole state, for the crash journal: play after a restart continues exactly.
using RngState = std::array<std::uint64_t, 4>;

class Rng
{
public:
    virtual ~Rng() = default;
    // A uniform value in [0, 1).
    virtual double uniform() = 0;
    // Sources that cannot be saved (scripted ones) answer nothing and refuse a restore.
    virtual std::optional<RngState> saveState() const { return std::nullopt; }
    virtual bool restoreState(const RngState &) { return false; }

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
    double uniform() override { return toUnit(next()); }
    // Rng::draw without floating point, for the simulations' inner loops.
    int drawFast(int n) { return drawFrom(next(), n); }
    // The integer part of r x n is the top bits of the 53-bit fraction times n; the double
    // product differs from it only when its rounding carries it up onto the next whole number,
    // a chance of about 2^-47 that the slow path settles exactly as Rng::draw does. Exact for
    // n up to 128, where the product's rounding step is at most 128.
    static int drawFrom(std::uint64_t x, int n)
    {
        const std::uint64_t product = (x >> 11) * static_cast<std::uint64_t>(n);
        constexpr std::uint64_t kFraction = (std::uint64_t { 1 } << 53) - 1;
        if ((product & kFraction) >= kFraction - 64) [[unlikely]] {
            const int k = static_cast<int>(toUnit(x) * n) + 1;
            return k > n ? n : k;
        }
        return static_cast<int>(product >> 53) + 1;
    }
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
    std::optional<RngState> saveState() const override
    {
        return RngState { s[0], s[1], s[2], s[3] };
    }
    // The all-zero state would draw zeros for ever; no journal written by us can hold it.
    bool restoreState(const RngState &state) override
    {
        if ((state[0] | state[1] | state[2] | state[3]) == 0) {
            return false;
        }
        for (std::size_t i = 0; i < 4; ++i) {
            s[i] = state[i];
        }
        return true;
    }

private:
    static double toUnit(std::uint64_t x) { return static_cast<double>(x >> 11) * 0x1.0p-53; }
    static constexpr std::uint64_t rotl(std::uint64_t x, int k)
    {
        return (x << k) | (x >> (64 - k));
    }
    void seedFrom(std::uint64_t seed);
    std::uint64_t s[4] {};
};

} // namespace slot
