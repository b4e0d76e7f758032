// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Which arguments the game accepts: its own options, and the toolkit's, which Qt takes out of
// the command line itself. Anything else is a mistake the player should hear about.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace slot::present
{

// The one line that refuses the first argument that is neither the game's nor the toolkit's,
// naming the options there are; nothing when every argument is known. `args` excludes the
// program name.
std::optional<std::string> unknownArgument(const std::vector<std::string> &args);

} // namespace slot::present
