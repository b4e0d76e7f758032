// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The line sums are filled cell by cell, as the win check reads them.
#include "rules/reel_outcome.hpp"

namespace slot
{

void clearPreviousOutcome(MainState &s)
{
    for (int reel = 1; reel <= kReels; ++reel) {
        s.scattercell[static_cast<std::size_t>(reel)] = 0;
        s.wildcell[static_cast<std::size_t>(reel)] = 0;
    }
    s.scatters = 0;
    for (auto &sums : s.linesum) {
        for (std::size_t line = 1; line <= kLines; ++line) {
            sums[line] = 0;
        }
    }
    for (std::size_t line = 1; line <= kLines; ++line) {
        s.wildline[line] = 0;
    }
}

void recordStop(MainState &s, int reel)
{
    const int stop = s.reelstopOf(reel);
    if (stop < 0 || stop > kStops) {
        return; // a stop no draw can give; nothing sensible to record
    }
    const auto weight = tables::reelWeight[static_cast<std::size_t>(reel)];
    for (int row = 1; row <= 3; ++row) {
        const Sym sym = symbolAt(reel, stop, row);
        const auto cell = static_cast<Short>(cellOf(reel, row));
        const RowLines &lines
            = rowLines[static_cast<std::size_t>(reel)][static_cast<std::size_t>(row)];
        if (isOrdinary(sym)) {
            auto &sums = s.linesum[static_cast<std::size_t>(index(sym))];
            for (int i = 0; i < lines.count; ++i) {
                auto &sum = sums[lines.line[static_cast<std::size_t>(i)]];
                // Reel 1 assigns, the others add: a sum always starts at reel 1.
                sum = reel == 1 ? weight : static_cast<Short>(sum + weight);
            }
        } else if (sym == kWild) {
            for (int i = 0; i < lines.count; ++i) {
                const auto line = lines.line[static_cast<std::size_t>(i)];
                for (std::size_t x = 1; x <= kOrdinarySymbols; ++x) {
                    s.linesum[x][line] = static_cast<Short>(s.linesum[x][line] + weight);
                }
                s.wildline[line] = weight;
            }
            s.wildcell[static_cast<std::size_t>(reel)] = cell;
            if (Short *hold = s.wildholdOf(reel)) {
                *hold = 1;
            }
        } else if (sym == kScatter) {
            ++s.scatters;
            s.scattercell[static_cast<std::size_t>(reel)] = cell;
        }
    }
}

void spinReelOutcome(MainState &s, int reel, Rng &rng)
{
    Short *hold = s.wildholdOf(reel);
    if (hold && *hold > 0) {
        *s.heldOf(reel) = 1; // the wild stays where it was for one more game
    } else {
        s.reelstopOf(reel) = static_cast<Short>(rng.draw(kStops));
    }
    recordStop(s, reel);
    s.reeltopOf(reel) = -1500 * static_cast<Money>(s.reelstopOf(reel));
}

void settleHoldsAfterAnimation(MainState &s)
{
    if (phaseOneRuns(s.reeltop1)) {
        for (int reel = 2; reel <= 4; ++reel) {
            if (*s.heldOf(reel) > 0) {
                *s.wildholdOf(reel) = 0;
            }
        }
    }
    s.held2 = 0;
    s.held3 = 0;
    s.held4 = 0;
}

} // namespace slot
