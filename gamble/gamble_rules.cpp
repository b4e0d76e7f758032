// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The double-up keeps no deck: every draw is an independent card from four suits.
#include "gamble/gamble_rules.hpp"

#include <limits>

namespace slot
{

bool betWins(GambleBet bet, int card)
{
    switch (bet) {
    case GambleBet::Red:
        return isRed(card);
    case GambleBet::Black:
        return card == kClubs || card == kSpades;
    default:
        return card == static_cast<int>(bet) - static_cast<int>(GambleBet::Hearts) + 1;
    }
}

int betFactor(GambleBet bet)
{
    return isSuitBet(bet) ? 4 : 2;
}

int winSoundOf(GambleBet bet)
{
    switch (bet) {
    case GambleBet::Red:
        return 108;
    case GambleBet::Black:
        return 103;
    case GambleBet::Hearts:
        return 112;
    case GambleBet::Clubs:
    case GambleBet::Diamonds:
        return 111;
    case GambleBet::Spades:
        return 107;
    }
    return 0;
}

void openGamble(MainState &s, PlayerState &p)
{
    s.atrisk = s.thiswin;
    if (s.lastcollect > 0) {
        s.atrisk = s.lastcollect;
    }
    s.lastcollect = 0;
    s.gamblestake = s.atrisk;
    addTo(p.bank, -static_cast<long long>(s.atrisk));
}

bool betAllowed(const MainState &s, const PlayerState &p, GambleBet bet)
{
    const long long won = static_cast<long long>(betFactor(bet)) * s.atrisk;
    // TAKE WIN pays the win into the credit and counts it in Total Won in place of the stake.
    const long long bankAfter = static_cast<long long>(p.bank) + won;
    const long long totalAfter = static_cast<long long>(p.total) + won - s.gamblestake;
    return bankAfter <= std::numeric_limits<Money>::max()
        && totalAfter <= std::numeric_limits<Money>::max();
}

int drawGambleCard(MainState &s, Rng &rng)
{
    addTo(s.historycount, 1);
    const int card = rng.draw(4);
    if (s.historycount > 10) {
        s.historycount = 6;
    }
    return card;
}

void winDraw(MainState &s, GambleBet bet)
{
    assignIf(s.atrisk, checkedMul(s.atrisk, betFactor(bet)));
}

void takeGambleWin(MainState &s, PlayerState &p)
{
    addTo(p.bank, s.atrisk);
    // One statement, so a statistic near its limit is either corrected in full or left alone.
    setTo(p.total,
        static_cast<long long>(p.total) + s.atrisk - static_cast<long long>(s.gamblestake));
}

void loseGamble(MainState &s, PlayerState &p)
{
    addTo(p.total, -static_cast<long long>(s.gamblestake));
}

HistoryStrip historyStrip(Short historycount)
{
    HistoryStrip h;
    for (int place = 1; place <= 5; ++place) {
        h.cellAtPlace[static_cast<std::size_t>(place)] = place;
    }
    if (historycount >= 1 && historycount <= 5) {
        h.newCell = historycount;
    } else if (historycount >= 6 && historycount <= 10) {
        // The oldest card's cell moves to the right end; the rest shift one place left.
        const int n = historycount - 5;
        for (int place = 1; place <= 5; ++place) {
            h.cellAtPlace[static_cast<std::size_t>(place)] = (n + place - 1) % 5 + 1;
        }
        h.newCell = n;
    }
    return h;
}

} // namespace slot
