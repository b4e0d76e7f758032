// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The user's own folders, as the XDG base directory rules name them.
#pragma once

#include <string>

namespace slot
{

// The folder that `variable` (XDG_CONFIG_HOME, XDG_STATE_HOME) names when it holds an absolute
// path; unset, empty or relative, the rules say to ignore it and use `underHome` below the home
// folder ($HOME, or the account's home when HOME is not absolute). Empty when no home is known.
std::string userFolder(const char *variable, const char *underHome);

} // namespace slot
