// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// tarnix-modewatch: puts the screen mode back if the game ends without doing it itself.
// The game starts it before its first mode change with the mode to restore on the command line
// and one end of a socket as standard input. When the game restores the mode it sends 'R';
// when the game ends any other way (a crash, kill -9) the socket reaches end of file and the
// watcher restores the mode.
#include "display/xrandr_mode.hpp"

#include <cerrno>
#include <csignal>
#include <unistd.h>

int main(int argc, char **argv)
{
    // Out of the game's process group and session: a Ctrl+C or a closing terminal that ends
    // the game must leave the watcher alive to clean up after it.
    setsid();
    // Nothing of the game's but the socket: an inherited X or sound connection would outlive it.
    close_range(3, ~0U, 0);
    std::signal(SIGINT, SIG_IGN);
    std::signal(SIGHUP, SIG_IGN);
    std::signal(SIGQUIT, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    if (argc < 3) {
        return 2;
    }
    const auto mode = slot::xmode::fromArgs(std::vector<std::string>(argv + 2, argv + argc));
    if (!mode) {
        return 2;
    }
    char byte = 0;
    for (;;) {
        const ssize_t got = read(STDIN_FILENO, &byte, 1);
        if (got == 1 && byte == 'R') {
            return 0; // the game put the mode back itself
        }
        if (got == 0 || (got < 0 && errno != EINTR)) {
            break;
        }
    }
    return slot::xmode::restore(argv[1], *mode) ? 0 : 1;
}
