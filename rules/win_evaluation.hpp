// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The win check: line and scatter pays, the stake and statistics, and the payback check.
#pragma once

#include "flow/game_state.hpp"
#include "rules/rng.hpp"

namespace slot
{

// Pays, marks the winning lines, applies the free-game multiplier, charges the stake and
// counts the game.
void evaluateWins(MainState &s, PlayerState &p, Rng &rng);

enum class Verdict { Stands, Discarded };

// The payback check. A discarded result has its stake, win and count taken back, and its
// wild is not held; the caller then plays a complete replacement game.
Verdict paybackCheck(MainState &s, PlayerState &p, Rng &rng);

// The matched count (2..5) that a line sum means for a symbol, 0 when it pays nothing.
int matchedCount(Sym symbol, int linesum);

} // namespace slot
