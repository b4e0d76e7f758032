// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The counters are 32 bits in the stored record, so instead of widening them the game refuses
// what could overflow them: a paid game before it starts, a retrigger before it is added.
// The largest wins are the exact ones the par report counts over every window and hold state
// (the core tests check this table against it), so the refusal comes as late as it can.
#include "rules/money_room.hpp"

#include <algorithm>
#include <array>
#include <limits>

namespace slot
{

namespace
{
constexpr long long kTop = std::numeric_limits<Money>::max();

// The largest award: five scatters give thirty free games after the triggering one.
constexpr long long kMostFreeGamesPerTrigger = 30;

struct LinesRow {
    int lines;
    LargestWins wins;
};

constexpr std::array<LinesRow, 5> kLargest { {
    { 1, { 1501, 305, 15010 } },
    { 5, { 1575, 335, 15750 } },
    { 10, { 1625, 550, 16250 } },
    { 20, { 1870, 600, 18700 } },
    { 25, { 2430, 825, 24300 } },
} };

long long room(Money counter, long long reach)
{
    return kTop - static_cast<long long>(counter) - reach;
}
} // namespace

LargestWins largestWinsPerCredit(int lines)
{
    // Lines outside the buttons' steps never occur; the next step up bounds them all the same.
    for (const LinesRow &row : kLargest) {
        if (lines <= row.lines) {
            return row.wins;
        }
    }
    return kLargest.back().wins;
}

long long largestReach(const MainState &s)
{
    const LargestWins w = largestWinsPerCredit(s.linesplayed);
    const long long perCredit = std::max(w.paid, w.trigger + kMostFreeGamesPerTrigger * w.free);
    return std::max<long long>(s.betperline, 0) * perCredit;
}

PlayRoom playRoom(const MainState &s, const PlayerState &p)
{
    const long long reach = largestReach(s);
    // A payback check's replacement game charges the stake again only after giving it back,
    // and the feature gives every stake back but one: one stake and one game is all they add.
    if (room(p.total, reach) < 0 || room(p.wager, stakeOf(s)) < 0 || room(p.games, 1) < 0) {
        return PlayRoom::StatisticsFull;
    }
    if (room(p.bank, reach) < 0) {
        return PlayRoom::CreditFull;
    }
    return PlayRoom::Fits;
}

bool awardFits(const MainState &s, const PlayerState &p, int award)
{
    const long long remaining = static_cast<long long>(s.freespins) + award - s.freespinsdone - 1;
    const long long reach = remaining * std::max<long long>(s.betperline, 0)
        * largestWinsPerCredit(s.linesplayed).free;
    // This game's stake is given back and its win joins the meter, which the collect pays
    // into the credit; Total Won already counts the win.
    const long long meter = static_cast<long long>(s.winmeter) + s.thiswin;
    const long long credit = std::max<long long>(p.bank, 0) + stakeOf(s) + meter;
    return credit + reach <= kTop && p.total + reach <= kTop;
}

} // namespace slot
