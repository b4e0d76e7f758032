// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// In the feature the bands are smaller so a free game's win is seen climbing.
#include "flow/win_counter.hpp"

namespace slot
{

Short rollStepFor(Money shown, bool feature)
{
    struct Band {
        Money upTo;
        Short normal, inFeature;
    };
    static constexpr Band bands[] = {
        { 5, 1, 1 },
        { 10, 2, 2 },
        { 15, 4, 2 },
        { 20, 8, 2 },
        { 30, 10, 3 },
        { 40, 10, 3 },
        { 50, 10, 3 },
        { 100, 10, 4 },
        { 120, 12, 4 },
        { 150, 14, 4 },
        { 200, 16, 8 },
        { 300, 20, 5 },
        { 450, 25, 5 },
        { 600, 30, 10 },
        { 700, 35, 15 },
        { 1000, 50, 20 },
        { 1500, 150, 30 },
    };
    if (shown <= 0) {
        return 0;
    }
    for (const Band &b : bands) {
        if (shown <= b.upTo) {
            return feature ? b.inFeature : b.normal;
        }
    }
    return feature ? 100 : 500;
}

CounterTick winCounterStep(MainState &s, Short winroll)
{
    CounterTick t;
    if (s.freespins < 1) {
        if (winroll == 0) {
            s.rollcount = s.thiswin;
        }
        addTo(s.rollcount, s.rollstep);
        s.rollstep = rollStepFor(s.rollcount, false);
        if (s.rollcount >= s.thiswin) {
            t.finished = true;
            t.winShown = s.thiswin;
            s.rollcount = 0;
        } else {
            t.winShown = s.rollcount;
        }
        return t;
    }
    addTo(s.rollcount, s.rollstep);
    if (winroll == 0) {
        s.rollcount = s.thiswin;
    }
    s.rollstep = rollStepFor(s.rollcount, true);
    if (s.rollcount >= s.thiswin) {
        t.finished = true;
        t.winShown = s.winmeter;
        t.currentWin = s.thiswin;
        s.rollcount = 0;
        s.rollstep = 0;
    } else {
        // The win meter already holds this game's win: climb from the old total.
        t.winShown
            = static_cast<Money>(static_cast<long long>(s.winmeter) - s.thiswin + s.rollcount);
        t.currentWin = s.rollcount;
    }
    return t;
}

} // namespace slot
