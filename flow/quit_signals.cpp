// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A signal handler may only write to a pipe; the event loop reads it and does the real work.
#include "flow/quit_signals.hpp"

#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace slot
{

namespace
{
int pipeEnds[2] = { -1, -1 };
volatile sig_atomic_t unanswered = 0;

void onSignal(int sig)
{
    // The event loop answers a quit at once. One still unanswered means the game is stuck where
    // it cannot save anyway, so the next quit ends it as the signal does by default.
    if (unanswered != 0) {
        struct sigaction fallback {
        };
        fallback.sa_handler = SIG_DFL;
        sigaction(sig, &fallback, nullptr);
        raise(sig);
        return;
    }
    unanswered = 1;
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(pipeEnds[1], &byte, 1);
}
} // namespace

QuitSignals::QuitSignals(std::function<void()> quit)
    : onQuit(std::move(quit))
{
    if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char buffer[16];
        while (::read(pipeEnds[0], buffer, sizeof buffer) > 0) { }
        unanswered = 0;
        onQuit();
    });
    struct sigaction action {
    };
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : { SIGTERM, SIGINT, SIGHUP }) {
        sigaction(sig, &action, nullptr);
    }
}

QuitSignals::~QuitSignals()
{
    for (int sig : { SIGTERM, SIGINT, SIGHUP }) {
        std::signal(sig, SIG_DFL);
    }
}

} // namespace slot
