// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's variables, named as the rules name them; every part reads and writes them directly.
#pragma once

#include "flow/checked.hpp"
#include "rules/game_tables.hpp"

#include <array>
#include <string>

namespace slot
{

template <typename T, std::size_t N> using Arr = std::array<T, N>;

// The current player's record: lives for the whole run and is stored per player.
struct PlayerState {
    Money bank = 0;
    Money games = 0;
    Money wager = 0;
    Money total = 0;
    Money amountinvested = 0;
    Short winroll = 0;
    Short reelspeed = 0;
    std::string playerslot;
    std::string currentplayer;
};

// The main window's variables: start at 0 with the window and are never stored.
struct MainState {
    // Lines, bet and the game's win.
    Short linesplayed = 0;
    Short betperline = 0;
    Money thiswin = 0;
    Money winmeter = 0;
    Short freespins = 0;
    Short freespinsdone = 0;
    Short multiplier = 0;
    Money rollcount = 0;
    Short rollstep = 0;
    Short keyguard = 0;
    Money lastcollect = 0;
    Money atrisk = 0;
    Money gamblestake = 0; // atrisk as the gamble opened: what TAKE WIN's result replaces in total
    Short historycount = 0;

    // Reel outcome.
    Short reelstop1 = 0, reelstop2 = 0, reelstop3 = 0, reelstop4 = 0, reelstop5 = 0;
    Money reeltop1 = 0, reeltop2 = 0, reeltop3 = 0, reeltop4 = 0, reeltop5 = 0; // twips
    Arr<Arr<Short, kLines + 1>, kOrdinarySymbols + 1> linesum {};
    Arr<Short, kLines + 1> wildline {};
    Short scatters = 0;
    Arr<Short, 6> scattercell {};
    Arr<Short, 6> wildcell {};
    Short wildhold2 = 0, wildhold3 = 0, wildhold4 = 0;
    Short held2 = 0, held3 = 0, held4 = 0;

    // The per-reel variables by reel number, for the loops that treat the reels alike.
    Short &reelstopOf(int reel);
    Money &reeltopOf(int reel);
    Short *wildholdOf(int reel); // nullptr for reels 1 and 5, which never hold
    Short *heldOf(int reel);
    Money reeltopOf(int reel) const { return const_cast<MainState *>(this)->reeltopOf(reel); }
    bool isHeld(int reel) const
    {
        const Short *h = const_cast<MainState *>(this)->heldOf(reel);
        return h && *h > 0;
    }

    // Evaluation.
    Arr<Short, kLines + 1> winline {};
    Arr<Short, kLines + 1> winlength {};

    // Presentation counters shared with the window.
    Short lineindex = 0;
    Short blink = 0;
    Short linetick = 0;
    Short scatterframe = 0;
    Short scattertick = 0;
    Short wildswingframe = 0;
    Short wildswingtick = 0;
    Short wildframe = 0;
    Short overlayframe = 0;
    Short overlaytop = 0;
};

inline Short &MainState::reelstopOf(int reel)
{
    Short *const stops[]
        = { &reelstop1, &reelstop1, &reelstop2, &reelstop3, &reelstop4, &reelstop5 };
    return *stops[reel >= 1 && reel <= 5 ? reel : 0];
}

inline Money &MainState::reeltopOf(int reel)
{
    Money *const tops[] = { &reeltop1, &reeltop1, &reeltop2, &reeltop3, &reeltop4, &reeltop5 };
    return *tops[reel >= 1 && reel <= 5 ? reel : 0];
}

inline Short *MainState::wildholdOf(int reel)
{
    switch (reel) {
    case 2:
        return &wildhold2;
    case 3:
        return &wildhold3;
    case 4:
        return &wildhold4;
    default:
        return nullptr;
    }
}

inline Short *MainState::heldOf(int reel)
{
    switch (reel) {
    case 2:
        return &held2;
    case 3:
        return &held3;
    case 4:
        return &held4;
    default:
        return nullptr;
    }
}

// The stake of a game: bet per line times lines played (at most 500).
constexpr long long stakeOf(const MainState &s)
{
    return static_cast<long long>(s.betperline) * s.linesplayed;
}

} // namespace slot
