// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A direct evaluation of a window from its five stops, for counting outcomes at speed.
// It must agree with the line-sum evaluation the game runs; the tests hold it to that.
#pragma once

#include "rules/game_tables.hpp"

#include <array>
#include <cstdint>

namespace slot
{

struct WindowResult {
    int lineUnits = 0; // line pays per credit bet per line, lines 1..N
    int scatters = 0; // reels showing the scatter
    bool wildWin = false; // a winning line runs over a wild (the free-game multiplier applies)
    std::uint32_t winLines = 0; // bit L set when line L won
};

// Matched run of a line from reel 1 (0 when the line cannot pay), wild standing in on 2..4.
struct LineRun {
    int count = 0;
    Sym symbol = Sym::None;
    bool throughWild = false; // a wild within the reels the multiplier rule examines
};

LineRun lineRun(const std::array<int, kReels + 1> &stops, int line);
int linePayUnits(const LineRun &run);
WindowResult evaluateWindow(const std::array<int, kReels + 1> &stops, int lines);

} // namespace slot
