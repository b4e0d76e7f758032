// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A whole feature costs one stake: every counted game but the last is given its stake back.
#include "rules/game_result.hpp"

#include "rules/money_room.hpp"

namespace slot
{

int winSoundFor(Money w)
{
    if (w <= 0)
        return 0;
    if (w <= 5)
        return 101;
    if (w <= 10)
        return 102;
    if (w <= 21)
        return 103;
    if (w <= 30)
        return 104;
    if (w <= 40)
        return 103;
    if (w <= 50)
        return 106;
    if (w <= 100)
        return 107;
    if (w <= 120)
        return 108;
    if (w <= 150)
        return 109;
    if (w <= 200)
        return 110;
    if (w <= 300)
        return 111;
    if (w <= 450)
        return 112;
    if (w <= 600)
        return 113;
    if (w <= 750)
        return 114;
    return 115;
}

ResultPlan planResult(MainState &s, const PlayerState &p, Rng &rng)
{
    ResultPlan plan;
    plan.scatterAnimation = s.scatters > 1;
    const int scatters = s.scatters > 5 ? 5 : s.scatters;
    const int award = scatters >= 3 ? tables::freeSpinAward[static_cast<std::size_t>(scatters)] : 0;
    plan.awardRefused = award > 0 && !awardFits(s, p, award);
    if (award > 0 && !plan.awardRefused) {
        plan.trigger = true;
        plan.featureStarts = s.freespins < 1;
        // Every line, played or not; lineindex is left at 26 for the payline display.
        for (s.lineindex = 1; s.lineindex <= kLines; ++s.lineindex) {
            const auto line = static_cast<std::size_t>(s.lineindex);
            if (s.wildline[line] > 0 && s.freespinsdone == 0) {
                plan.timer4 = true;
            }
            if ((s.wildline[line] > 0 && s.freespinsdone > 0)
                || s.freespinsdone == s.freespins - 1) {
                plan.timerwild = true;
            }
            if (s.winlength[line] >= 2) {
                plan.timer1 = true;
            }
        }
        const int tune = rng.draw(2);
        if (plan.featureStarts) {
            plan.music = tune == 1 ? 117 : 118;
        }
        addTo(s.freespins, award);
        return plan; // a triggering game has no win-size sound
    }
    if (s.thiswin >= 1) {
        const int lines = s.linesplayed < kLines ? s.linesplayed : kLines;
        for (s.lineindex = 1; s.lineindex <= lines; ++s.lineindex) {
            const auto line = static_cast<std::size_t>(s.lineindex);
            if (s.wildline[line] > 0 && s.freespinsdone == 0) {
                plan.timer4 = true;
            }
            if (s.wildline[line] > 0) {
                plan.timerwild = true;
            }
            if (s.winlength[line] >= 2) {
                plan.timer1 = true;
            }
        }
        if (s.lineindex < s.linesplayed + 1) {
            s.lineindex = static_cast<Short>(s.linesplayed + 1);
        }
    }
    if (s.freespins <= 1) {
        plan.winSoundStep = true;
        plan.winSound = winSoundFor(s.thiswin);
        if (s.thiswin <= 0) {
            s.rollstep = 0;
        }
    }
    return plan;
}

Settlement settleResult(MainState &s, PlayerState &p)
{
    if (s.freespinsdone < s.freespins) {
        addTo(s.freespinsdone, 1);
        addTo(s.winmeter, s.thiswin);
        if (s.freespinsdone == s.freespins) {
            return Settlement::LastFeatureGame; // its stake stays paid: the feature's one stake
        }
        if (const auto stake = narrow<Short>(stakeOf(s))) {
            addTo(p.wager, -*stake);
            addTo(p.games, -1);
            addTo(p.bank, *stake);
        }
        return Settlement::FeatureGame;
    }
    addTo(p.bank, s.thiswin);
    return s.thiswin >= 1 ? Settlement::PaidWin : Settlement::PaidNoWin;
}

void collectWinmeter(MainState &s, PlayerState &p)
{
    s.keyguard = 0;
    s.freespinsdone = 0;
    s.freespins = 0;
    s.rollcount = 0;
    s.rollstep = 0;
    addTo(p.bank, s.winmeter);
    s.lastcollect = s.winmeter;
    s.winmeter = 0;
}

} // namespace slot
