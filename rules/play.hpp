// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The money side of the Play command: the bet choice, the credit check and the clears.
#pragma once

#include "flow/game_state.hpp"

namespace slot
{

enum class PlayStart {
    FreeGame, // a feature is running or waiting: no bet change, no credit check
    PaidGame,
    NotEnoughCredit,
    CreditFull, // a win of this game could not fit in the credit (see playRoom)
    StatisticsFull, // nor in Total Won or the other statistics
};

// Steps 1 to 5 of the Play command for bet button index (1..6).
PlayStart startPlay(MainState &s, const PlayerState &p, int index);

// Cleared before every game, paid or free.
void clearBeforeSpin(MainState &s);

} // namespace slot
