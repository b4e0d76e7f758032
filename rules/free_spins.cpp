// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The multiplier draw and its test against the wild cells of the winning lines.
#include "rules/free_spins.hpp"

namespace slot
{

bool lineWinsThroughWild(const MainState &s, int line)
{
    if (line < 1 || line > kLines) {
        return false;
    }
    const int length = s.winlength[static_cast<std::size_t>(line)];
    const int lastReel = length == 2 ? 2 : length == 3 ? 3 : (length == 4 || length == 5) ? 4 : 0;
    for (int reel = 2; reel <= lastReel; ++reel) {
        const int row
            = tables::paylineRows[static_cast<std::size_t>(line)][static_cast<std::size_t>(reel)];
        if (s.wildcell[static_cast<std::size_t>(reel)] == cellOf(reel, row)) {
            return true;
        }
    }
    return false;
}

void freespinbusiness(MainState &s, Rng &rng)
{
    const MultiplierDraw drawn = multiplierForDraw(rng.draw(25));
    s.multiplier = drawn.multiplier;
    s.overlayframe = drawn.overlayframe;
    bool anyWild = false;
    for (s.lineindex = 1; s.lineindex <= s.linesplayed; ++s.lineindex) {
        anyWild = lineWinsThroughWild(s, s.lineindex) || anyWild;
    }
    if (!anyWild) {
        s.multiplier = 1;
    }
}

} // namespace slot
