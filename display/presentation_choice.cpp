// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The presentation's choices and the command line that asks for them.
#include "display/presentation_choice.hpp"

#include <algorithm>

namespace slot::present
{

namespace
{

std::optional<int> scaleValue(const std::string &value)
{
    if (value == "auto") {
        return 0;
    }
    if (value.size() == 1 && value[0] >= '1' && value[0] <= '0' + kLargestFactor) {
        return value[0] - '0';
    }
    return std::nullopt;
}

CommandLine refusal(std::string line)
{
    CommandLine cmd;
    cmd.action = CommandLine::Action::refuse;
    cmd.error = std::move(line);
    return cmd;
}

const char *reason(ModeSwitch outcome)
{
    switch (outcome) {
    case ModeSwitch::switched:
        return "mode switched to 800 x 600";
    case ModeSwitch::notAsked:
        return "mode not switched (--scale given)";
    case ModeSwitch::fontCheck:
        return "mode not switched (the screen is not at 96 DPI)";
    case ModeSwitch::notX11:
        return "mode not switched (only X11 can switch it)";
    case ModeSwitch::noMode:
        return "mode not switched (the monitor offers no 800 x 600)";
    case ModeSwitch::noWatcher:
        return "mode not switched (tarnix-modewatch is missing)";
    case ModeSwitch::refused:
        return "mode not switched (the display refused 800 x 600)";
    }
    return "";
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string> &args)
{
    CommandLine cmd;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        if (a == "--help" || a == "-h") {
            cmd.action = CommandLine::Action::help;
        } else if (a == "--version") {
            if (cmd.action != CommandLine::Action::help) {
                cmd.action = CommandLine::Action::version;
            }
        } else if (a == "--verbose") {
            cmd.verbose = true;
        } else if (a == "--scale" || a.starts_with("--scale=")) {
            const bool joined = a.size() > 7;
            if (!joined && i + 1 >= args.size()) {
                return refusal("slots_tarnix: --scale needs a value: auto, 1, 2, 3 or 4");
            }
            const std::string value = joined ? a.substr(8) : args[++i];
            const auto factor = scaleValue(value);
            if (!factor) {
                return refusal(
                    "slots_tarnix: --scale takes auto, 1, 2, 3 or 4, not \"" + value + "\"");
            }
            cmd.scale = factor;
        }
    }
    return cmd;
}

std::string usageText()
{
    return "Usage: slots_tarnix [--scale auto|1|2|3|4] [--verbose] [--help] [--version]\n"
           "\n"
           "  --scale auto|1|2|3|4  draw the cabinet this many times larger, full screen and\n"
           "                        centred, and leave the screen mode alone; auto takes the\n"
           "                        largest factor that fits, 1 the plain window at the top\n"
           "                        left. Without it the game switches an X11 screen to\n"
           "                        800 x 600 and draws the cabinet larger where it cannot.\n"
           "                        A factor too large for the screen is not used: the game\n"
           "                        says so on standard error and draws the largest that fits.\n"
           "  --verbose             print how the cabinet is shown: platform, screen size,\n"
           "                        mode switched or not, factor\n"
           "  --help                print this and end\n"
           "  --version             print the version and end\n";
}

int largestFactor(Size screen, Size cabinet)
{
    if (cabinet.width <= 0 || cabinet.height <= 0) {
        return 1;
    }
    const int across = screen.width / cabinet.width;
    const int down = screen.height / cabinet.height;
    return std::clamp(std::min(across, down), 1, kLargestFactor);
}

bool shouldTrySwitch(const CommandLine &cmd, bool fontCheckPasses)
{
    return !cmd.scale && fontCheckPasses;
}

Presentation choose(const CommandLine &cmd, ModeSwitch outcome, Size screen)
{
    if (cmd.scale && *cmd.scale > 0) {
        const bool measured = screen.width > 0 && screen.height > 0;
        const int fits = largestFactor(screen);
        if (measured && *cmd.scale > fits) {
            return { fits, *cmd.scale };
        }
        return { *cmd.scale };
    }
    // The font check's warning is shown as the cabinet would be, at its own size.
    if (outcome == ModeSwitch::switched || outcome == ModeSwitch::fontCheck) {
        return { 1 };
    }
    return { largestFactor(screen) };
}

std::string fallbackNotice(Size screen, const Presentation &chosen)
{
    if (chosen.refusedScale == 0) {
        return {};
    }
    return "slots_tarnix: --scale " + std::to_string(chosen.refusedScale) + " does not fit this "
        + std::to_string(screen.width) + " x " + std::to_string(screen.height)
        + " screen; drawn at " + std::to_string(chosen.factor) + "x";
}

std::string describe(
    const std::string &platform, Size screen, ModeSwitch outcome, const Presentation &chosen)
{
    return "slots_tarnix: platform " + platform + ", screen " + std::to_string(screen.width) + " x "
        + std::to_string(screen.height) + ", " + reason(outcome) + ", factor "
        + std::to_string(chosen.factor)
        + (chosen.fullScreen() ? ", full screen" : ", window at the top left");
}

Margins centred(Size logical, Size cabinet)
{
    const int spareX = std::max(0, logical.width - cabinet.width);
    const int spareY = std::max(0, logical.height - cabinet.height);
    return { spareX / 2, spareY / 2, spareX - spareX / 2, spareY - spareY / 2 };
}

} // namespace slot::present
