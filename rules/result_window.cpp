// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The cabinet's side of a result: presentations started, sounds, the feature's screens,
// and the amounts shown. The money itself moved in the core before anything is shown.
#include "display/pacing.hpp"
#include "flow/sound_out.hpp"
#include "flow/tarnix.hpp"

namespace slot
{

void Tarnix::presentResult()
{
    const ResultPlan plan = planResult(state, player, services.rng);
    awardRefused = awardRefused || plan.awardRefused;
    if (plan.scatterAnimation) {
        Timerscatters->start();
    }
    if (plan.trigger) {
        presentTrigger(plan);
    } else {
        if (plan.timer4) {
            Timer4->start();
        }
        if (plan.timerwild) {
            timerwild->start();
        }
        if (plan.timer1) {
            Timer1->start();
        }
        if (plan.winSoundStep) {
            if (plan.winSound != 0) {
                services.sound.play(plan.winSound);
            }
            services.pacing.processEvents();
        }
    }
    presentSettlement(settleResult(state, player));
}

void Tarnix::presentTrigger(const ResultPlan &plan)
{
    if (plan.featureStarts) {
        services.sound.play(105);
    }
    services.pacing.processEvents();
    services.pacing.sleep(500);
    services.pacing.sleep(1000);
    KeyPreview = false;
    play.each([](PictureButton *b) { b->hide(); });
    payline.each([](PictureButton *b) { b->hide(); });
    COINSIN->hide();
    doublebutton->hide();
    services.pacing.processEvents();
    if (plan.timer4) {
        Timer4->start();
    }
    if (plan.timerwild) {
        timerwild->start();
    }
    if (plan.timer1) {
        Timer1->start();
    }
    if (plan.music != 0) {
        services.sound.playLooping(plan.music);
    }
    services.pacing.processEvents();
    LABLASTBET->hide();
    lbllast->hide();
    LABTHISWIN->show();
    Lblcurrentwin->show();
}

void Tarnix::presentSettlement(Settlement settlement)
{
    switch (settlement) {
    case Settlement::FeatureGame:
    case Settlement::LastFeatureGame:
        spinsleft->show();
        spinsleft->setText(QStringLiteral("     Freespins Remaining  ")
            + QString::number(state.freespins - state.freespinsdone));
        showWin(state.winmeter);
        if (settlement == Settlement::FeatureGame) {
            Timerwincounter->start();
            return;
        }
        spinsleft->setText(QStringLiteral("Freespins Completed          "));
        takewin->setEnabled(true);
        takewin->show();
        LABLASTBET->show();
        lbllast->show();
        LABTHISWIN->hide();
        Lblcurrentwin->hide();
        return;
    case Settlement::PaidWin:
        Timerwincounter->start();
        if (state.thiswin > 0 && state.freespins < 1) {
            doublebutton->setEnabled(true);
        }
        return;
    case Settlement::PaidNoWin:
        LABWIN->setText(QStringLiteral("No Win"));
        return;
    }
}

} // namespace slot
