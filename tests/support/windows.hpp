// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Finding windows with given properties, so tests need not hard-code reel positions.
#pragma once

#include "rules/window_eval.hpp"

#include <array>
#include <functional>
#include <optional>

namespace slot::test
{

using Stops = std::array<int, kReels + 1>;

inline std::optional<Stops> findWindow(const std::function<bool(const Stops &)> &wanted)
{
    Stops s {};
    for (s[1] = 1; s[1] <= kStops; ++s[1]) {
        for (s[2] = 1; s[2] <= kStops; ++s[2]) {
            for (s[3] = 1; s[3] <= kStops; ++s[3]) {
                for (s[4] = 1; s[4] <= kStops; ++s[4]) {
                    for (s[5] = 1; s[5] <= kStops; ++s[5]) {
                        if (wanted(s)) {
                            return s;
                        }
                    }
                }
            }
        }
    }
    return std::nullopt;
}

inline bool showsOn(int reel, int stop, Sym sym)
{
    for (int row = 1; row <= 3; ++row) {
        if (symbolAt(reel, stop, row) == sym) {
            return true;
        }
    }
    return false;
}

// A window that wins nothing at all at 25 lines and shows no wild or scatter.
inline Stops blankWindow()
{
    return *findWindow([](const Stops &s) {
        for (int reel = 1; reel <= kReels; ++reel) {
            if (showsOn(reel, s[static_cast<std::size_t>(reel)], kWild)
                || showsOn(reel, s[static_cast<std::size_t>(reel)], kScatter)) {
                return false;
            }
        }
        return evaluateWindow(s, kLines).lineUnits == 0;
    });
}

} // namespace slot::test
