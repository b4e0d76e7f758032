// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the player information window tells about the game's odds at one setting of lines and
// bet. Counted exactly by the par-sheet chain at build time, so the window opens at once.
#pragma once

#include "rules/game_tables.hpp"

#include <array>
#include <cstdint>
#include <string>

namespace slot
{

struct ParReport;

struct OddsPrize {
    Sym symbol = Sym::None; // kScatter for the scatter pays
    int count = 0;
    std::int64_t pay = 0; // credits on one line (scatters: on the whole stake)
    double chance = 0; // per paid game
};

// Zebra from two, every ordinary symbol from three, two to five scatters.
inline constexpr int kOddsPrizes = 1 + kOrdinarySymbols * 3 + 4;

struct OddsFigures {
    int lines = 0;
    int bet = 0; // credits per line
    std::int64_t stake = 0;
    double rtp = 0; // fractions of the amount staked, in the long run
    double anyWin = 0; // per paid game
    double aboveStake = 0;
    double feature = 0;
    std::int64_t largestPaidWin = 0; // credits
    double asymptoticSd = 0; // in stakes: the average of n games spreads by this / sqrt(n)
    std::array<OddsPrize, kOddsPrizes> prizes {};
};

OddsFigures oddsFrom(const ParReport &report);

// The table made at build time; nullptr for a setting the cabinet does not offer.
const OddsFigures *oddsFor(int lines, int bet);

// Nine players in ten end a session of `games` paid games between low and high (fractions of
// their stakes), by the spread of the long-run average; nobody gets back less than nothing.
struct SessionBand {
    int games = 0;
    double low = 0;
    double high = 0;
};
SessionBand sessionBand(const OddsFigures &odds, int games);

// "1 in 37", "1 in 1,234", "1 in 2.5"; "never" for a chance of nought.
std::string oneIn(double chance);
// "98.13 %"
std::string percent(double fraction, int decimals = 2);
// 1234567 -> "1,234,567"
std::string groupedNumber(std::int64_t n);

} // namespace slot
