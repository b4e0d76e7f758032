// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Money is formatted from the integer credits, so no binary fraction can show as 12.4999.
#include "flow/money_display.hpp"

namespace slot
{

std::string plainCredits(long long amount)
{
    return std::to_string(amount);
}

std::string dollars(long long amount, char decimalSeparator)
{
    const bool negative = amount < 0;
    const unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(amount)
                                                  : static_cast<unsigned long long>(amount);
    std::string text = "$ ";
    if (negative) {
        text += '-';
    }
    text += std::to_string(magnitude / 100);
    const auto cents = static_cast<unsigned>(magnitude % 100);
    if (cents != 0) {
        text += decimalSeparator;
        text += static_cast<char>('0' + cents / 10);
        if (cents % 10 != 0) {
            text += static_cast<char>('0' + cents % 10);
        }
    }
    return text;
}

} // namespace slot
