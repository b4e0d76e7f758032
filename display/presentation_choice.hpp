// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How the cabinet is put on the screen: its own mode of 800 x 600, or drawn larger on the
// screen as it is. Plain C++ so every choice can be checked without a display.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace slot::present
{

struct Size {
    int width = 0;
    int height = 0;
};

// The cabinet at 1x: its 639 x 442 client area and the menu bar above it. The bar's height
// depends on the desktop's font; 30 pixels is more than any we have met, so a factor that
// fits with it fits with the real bar.
inline constexpr Size kCabinet { 639, 442 + 30 };

// Pictures cost memory with the square of the factor; beyond 4 the cabinet stays at 4.
inline constexpr int kLargestFactor = 4;

// What the player asked for on the command line.
struct CommandLine {
    enum class Action { run, help, version, refuse };
    Action action = Action::run;
    // Empty: the mode switch where it works, else the largest factor. 0: the largest factor.
    // 1 to 4: that factor. Any `--scale` leaves the screen mode alone.
    std::optional<int> scale;
    bool verbose = false;
    std::string error; // the one line printed when the action is refuse
};

// Reads the game's own options; everything else (Qt's -platform, -display, ...) is left for
// the toolkit. `args` excludes the program name.
CommandLine parseCommandLine(const std::vector<std::string> &args);
std::string usageText();

// The largest whole factor at which the cabinet fits the screen: at least 1, so a screen
// smaller than the cabinet keeps it as it is.
int largestFactor(Size screen, Size cabinet = kCabinet);

// What became of the attempt to put the screen in the cabinet's own mode.
enum class ModeSwitch {
    switched,
    notAsked, // `--scale` on the command line
    fontCheck, // the screen fails the font check, which must see it untouched
    notX11,
    noMode, // the monitor offers no mode of that size
    noWatcher, // no tarnix-modewatch beside the game to undo a crash's switch
    refused, // the display did not take the mode
};

// Whether start-up should try the mode switch at all.
bool shouldTrySwitch(const CommandLine &cmd, bool fontCheckPasses);

struct Presentation {
    int factor = 1;
    // A `--scale` factor the screen could not hold, which `factor` replaced; 0 otherwise.
    int refusedScale = 0;
    // The cabinet fills the screen, centred on black: only when it is drawn larger.
    bool fullScreen() const { return factor > 1; }
};

// A `--scale` factor is used only where the cabinet fits the screen at it; a larger one falls
// back to the largest that fits (off the screen, the bet and coin buttons could not be
// pressed). A screen of unknown size keeps the factor asked for.
Presentation choose(const CommandLine &cmd, ModeSwitch outcome, Size screen);

// The one line for standard error when a `--scale` factor did not fit; empty when it did.
std::string fallbackNotice(Size screen, const Presentation &chosen);

// The player's copy of the choice for --verbose and bug reports, one line.
std::string describe(
    const std::string &platform, Size screen, ModeSwitch outcome, const Presentation &chosen);

// The space around the scaled cabinet on a screen of `logical` size (the screen divided by
// the factor): the cabinet sits in the middle; a screen too small for it gets none.
struct Margins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
Margins centred(Size logical, Size cabinet);

} // namespace slot::present
