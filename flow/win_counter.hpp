// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The win counter's arithmetic: the display climbs to the win in steps that grow with it.
#pragma once

#include "flow/game_state.hpp"

namespace slot
{

// The step after showing amount, from the normal table or the feature's gentler one.
Short rollStepFor(Money shown, bool feature);

struct CounterTick {
    bool finished = false;
    Money winShown = 0; // for the win display
    Money currentWin = -1; // for the free game's own win label; -1 leaves it
};

// One tick of the counter on the state; the caller shows what it returns.
CounterTick winCounterStep(MainState &s, Short winroll);

} // namespace slot
