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
    void sleep(int ms) override;
    void processEvents() override;

private:
    std::optional<std::chrono::steady_clock::time_point> deadline;
};

} // namespace slot
