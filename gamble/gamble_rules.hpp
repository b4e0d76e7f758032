// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The double-up's money and chance: the stake, the card, the history strip and TAKE WIN.
#pragma once

#include "flow/game_state.hpp"
#include "rules/rng.hpp"

#include <array>

namespace slot
{

// Suits as the card pictures number them; hearts and diamonds are red.
inline constexpr int kHearts = 1, kClubs = 2, kDiamonds = 3, kSpades = 4;

enum class GambleBet { Red, Black, Hearts, Clubs, Diamonds, Spades };

// The bet of suitbet(i), i from 1 (hearts) to 4 (spades).
constexpr GambleBet suitBet(int suit)
{
    return static_cast<GambleBet>(static_cast<int>(GambleBet::Hearts) + suit - 1);
}

constexpr bool isSuitBet(GambleBet bet)
{
    return bet != GambleBet::Red && bet != GambleBet::Black;
}

constexpr bool isRed(int card)
{
    return card == kHearts || card == kDiamonds;
}

bool betWins(GambleBet bet, int card);
int betFactor(GambleBet bet); // 2 on a colour, 4 on a suit
int winSoundOf(GambleBet bet);

// Opens the gamble: the stake is the collect when there was one, else the last game's win,
// and it leaves the credit, which already holds it.
void openGamble(MainState &s, PlayerState &p);

// A draw is refused when its win could not be paid out, or counted in Total Won, within 32 bits.
bool betAllowed(const MainState &s, const PlayerState &p, GambleBet bet);

// Advances the history counter and draws a card, each suit at 1/4.
int drawGambleCard(MainState &s, Rng &rng);

// A won draw multiplies the stake.
void winDraw(MainState &s, GambleBet bet);

// A lost draw: the credit already gave the stake up on opening, but the statistic still
// counts it as won; the gamble's result, nothing, replaces it there as TAKE WIN's would.
void loseGamble(MainState &s, PlayerState &p);

// TAKE WIN: the stake at risk into the credit, and the statistic counts the gamble's result
// in place of the amount that was staked.
void takeGambleWin(MainState &s, PlayerState &p);

// Where the history cells stand after a card is recorded at historycount (1..10).
struct HistoryStrip {
    std::array<int, 6> cellAtPlace {}; // [1]..[5], left to right
    int newCell = 0; // the cell that shows the new card, at the right end once the strip is full
};
HistoryStrip historyStrip(Short historycount);

// The left of history place 1..5 inside the panel, in twips.
constexpr int historyPlaceLeft(int place)
{
    return 360 + 600 * (place - 1);
}

} // namespace slot
