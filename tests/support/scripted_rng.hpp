// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A random source that hands out the draws a test scripts, in order.
#pragma once

#include "rules/game_tables.hpp"
#include "rules/rng.hpp"

#include <array>
#include <deque>
#include <initializer_list>

namespace slot::test
{

class ScriptedRng final : public Rng
{
public:
    double uniform() override
    {
        if (values.empty()) {
            exhausted = true;
            return 0.0;
        }
        const double v = values.front();
        values.pop_front();
        return v;
    }

    // The value that makes draw(n) give k.
    ScriptedRng &pick(int k, int n)
    {
        values.push_back((k - 0.5) / n);
        return *this;
    }
    ScriptedRng &stops(std::initializer_list<int> reelStops)
    {
        for (int s : reelStops) {
            pick(s, kStops);
        }
        return *this;
    }
    ScriptedRng &keep() { return pick(1, 4); } // the payback check's one in four
    ScriptedRng &replace() { return pick(4, 4); }
    ScriptedRng &multiplierDraw(int r) { return pick(r, 25); }
    ScriptedRng &tune(int c) { return pick(c, 2); }

    std::size_t left() const { return values.size(); }
    bool exhausted = false;

private:
    std::deque<double> values;
};

} // namespace slot::test
