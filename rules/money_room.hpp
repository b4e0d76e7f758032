// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How much a game can still win before a money counter runs out of its 32-bit range.
#pragma once

#include "flow/game_state.hpp"

namespace slot
{

// The largest wins at one credit per line, for the lines played; every win scales with the
// bet per line, so the largest at bet b is b times these.
struct LargestWins {
    long long paid = 0; // one paid game, held wilds included
    long long trigger = 0; // a paid game that starts the feature
    long long free = 0; // one free game, its multiplier included
};
LargestWins largestWinsPerCredit(int lines);

// The most one paid game can add to the credit and to Total Won with the bet and lines set:
// its own win, or a trigger with the five-scatter award of thirty free games after it.
long long largestReach(const MainState &s);

enum class PlayRoom {
    Fits,
    CreditFull, // the credit could not take the largest win: a smaller bet may still fit
    StatisticsFull, // Total Won, Total Wagered or the games played could not count the game
};

// Whether a paid game may start: refused while the largest thing it can lead to could carry
// a counter past its range, because a win that does not fit would be lost.
PlayRoom playRoom(const MainState &s, const PlayerState &p);

// Whether a trigger may add `award` games to the feature: the games still to come must be
// able to win their largest without the win meter, the credit it is collected into or Total
// Won running out of range. Called before the game is counted, with its win in thiswin.
bool awardFits(const MainState &s, const PlayerState &p, int award);

} // namespace slot
