// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The pure rules of the free-spin feature: the wild multiplier and the awards.
#pragma once

#include "flow/game_state.hpp"
#include "rules/rng.hpp"

namespace slot
{

struct MultiplierDraw {
    Short multiplier;
    Short overlayframe; // start of the overlay animation for that multiplier
};

// The multiplier for a draw r of 1..25: 10 (1 in 25), 5 (4), 3 (9), 2 (11).
constexpr MultiplierDraw multiplierForDraw(int r)
{
    if (r == 1) {
        return { 10, 23 };
    }
    if (r <= 5) {
        return { 5, 31 };
    }
    if (r <= 14) {
        return { 3, 27 };
    }
    return { 2, 23 };
}

// Draws the multiplier of a free game and keeps it only when a winning line runs over a
// wild on a reel its win length reaches.
void freespinbusiness(MainState &s, Rng &rng);

// Whether line (1..25) of the last evaluation won through a wild on one of the reels that its
// win length counts (reel 2 for two, reels 2 and 3 for three, reels 2 to 4 for four or five).
bool lineWinsThroughWild(const MainState &s, int line);

} // namespace slot
