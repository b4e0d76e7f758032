// The chain of a game in one place for the tools and tests; the cabinet runs the same steps.
#include "rules/headless_game.hpp"

#include "rules/reel_motion.hpp"
#include "rules/reel_outcome.hpp"
#include "rules/win_evaluation.hpp"

namespace slot
{

GameReport HeadlessGame::play(int index)
{
    GameReport report;
    report.start = startPlay(s, p, index);
    if (report.start == PlayStart::NotEnoughCredit) {
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
    settleHoldsAfterAnimation(s);
    report.plan = planResult(s, rng);
    report.settlement = settleResult(s, p);
    s.keyguard = 0;
    return report;
}

int HeadlessGame::playFeatureToEnd()
{
    int games = 0;
    while (featureRunning()) {
        play(buttonForBet(s.betperline));
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
