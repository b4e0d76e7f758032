// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's figures for the par sheet: exact counts of the base game and simulated play.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

namespace slot
{

struct EnumerateFigures {
    int lines = 25;
    std::uint64_t outcomes = 0;
    double lineReturn = 0; // fractions of the amount staked
    double scatterReturn = 0;
    double hitFrequency = 0;
    double pFeatureTrigger = 0; // 3+ scatters
    double pDiscardable = 0; // more than twice the stake, or a trigger
    double standingReturn = 0; // the result that survives the one-in-four check
    double standingTrigger = 0;
};

// Every one of the 22^5 stop combinations, counted once.
EnumerateFigures enumerateBaseGame(int lines);

struct SimulateOptions {
    std::uint64_t games = 1'000'000; // paid games (a feature counts with the game that started it)
    std::uint64_t seed = 1;
    int lines = 25;
    int betIndex = 1; // bet button 1..6
    int threads = 1;
    bool baseOnly = false; // independent stops, no hold, no payback check, no feature
    bool faithful = false; // play through the cabinet's own line-sum steps (slow; the reference)
};

struct SimulateFigures {
    std::uint64_t games = 0;
    double rtp = 0;
    double ciLow = 0;
    double ciHigh = 0;
    // Standard deviation of one paid game's return in stakes, and its 95 % batch-means interval.
    double sd = 0;
    double sdLow = 0;
    double sdHigh = 0;
    double hitFrequency = 0;
    double gamesPerFeature = 0;
    double meanFeatureWin = 0; // in stakes
    double discardRate = 0; // evaluated results that the payback check replaced
    double seconds = 0;
};

// progress, when given, is advanced by the games played (from several threads).
SimulateFigures simulate(
    const SimulateOptions &options, std::atomic<std::uint64_t> *progress = nullptr);

} // namespace slot
