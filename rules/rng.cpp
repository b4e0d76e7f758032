// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Seeding and stepping of the game's generator.
#include "rules/rng.hpp"

#include <random>

namespace slot
{

namespace
{
std::uint64_t splitmix64(std::uint64_t &x)
{
    std::uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}
} // namespace

GameRng::GameRng()
{
    std::random_device entropy; // getrandom() on Linux
    for (auto &word : s) {
        word = (static_cast<std::uint64_t>(entropy()) << 32) | entropy();
    }
    if ((s[0] | s[1] | s[2] | s[3]) == 0) {
        seedFrom(0);
    }
}

GameRng::GameRng(std::uint64_t seed)
{
    seedFrom(seed);
}

void GameRng::seedFrom(std::uint64_t seed)
{
    for (auto &word : s) {
        word = splitmix64(seed);
    }
}

void GameRng::jump()
{
    static constexpr std::uint64_t kJump[] = { 0x180ec6d33cfd0abaULL, 0xd5a61266f0c9392cULL,
        0xa9582618e03fc9aaULL, 0x39abdc4529b1661cULL };
    std::uint64_t t[4] {};
    for (auto word : kJump) {
        for (int b = 0; b < 64; ++b) {
            if (word & (std::uint64_t { 1 } << b)) {
                for (int i = 0; i < 4; ++i) {
                    t[i] ^= s[i];
                }
            }
            next();
        }
    }
    for (int i = 0; i < 4; ++i) {
        s[i] = t[i];
    }
}

} // namespace slot
