// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Leaving must never cost a player a win that is already decided, nor free games already won.
#include "flow/quit_settle.hpp"

#include "gamble/gamble_rules.hpp"
#include "rules/game_result.hpp"
#include "rules/headless_game.hpp"

namespace slot
{

void settleBeforeQuit(MainState &s, PlayerState &p, bool gambleOpen, Rng &rng,
                      const GameWatch *watch)
{
    if (gambleOpen) {
        takeGambleWin(s, p);
        s.atrisk = 0;
    }
    if (s.freespins < 1) {
        return;
    }
    playFeatureToEnd(s, p, rng, watch);
    collectWinmeter(s, p);
}

} // namespace slot
