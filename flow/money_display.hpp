// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The two ways an amount is shown: plain credits and "$ " dollars.
#pragma once

#include "flow/checked.hpp"

#include <string>

namespace slot
{

// Decimal digits with a leading minus when negative, no separators.
std::string plainCredits(long long amount);

// "$ " and the amount / 100 in its shortest form: 1250 -> "$ 12.5", 1200 -> "$ 12".
// The separator is the user's locale's; the core has no locale of its own.
std::string dollars(long long amount, char decimalSeparator = '.');

} // namespace slot
