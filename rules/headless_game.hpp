// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Complete games with no window: the same steps the cabinet takes, minus the pictures.
#pragma once

#include "flow/game_state.hpp"
#include "rules/game_result.hpp"
#include "rules/play.hpp"
#include "rules/rng.hpp"

#include <functional>

namespace slot
{

// Hears of each game played without its window: when its result stands (before the money
// moves and before the hold markers clear) and when its money has settled.
struct GameWatch {
    std::function<void(const MainState &, const PlayerState &)> stands;
    std::function<void(const MainState &, const PlayerState &)> settled;
};

struct GameReport {
    PlayStart start = PlayStart::PaidGame;
    Settlement settlement = Settlement::PaidNoWin;
    ResultPlan plan;
    int discards = 0; // results the payback check replaced
    bool heldGame = false; // a reel held its wild in the game that stood
};

// The Play command of bet button index (1..6) on the given state, with every replacement game.
GameReport playGame(
    MainState &s, PlayerState &p, Rng &rng, int index, const GameWatch *watch = nullptr);

// Plays a running feature's remaining games, as its timer would; returns how many.
int playFeatureToEnd(MainState &s, PlayerState &p, Rng &rng, const GameWatch *watch = nullptr);

class HeadlessGame
{
public:
    explicit HeadlessGame(Rng &source)
        : rng(source)
    {
    }

    GameReport play(int index) { return playGame(s, p, rng, index); }
    int playFeatureToEnd() { return slot::playFeatureToEnd(s, p, rng); }
    // The collect of a completed feature.
    void collect();
    bool featureRunning() const { return s.freespins > 0 && s.freespinsdone < s.freespins; }
    bool featureComplete() const { return s.freespins > 0 && s.freespinsdone >= s.freespins; }

    MainState s;
    PlayerState p;

private:
    Rng &rng;
};

} // namespace slot
