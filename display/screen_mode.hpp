// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// MODchangeRes: the whole screen at 800 x 600 (or 640 x 480) while the game runs, and back.
#pragma once

#include "display/presentation_choice.hpp"

namespace slot::MODchangeRes {

// Switches the main monitor to a mode of this size when the game runs on X11 and the monitor
// offers one; otherwise the game goes on in the mode it has. The mode in force before the first
// change is recorded, and a watcher process is started that restores it if the game ends
// without calling RestoreRes (a crash, kill -9). Says whether the mode took, and if not why.
present::ModeSwitch ChangeRes(float width, float height);

// Puts back the mode recorded before the first ChangeRes; does nothing when none was changed.
void RestoreRes();

} // namespace slot::MODchangeRes
