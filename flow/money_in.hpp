// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Money put in: a coin, a Quick Credit and its limit.
#pragma once

#include "flow/game_state.hpp"

namespace slot
{

inline constexpr Money kQuickCredit = 5000;
inline constexpr Money kQuickCreditLimit = 50000;
inline constexpr Money kCoin = 20;

// Money put in goes into the credit and the amount invested together or not at all, so the two
// never tell different stories at the top of their range.
inline bool putIn(PlayerState &player, Money amount)
{
    const auto bank = checkedAdd(player.bank, amount);
    const auto invested = checkedAdd(player.amountinvested, amount);
    if (!bank || !invested) {
        return false;
    }
    player.bank = *bank;
    player.amountinvested = *invested;
    return true;
}

} // namespace slot
