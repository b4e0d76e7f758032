// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The complete game's long-run return, counted over every window rather than sampled.
#pragma once

#include "rules/exact_chain.hpp"
#include "rules/fast_game.hpp"

#include <array>
#include <cstdint>
#include <utility>

namespace slot
{

// Which reels hold a wild at the start of a game: reel 2 at stop 1 or 2, reels 3 and 4 at
// stop 9, 10 or 11; 0 where the reel is free.
struct HoldState {
    int stop2 = 0;
    int stop3 = 0;
    int stop4 = 0;
    bool any() const { return stop2 != 0 || stop3 != 0 || stop4 != 0; }
};

inline constexpr int kHoldStates = 3 * 4 * 4;
int holdIndex(const HoldState &h); // -1 for a stop that shows no wild
HoldState holdStateAt(int index);

// One window as the counting weighs it: weights are whole numbers, comparable only within
// one hold state (divide by the state's total, given by stateDone).
struct WeightedWindow {
    std::int64_t thiswin = 0; // credits, before any multiplier
    std::size_t award = 0; // 0, or 1..3 for 11, 21 or 31 games
    int nextState = 0;
    std::int64_t paidWeight = 0;
    std::array<std::pair<int, std::int64_t>, 4> free {}; // (multiplier, weight) as a free game
    int freeCount = 0;
};

// Sees every window the counting judges, for tallies of its own.
class WindowObserver
{
public:
    virtual ~WindowObserver() = default;
    virtual void window(int state, const std::array<int, kReels + 1> &stops, const FastWindow &fw,
        const WeightedWindow &w)
        = 0;
    virtual void stateDone(int state, std::int64_t paidWeight, std::int64_t freeWeight) = 0;
};

// One counted game from every hold state, at the given lines and bet per line (credits).
struct GameKernels {
    GameKernel paid;
    GameKernel free;
    std::uint64_t windows = 0; // windows judged
};
GameKernels buildKernels(int lines, int bet, WindowObserver *observer = nullptr);

struct ExactFigures {
    int lines = 25;
    int bet = 1;
    double rtp = 0; // fractions of the amount staked
    double rtpBase = 0; // paid games that start no feature
    double rtpFeature = 0; // features, their triggering game included
    double hitFrequency = 0; // paid games that win
    double gamesPerFeature = 0;
    double freeGamesPerFeature = 0; // games after the trigger, retriggers included
    double meanFeatureWin = 0; // in stakes, the triggering game included
    double discardRate = 0; // evaluated results that were replaced
    double heldGameShare = 0; // counted games, paid and free, with a reel held
    double residual = 0; // error left in the feature's passage equation
    std::uint64_t windows = 0;
};

// Leaves out the rule that replaces every trigger of a player far ahead: it depends on that
// player's own history, not on the game.
ExactFigures exactReturn(int lines, int betIndex);

} // namespace slot
