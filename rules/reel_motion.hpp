// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The reel animation as a sequence of frames: which reel goes where, how long each frame
// holds, and which stop and scatter sounds play. The window draws it; tests count it.
#pragma once

#include "flow/game_state.hpp"

namespace slot
{

// Any reel speed the player cannot choose (a damaged record, say) plays as the fastest.
bool isValidReelspeed(int reelspeed);
void normaliseReelspeed(Short &reelspeed);

// Twips a reel moves per frame at a reel speed (1, 2, 4, 8 or 10; anything else as 1).
int reelStep(int reelspeed);

class ReelMotion
{
public:
    virtual ~ReelMotion() = default;
    virtual void place(int reel, Money top) = 0; // Top of reel picture, twips
    virtual void frame(int sleepMs) = 0; // show the frame, then hold it
    virtual void sound(int n) = 0;
};

// Plays the stops of s (reeltop1..5, held2..4, scattercell, scatters, freespins) through
// motion. The hold flags are left alone: settleHoldsAfterAnimation does their part.
void runReelAnimation(const MainState &s, int reelspeed, ReelMotion &motion);

// The sum of the frame sleeps of a game's animation, in milliseconds.
long long animationSleepMs(const MainState &s, int reelspeed);

} // namespace slot
