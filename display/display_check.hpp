// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up without a usable display: one line that says what to do, instead of Qt's abort.
#pragma once

#include <QtGlobal>

namespace slot
{

// False, after telling the player on stderr how to run the game, when there is no display
// to open: neither DISPLAY nor WAYLAND_DISPLAY is set and no platform was chosen by hand
// (QT_QPA_PLATFORM, or -platform or -display on the command line), which Qt is left to judge.
bool displayAvailable(int argc, char **argv);

// While one exists, a display the toolkit cannot open (DISPLAY naming no server, -platform
// naming no plugin) ends the program with one line on stderr and status 1, where Qt would
// abort. Qt's warnings on the way there are held back; once the display opened, release()
// passes on whatever was held. A display named by -display becomes DISPLAY for the rest of the
// program.
class DisplayOpening
{
public:
    DisplayOpening(int argc, char **argv);
    ~DisplayOpening();
    DisplayOpening(const DisplayOpening &) = delete;
    DisplayOpening &operator=(const DisplayOpening &) = delete;
    void release();

private:
    QtMessageHandler previous = nullptr;
    bool active = false;
};

} // namespace slot
