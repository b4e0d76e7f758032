// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The complete game's par sheet, counted exactly: return, spread, prizes and the feature.
// Leaves out, like exactReturn, the rule that replaces every trigger of a player far ahead.
#pragma once

#include "rules/game_tables.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace slot
{

// Every paying result: a line win of one symbol and count, or a count of scatters.
struct Prize {
    Sym symbol = Sym::None; // kScatter for scatter pays
    int count = 0;
    std::int64_t pay = 0; // credits, before any multiplier
    double paidChance = 0; // the paid game pays it (on at least one line)
    double paidShare = 0; // of the return, in stakes per paid game
    // Free games that pay it, expected per paid game; their share includes the multiplier.
    double freeRate = 0;
    double freeShare = 0;
};

struct FeatureLength {
    int games = 0; // counted games, the triggering one included
    double chance = 0; // given that a feature starts
};

struct ReturnBand {
    std::int64_t games = 0;
    double low90 = 0, high90 = 0, low95 = 0, high95 = 0;
};

struct ParReport {
    int lines = 25;
    int bet = 1;
    std::int64_t stake = 25;
    double rtp = 0, rtpBase = 0, rtpFeature = 0; // stakes per paid game; a feature with its trigger
    double hitFrequency = 0;
    double aboveStake = 0; // a paid game's own result wins more than it cost
    // What one paid game returns, its feature included, in stakes.
    double variance = 0, sd = 0;
    double volatilityIndex = 0; // kVolatilityZ x sd
    // Successive games share held wilds: the long-run average's spread is sqrt(this / n).
    double asymptoticVariance = 0, asymptoticSd = 0;
    std::vector<ReturnBand> bands;
    std::vector<Prize> prizes;

    double featureChance = 0; // per paid game
    std::vector<FeatureLength> lengths; // every length up to kLongestListed with its chance
    double longerChance = 0; // the rest
    double meanGames = 0, sdGames = 0; // counted games, the triggering one included
    double meanFreeWin = 0, sdFreeWin = 0; // the games after the trigger, in stakes
    double freeWinBelowStake = 0; // their win is below one stake
    double meanMeterWin = 0, sdMeterWin = 0; // the whole win meter, trigger included

    std::int64_t largestPaidWin = 0; // credits, one paid game
    std::int64_t largestFreeWin = 0; // credits, one free game with its multiplier
    std::int64_t largestTriggerWin = 0; // credits, a paid game that starts the feature
    double residual = 0;
    std::uint64_t windows = 0;
};

inline constexpr double kVolatilityZ = 1.645; // two-sided 90 %
inline constexpr double kBand95Z = 1.959964;
inline constexpr int kLongestListed = 120;
// The feature's spin counter is 16 bits; a retrigger that would pass it is not added.
inline constexpr int kMostFeatureGames = 32767;

ParReport parReport(int lines, int betIndex);

} // namespace slot
