// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The win presentations' steps: which payline shows, what blinks, which frame each animated
// cell shows. The window applies them to its controls; nothing here touches money.
#pragma once

#include "flow/game_state.hpp"

#include <array>

namespace slot
{

struct CellChange {
    int cell = 0;
    bool visible = false;
};

struct PaylineTick {
    bool stop = false; // no played payline has won: the display ends at once
    int payline = 0; // the payline shown, 0 when the index points at no payline
    bool drawSegments = false; // paylines 1..20 have segments
    bool segmentsVisible = false;
    bool tabVisible = false;
    int cellCount = 0;
    std::array<CellChange, 5> cells {};
};

// One tick of the winning-payline display.
PaylineTick paylineStep(MainState &s);

struct FrameCell {
    int cell = 0;
    int frame = 0;
    int overlay = 0; // the multiplier picture drawn over the frame, 0 for none
};

struct AnimationTick {
    int count = 0;
    std::array<FrameCell, 5> cells {};
};

// The scatter cells and the frame they show this tick (they are also made visible).
AnimationTick scatterStep(MainState &s);
// The wild cells and their swinging frame (visibility is the payline display's business).
AnimationTick wildSwingStep(MainState &s);
// The wild cells with the free game's multiplier drawn over the frame.
AnimationTick multiplierStep(MainState &s);

// Whether a cell number is one of the reel's three cells.
bool cellOnReel(int cell, int reel);

} // namespace slot
