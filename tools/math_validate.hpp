// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What tarnix-math accepts: each command's options, and the lines and bets the game offers.
// Anything else is refused in one line that names what would do.
#pragma once

#include <map>
#include <optional>
#include <string>

namespace slot
{

bool knownCommand(const std::string &command);
// The one-line reason the command cannot run with these options, or nothing when it can.
std::optional<std::string> optionProblem(
    const std::string &command, const std::map<std::string, std::string> &options);
extern const char *const kCommandList;

} // namespace slot
