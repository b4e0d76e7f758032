// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Blocking on purpose: the animations hold the thread between frames, as on the original cabinet.
#include "display/pacing.hpp"

#include <QCoreApplication>
#include <algorithm>
#include <charconv>
#include <cstring>
#include <thread>

namespace slot
{

RealPacing::RealPacing(int share)
    : percent(share >= 1 && share <= 100 ? share : 100)
{
}

int RealPacing::scaled(int ms) const
{
    // Never 0 for a real delay: a timer at 0 ms would fire on every pass of the event loop.
    return ms <= 0 ? ms : std::max(1, static_cast<int>(static_cast<long long>(ms) * percent / 100));
}

int RealPacing::interval(int ms)
{
    return scaled(ms);
}

int pacePercent(const char *text)
{
    int value = 0;
    const char *end = text ? text + std::strlen(text) : nullptr;
    if (!text || std::from_chars(text, end, value).ptr != end || *text == '\0' || value < 1
        || value > 100) {
        return 100;
    }
    return value;
}

void RealPacing::sleep(int ms)
{
    ms = scaled(ms);
    if (ms <= 0) {
        return;
    }
    // Sleeps that follow each other closely run to deadlines, so the time spent drawing a
    // frame comes out of its sleep rather than adding to the animation's length.
    const auto now = std::chrono::steady_clock::now();
    const bool consecutive = deadline && now - *deadline < std::chrono::milliseconds(40);
    deadline = (consecutive ? *deadline : now) + std::chrono::milliseconds(ms);
    if (*deadline > now) {
        std::this_thread::sleep_until(*deadline);
    }
}

void RealPacing::processEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace slot
