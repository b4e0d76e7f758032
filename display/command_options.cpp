// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The toolkit's options are the ones Qt 6 reads in QGuiApplication, QApplication and the X11
// platform plugin. Qt reads each with one dash or two, and its values always as the next
// argument, except -style=, -stylesheet= and -qmljsdebugger=.
#include "display/command_options.hpp"

#include <algorithm>
#include <array>
#include <string_view>

namespace slot::present
{

namespace
{
constexpr std::array<std::string_view, 17> kToolkitWithValue { "-platform", "-platformpluginpath",
    "-platformtheme", "-plugin", "-qwindowgeometry", "-geometry", "-qwindowtitle", "-title",
    "-qwindowicon", "-icon", "-session", "-display", "-name", "-visual", "-style", "-stylesheet",
    "-qmljsdebugger" };
constexpr std::array<std::string_view, 6> kToolkitFlags { "-reverse", "-widgetcount",
    "-testability", "-sync", "-nograb", "-dograb" };
constexpr std::array<std::string_view, 3> kToolkitJoined {
    "-style=", "-stylesheet=", "-qmljsdebugger="
};

bool among(std::string_view arg, const auto &names)
{
    return std::find(names.begin(), names.end(), arg) != names.end();
}

bool startsWithAny(std::string_view arg, const auto &prefixes)
{
    return std::any_of(
        prefixes.begin(), prefixes.end(), [arg](std::string_view p) { return arg.starts_with(p); });
}
} // namespace

std::optional<std::string> unknownArgument(const std::vector<std::string> &args)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        if (arg == "--help" || arg == "-h" || arg == "--version" || arg == "--verbose"
            || arg.starts_with("--scale=")) {
            continue;
        }
        if (arg == "--scale") {
            ++i; // its value is checked with the option itself
            continue;
        }
        if (arg.starts_with("--")) {
            arg.remove_prefix(1);
        }
        if (among(arg, kToolkitWithValue)) {
            ++i;
            continue;
        }
        if (among(arg, kToolkitFlags) || startsWithAny(arg, kToolkitJoined)) {
            continue;
        }
        const bool option = args[i].size() > 1 && args[i][0] == '-';
        return "slots_tarnix: " + std::string(option ? "unknown option" : "unexpected argument")
            + " \"" + args[i]
            + "\"; the options are --scale auto|1|2|3|4, --verbose, --help and --version, and "
              "the toolkit's own such as -platform NAME and -display NAME";
    }
    return std::nullopt;
}

} // namespace slot::present
