// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up without any display: one line that says what to do, instead of Qt's abort.
#pragma once

namespace slot
{

// False, after telling the player on stderr how to run the game, when there is no display
// to open: neither DISPLAY nor WAYLAND_DISPLAY is set and no platform was chosen by hand
// (QT_QPA_PLATFORM, or -platform on the command line), which Qt is left to judge.
bool displayAvailable(int argc, char **argv);

} // namespace slot
