// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Walks each line from reel 1 while the symbol (or the wild) repeats.
#include "rules/window_eval.hpp"

namespace slot
{

LineRun lineRun(const std::array<int, kReels + 1> &stops, int line)
{
    LineRun run;
    const auto &rows = tables::paylineRows[static_cast<std::size_t>(line)];
    const Sym first = symbolAt(1, stops[1], rows[1]);
    if (!isOrdinary(first)) {
        return run;
    }
    run.symbol = first;
    run.count = 1;
    bool wildSeen = false;
    for (int reel = 2; reel <= kReels; ++reel) {
        const Sym s = symbolAt(
            reel, stops[static_cast<std::size_t>(reel)], rows[static_cast<std::size_t>(reel)]);
        if (s != first && s != kWild) {
            break;
        }
        wildSeen = wildSeen || s == kWild;
        ++run.count;
    }
    const int pays = linePayUnits(run);
    if (pays == 0) {
        run.count = 0;
        return run;
    }
    run.throughWild = wildSeen; // reel 5 never shows the wild, so the run's wilds are on 2..4
    return run;
}

int linePayUnits(const LineRun &run)
{
    if (run.count < 2 || run.count > 5) {
        return 0;
    }
    return tables::linePay[static_cast<std::size_t>(index(run.symbol))]
                          [static_cast<std::size_t>(run.count)];
}

WindowResult evaluateWindow(const std::array<int, kReels + 1> &stops, int lines)
{
    WindowResult r;
    for (int reel = 1; reel <= kReels; ++reel) {
        for (int row = 1; row <= 3; ++row) {
            if (symbolAt(reel, stops[static_cast<std::size_t>(reel)], row) == kScatter) {
                ++r.scatters;
                break;
            }
        }
    }
    for (int line = 1; line <= lines && line <= kLines; ++line) {
        const LineRun run = lineRun(stops, line);
        const int pay = linePayUnits(run);
        if (pay > 0) {
            r.lineUnits += pay;
            r.winLines |= 1U << line;
            r.wildWin = r.wildWin || run.throughWild;
        }
    }
    return r;
}

} // namespace slot
