// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Blocking on purpose: the animations hold the thread between frames, as on the original cabinet.
#include "display/pacing.hpp"

#include <QCoreApplication>
#include <thread>

namespace slot
{

void RealPacing::sleep(int ms)
{
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
