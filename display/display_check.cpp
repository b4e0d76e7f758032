// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Qt aborts with a hint about reinstalling when no platform plugin can connect; a player who
// started the game from a console or over ssh needs to hear that a desktop is missing.
#include "display/display_check.hpp"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace slot
{

namespace
{
bool isSet(const char *name)
{
    const char *value = std::getenv(name);
    return value && *value;
}
} // namespace

bool displayAvailable(int argc, char **argv)
{
    if (isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM")) {
        return true;
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) {
            return true;
        }
    }
    std::fprintf(stderr,
        "slots_tarnix: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set): start it "
        "from a desktop session, or on a virtual screen with: xvfb-run -a slots_tarnix\n");
    return false;
}

} // namespace slot
