// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The player's odds taken from the par sheet, and the words they are shown in.
#include "care/odds_figures.hpp"

#include "rules/par_report.hpp"

#include <cmath>
#include <cstdio>

namespace slot
{

OddsFigures oddsFrom(const ParReport &report)
{
    OddsFigures o;
    o.lines = report.lines;
    o.bet = report.bet;
    o.stake = report.stake;
    o.rtp = report.rtp;
    o.anyWin = report.hitFrequency;
    o.aboveStake = report.aboveStake;
    o.feature = report.featureChance;
    o.largestPaidWin = report.largestPaidWin;
    o.asymptoticSd = report.asymptoticSd;
    for (std::size_t i = 0; i < o.prizes.size() && i < report.prizes.size(); ++i) {
        const Prize &p = report.prizes[i];
        o.prizes[i] = { p.symbol, p.count, p.pay, p.paidChance };
    }
    return o;
}

SessionBand sessionBand(const OddsFigures &odds, int games)
{
    if (games < 1) {
        return { games, odds.rtp, odds.rtp };
    }
    const double spread = 1.645 * odds.asymptoticSd / std::sqrt(static_cast<double>(games));
    return { games, std::max(0.0, odds.rtp - spread), odds.rtp + spread };
}

std::string groupedNumber(std::int64_t n)
{
    const bool negative = n < 0;
    // Unsigned, so that the most negative value has a magnitude too.
    auto magnitude = negative ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
    std::string digits = std::to_string(magnitude);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            out += ',';
        }
        out += digits[i];
    }
    return negative ? "-" + out : out;
}

std::string oneIn(double chance)
{
    if (!(chance > 0)) {
        return "never";
    }
    const double n = 1 / chance;
    if (n < 10) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "1 in %.1f", n);
        return buf;
    }
    if (n >= 9.0e18) {
        return "never";
    }
    return "1 in " + groupedNumber(std::llround(n));
}

std::string percent(double fraction, int decimals)
{
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.*f %%", decimals, fraction * 100);
    return buf;
}

} // namespace slot
