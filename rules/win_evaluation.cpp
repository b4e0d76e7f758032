// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Pays are added wide and kept only when they fit, so no overflow can corrupt the credit.
#include "rules/win_evaluation.hpp"

#include "rules/free_spins.hpp"

namespace slot
{

int matchedCount(Sym symbol, int sum)
{
    switch (sum) {
    case 21:
    case 41:
        return 3;
    case 31:
        return 4;
    case 51:
        return 5;
    case 15:
    case 25:
    case 35:
    case 45:
        return symbol == Sym::zebra ? 2 : 0;
    default:
        return 0;
    }
}

void evaluateWins(MainState &s, PlayerState &p, Rng &rng)
{
    if (s.freespins < 1) {
        s.winmeter = 0;
        s.multiplier = 1;
    }
    s.thiswin = 0;
    s.atrisk = 0;
    for (std::size_t line = 1; line <= kLines; ++line) {
        s.winline[line] = 0;
        // Cleared here too: a discarded result's counts must not shape its replacement.
        s.winlength[line] = 0;
    }

    if (s.scatters >= 2 && s.scatters <= 5) {
        const auto pay = tables::scatterPay[static_cast<std::size_t>(s.scatters)];
        if (auto product
            = narrow<Short>(static_cast<long long>(s.betperline) * pay * s.linesplayed)) {
            addTo(s.thiswin, *product);
        }
    }

    const int lines = s.linesplayed < kLines ? s.linesplayed : kLines;
    for (int l = 1; l <= lines; ++l) {
        const auto line = static_cast<std::size_t>(l);
        for (Sym symbol : tables::lineTryOrder) {
            const int count
                = matchedCount(symbol, s.linesum[static_cast<std::size_t>(index(symbol))][line]);
            if (count == 0 || (count == 2 && s.winlength[line] > 2)) {
                continue;
            }
            const long long pay = static_cast<long long>(s.betperline)
                * tables::linePay[static_cast<std::size_t>(index(symbol))]
                                 [static_cast<std::size_t>(count)];
            // A pay is worked out in 16 bits, five of a kind in 32.
            if (count == 5 || narrow<Short>(pay)) {
                addTo(s.thiswin, pay);
            }
            s.winline[line] = static_cast<Short>(l);
            s.winlength[line] = static_cast<Short>(count);
        }
    }

    if (s.thiswin > 0) {
        s.rollstep = 1;
    }

    if (s.freespinsdone > 0 || s.freespinsdone == s.freespins - 1) {
        freespinbusiness(s, rng);
        assignIf(s.thiswin, checkedMul(s.thiswin, s.multiplier));
    }

    const auto stake = narrow<Short>(stakeOf(s));
    addTo(p.total, s.thiswin);
    if (stake) {
        addTo(p.wager, *stake);
    }
    addTo(p.games, 1);
    if (stake) {
        addTo(p.bank, -*stake);
    }
}

Verdict paybackCheck(MainState &s, PlayerState &p, Rng &rng)
{
    // A player far ahead (over 2000 %) never gets a feature by chance; the division is
    // made in floating point from the statistics just updated.
    const bool farAhead = p.wager != 0 && static_cast<double>(p.total) / p.wager * 100.0 > 2000.0;
    bool keptByChance = false;
    if (!(farAhead && s.scatters > 2)) {
        keptByChance = rng.draw(4) == 1;
    }
    if (keptByChance) {
        return Verdict::Stands;
    }
    if (s.held2 > 0 || s.held3 > 0 || s.held4 > 0) {
        return Verdict::Stands;
    }
    const long long stake = stakeOf(s);
    if (s.thiswin > 2 * stake || s.scatters > 2) {
        if (narrow<Short>(stake)) {
            addTo(p.wager, -stake);
            addTo(p.bank, stake);
        }
        addTo(p.total, -static_cast<long long>(s.thiswin));
        addTo(p.games, -1);
        s.thiswin = 0;
        s.scatters = 0;
        s.multiplier = 1;
        s.wildhold2 = 0;
        s.wildhold3 = 0;
        s.wildhold4 = 0;
        return Verdict::Discarded;
    }
    return Verdict::Stands;
}

} // namespace slot
