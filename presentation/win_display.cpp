// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The blink phases run off, on, off, on, off for a display's first payline and on, off, on,
// off, off for the others: the fifth tick always clears a payline before the next is drawn.
#include "presentation/win_display.hpp"

namespace slot
{

bool cellOnReel(int cell, int reel)
{
    return reel >= 1 && reel <= kReels && cell >= 3 * reel - 2 && cell <= 3 * reel;
}

namespace
{

int winlineAt(const MainState &s, int i)
{
    return i >= 0 && i <= kLines ? s.winline[static_cast<std::size_t>(i)] : 0;
}

int winlengthAt(const MainState &s, int i)
{
    return i >= 0 && i <= kLines ? s.winlength[static_cast<std::size_t>(i)] : 0;
}

void chooseLine(MainState &s)
{
    for (;;) {
        if (s.lineindex > s.linesplayed) {
            s.lineindex = 1;
            s.linetick = 1;
        }
        if (winlineAt(s, s.lineindex) == 0 || s.linetick > 5) {
            ++s.lineindex;
            s.linetick = 1;
            continue;
        }
        return;
    }
}

} // namespace

PaylineTick paylineStep(MainState &s)
{
    PaylineTick t;
    bool anyWin = false;
    for (int k = 1; k <= s.linesplayed && k <= kLines; ++k) {
        anyWin = anyWin || winlineAt(s, k) > 0;
    }
    if (!anyWin) {
        t.stop = true;
        return t;
    }
    addTo(s.linetick, 1);
    addTo(s.blink, 1);
    chooseLine(s);
    const int p = winlineAt(s, s.lineindex);
    if (s.blink > 1) {
        s.blink = 0;
    }
    if (s.linetick == 5) {
        s.blink = 0;
    }
    if (p < 1 || p > kLines) {
        return t;
    }
    t.payline = p;
    t.drawSegments = p <= 20;
    t.segmentsVisible = s.blink != 0;
    t.tabVisible = s.blink != 1;
    const int n = winlengthAt(s, s.lineindex);
    if (n >= 2 && n <= 5) {
        t.cellCount = n;
        for (int reel = 1; reel <= n; ++reel) {
            const int cell = cellOf(reel,
                tables::paylineRows[static_cast<std::size_t>(p)][static_cast<std::size_t>(reel)]);
            // A wild that carried the win stays in view, animating, until the next spin.
            const bool wild = cell == s.wildcell[static_cast<std::size_t>(reel)];
            t.cells[static_cast<std::size_t>(reel - 1)] = { cell, wild || s.blink != 0 };
        }
    }
    return t;
}

AnimationTick scatterStep(MainState &s)
{
    if (s.scattertick >= 39) {
        s.scattertick = 0;
    }
    addTo(s.scatterframe, s.scattertick >= 20 ? -1 : 1);
    if (s.scatterframe > 20) {
        s.scatterframe = 20;
    }
    addTo(s.scattertick, 1);
    AnimationTick t;
    for (int reel = 1; reel <= kReels; ++reel) {
        const int cell = s.scattercell[static_cast<std::size_t>(reel)];
        if (cellOnReel(cell, reel)) {
            t.cells[static_cast<std::size_t>(t.count++)] = { cell, s.scatterframe, 0 };
        }
    }
    return t;
}

namespace
{
AnimationTick wildCells(const MainState &s, int frame, int overlay)
{
    AnimationTick t;
    for (int reel = 2; reel <= 4; ++reel) {
        const int cell = s.wildcell[static_cast<std::size_t>(reel)];
        if (cellOnReel(cell, reel)) {
            t.cells[static_cast<std::size_t>(t.count++)] = { cell, frame, overlay };
        }
    }
    return t;
}
} // namespace

AnimationTick wildSwingStep(MainState &s)
{
    if (s.wildswingtick >= 35) {
        s.wildswingtick = 0;
    }
    addTo(s.wildswingframe, s.wildswingtick >= 18 ? -1 : 1);
    if (s.wildswingframe >= 18) {
        s.wildswingframe = 18;
    }
    addTo(s.wildswingtick, 1);
    return wildCells(s, s.wildswingframe, 0);
}

AnimationTick multiplierStep(MainState &s)
{
    if (s.thiswin < 1) {
        return {};
    }
    switch (s.multiplier) {
    case 1:
        return {};
    case 2:
        s.overlaytop = 22;
        break;
    case 3:
        s.overlaytop = 26;
        break;
    case 5:
        s.overlaytop = 30;
        break;
    case 10:
        s.overlaytop = 34;
        break;
    default:
        break;
    }
    addTo(s.overlayframe, 1);
    if (s.overlayframe > s.overlaytop) {
        s.overlayframe = static_cast<Short>(s.overlaytop - 3);
    }
    addTo(s.wildframe, 1);
    if (s.wildframe > 18) {
        s.wildframe = 1;
    }
    if (s.overlayframe < 1) {
        s.overlayframe = 3;
    }
    return wildCells(s, s.wildframe, s.overlayframe);
}

} // namespace slot
