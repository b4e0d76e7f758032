// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The outcome side of the five reel steps: where each reel stops and what the window shows.
#pragma once

#include "flow/game_state.hpp"
#include "rules/rng.hpp"

namespace slot
{

// Forget the previous game's line sums, wild lines and scatter and wild cells.
void clearPreviousOutcome(MainState &s);

// Draw the stop of a reel (1..5), or keep it when the reel holds a wild from the last game,
// and record its three cells into the line sums.
void spinReelOutcome(MainState &s, int reel, Rng &rng);

// Record the three cells that a reel at its current stop shows.
void recordStop(MainState &s, int reel);

// Whether the first phase of the reel animation runs any frame: reel 1 at stop 22 skips it,
// which is what lets a held wild stay for yet another game.
constexpr bool phaseOneRuns(Money reeltop1)
{
    return reeltop1 >= -32400;
}

// What the reel animation does to the hold flags: a held reel's flag is cleared in the first
// phase's frames, and the held markers are cleared when the reels have stopped.
void settleHoldsAfterAnimation(MainState &s);

} // namespace slot
