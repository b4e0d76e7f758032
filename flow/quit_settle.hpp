// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What leaving the game owes the player: money already won but not yet in the credit.
#pragma once

#include "flow/game_state.hpp"
#include "rules/headless_game.hpp"
#include "rules/rng.hpp"

namespace slot
{

// Gives an open gamble's stake back as TAKE WIN would, plays the free games a running
// feature still owes through the same rules and random source (without their pictures),
// and pays the win meter into the credit as the collect would. Runs once, just before the
// record is saved.
void settleBeforeQuit(MainState &s, PlayerState &p, bool gambleOpen, Rng &rng,
                      const GameWatch *watch = nullptr);

} // namespace slot
