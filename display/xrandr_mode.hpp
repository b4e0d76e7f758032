// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole-screen mode changes through XRandR, shared by the game and its restore watcher.
// The header stays free of Xlib, whose macros (None, Bool, Status) collide with Qt's names.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace slot::xmode {

// Everything needed to put the screen back exactly as it was: the main monitor's CRTC with its
// mode, place, rotation and outputs, and the size of the whole screen.
struct ScreenMode {
    unsigned long crtc = 0;
    unsigned long mode = 0;
    int x = 0;
    int y = 0;
    int rotation = 1;
    std::vector<unsigned long> outputs;
    int width = 0;
    int height = 0;
    int widthMm = 0;
    int heightMm = 0;
};

// The mode in force on `display` (nullptr: $DISPLAY), or nothing without X or XRandR 1.2.
std::optional<ScreenMode> current(const char *display);
// Whether the main monitor offers a mode of exactly this size.
bool offers(const char *display, int width, int height);
// Switches the main monitor to a mode of this size and fits the screen around it.
bool switchTo(const char *display, int width, int height);
// Puts back a mode recorded by current().
bool restore(const char *display, const ScreenMode &mode);

// The command-line form that hands a recorded mode to the watcher, and back.
std::vector<std::string> toArgs(const ScreenMode &mode);
std::optional<ScreenMode> fromArgs(const std::vector<std::string> &args);

} // namespace slot::xmode
