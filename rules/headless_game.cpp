// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The chain of a game in one place for the tools, the tests and a quit during the feature;
// the cabinet runs the same steps with its animation.
#include "rules/headless_game.hpp"

#include "rules/reel_motion.hpp"
#include "rules/reel_outcome.hpp"
#include "rules/win_evaluation.hpp"

namespace slot
{

GameReport playGame(MainState &s, PlayerState &p, Rng &rng, int index, const GameWatch *watch)
{
    GameReport report;
    report.start = startPlay(s, p, index);
    if (report.start != PlayStart::PaidGame && report.start != PlayStart::FreeGame) {
        return report;
    }
    clearBeforeSpin(s);
    normaliseReelspeed(p.reelspeed);
    // A discarded result is replaced by a complete new game: the reel steps again.
    for (;;) {
        clearPreviousOutcome(s);
        for (int reel = 1; reel <= kReels; ++reel) {
            spinReelOutcome(s, reel, rng);
        }
        evaluateWins(s, p, rng);
        report.heldGame = s.held2 > 0 || s.held3 > 0 || s.held4 > 0;
        if (paybackCheck(s, p, rng) == Verdict::Stands) {
            break;
        }
        ++report.discards;
    }
    if (watch && watch->stands) {
        watch->stands(s, p);
    }
    settleHoldsAfterAnimation(s);
    report.plan = planResult(s, p, rng);
    report.settlement = settleResult(s, p);
    if (watch && watch->settled) {
        watch->settled(s, p);
    }
    s.keyguard = 0;
    return report;
}

int playFeatureToEnd(MainState &s, PlayerState &p, Rng &rng, const GameWatch *watch)
{
    int games = 0;
    // A trigger among these games extends the feature; the loop plays that too.
    while (s.freespins > 0 && s.freespinsdone < s.freespins) {
        playGame(s, p, rng, buttonForBet(s.betperline), watch);
        ++games;
    }
    return games;
}

void HeadlessGame::collect()
{
    if (featureComplete()) {
        collectWinmeter(s, p);
    }
}

} // namespace slot
