// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up's side of the presentation: the command line, the screen looked at before the
// application exists, the mode switch or the scale factor, and the cabinet put on the stage.
#pragma once

#include "display/presentation_choice.hpp"

#include <QByteArray>
#include <optional>

class QMainWindow;

namespace slot
{

struct Services;

// --help, --version and a refused option end the program at once: the exit status, or
// nothing when the game is to start.
std::optional<int> answerCommandLine(const present::CommandLine &cmd);
present::CommandLine readCommandLine(int argc, char **argv);

// The cabinet drawn larger: its window fills the screen and the cabinet sits in the middle,
// on black. Its other windows open at the cabinet's corner, inside these margins.
void centreOnBlack(QMainWindow &window);

class StartPresentation
{
public:
    // Before the QApplication exists: Qt's scale factor can only be given before it starts,
    // and what it should be depends on the screen, so a short-lived application looks at
    // the screen first. The mode switch is tried then, after the font check's own reading.
    StartPresentation(int argc, char **argv, const present::CommandLine &cmd);

    // Right after the QApplication is made: the variables that carried the factor to Qt are
    // put back, so programs the game starts (the browser) are not drawn larger too.
    void applicationMade();

    // The cabinet full screen and centred on black when it is drawn larger; the options
    // window's screen sizes then change nothing and its note says why.
    void stage(QMainWindow &window, Services &services) const;

    const present::Presentation &chosen() const { return presentation; }

private:
    present::CommandLine command;
    present::Presentation presentation;
    present::ModeSwitch outcome = present::ModeSwitch::notAsked;
    present::Size screen;
    std::optional<QByteArray> userScaleFactor;
    std::optional<QByteArray> userPlatform;
};

} // namespace slot
