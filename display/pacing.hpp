// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every sleep, every "let pending events run" point and every timer interval of the game.
// The game runs at the real milliseconds; tests run the same blocking loops at zero delay.
#pragma once

#include <chrono>
#include <optional>

namespace slot
{

class Pacing
{
public:
    virtual ~Pacing() = default;
    virtual void sleep(int ms) = 0;
    virtual void processEvents() = 0;
    virtual int interval(int ms) { return ms; }
};

class RealPacing final : public Pacing
{
public:
    // `share` percent of the real delays (1 to 100): the crash test's long sessions run faster,
    // with the same frames, choices and outcomes.
    explicit RealPacing(int share = 100);
    void sleep(int ms) override;
    void processEvents() override;
    int interval(int ms) override;

private:
    int scaled(int ms) const;
    int percent;
    std::optional<std::chrono::steady_clock::time_point> deadline;
};

// TARNIX_PACE_PERCENT's value when it is a whole number from 1 to 100, else 100.
int pacePercent(const char *text);

} // namespace slot
