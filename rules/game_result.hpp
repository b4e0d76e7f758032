// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The pure rules of a game's result: what to present, the feature counting and the money.
#pragma once

#include "flow/game_state.hpp"
#include "rules/rng.hpp"

namespace slot
{

// What the window presents once the reels have stopped, in the order it presents it.
struct ResultPlan {
    bool scatterAnimation = false; // Timerscatters
    bool trigger = false; // 3+ scatters: the feature starts or is extended
    bool featureStarts = false; // no feature was running: the fanfare and the music
    int music = 0; // 117 or 118, looping, when the feature starts
    bool timer4 = false; // wild swing outside the feature
    bool timerwild = false; // wild with the multiplier overlay
    bool timer1 = false; // winning-payline display
    bool winSoundStep = false; // the win-size sound step runs (outside the feature)
    int winSound = 0; // 101..115, 0 for none
    // Scatters that would have started or extended the feature, refused because the games
    // they add could win more than the credit can hold (awardFits); the game is played as
    // any other.
    bool awardRefused = false;
};

// Decides the presentation and starts or extends the feature (freespins grows here).
ResultPlan planResult(MainState &s, const PlayerState &p, Rng &rng);

// The win-size sound of a game outside the feature, 0 for no win.
int winSoundFor(Money thiswin);

enum class Settlement {
    FeatureGame, // counted in the feature; win into winmeter, stake given back
    LastFeatureGame, // the feature is complete; its win waits for the collect
    PaidWin, // win into bank
    PaidNoWin,
};

// Counts a feature game or pays a paid game's win into the credit.
Settlement settleResult(MainState &s, PlayerState &p);

// The collect's money: the feature's win meter into the credit, the feature over.
void collectWinmeter(MainState &s, PlayerState &p);

} // namespace slot
