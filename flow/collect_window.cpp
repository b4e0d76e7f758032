// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The win counter's ticks, the collect of a feature and the start of the next free game.
#include "display/pacing.hpp"
#include "flow/sound_out.hpp"
#include "flow/tarnix.hpp"
#include "flow/win_counter.hpp"

namespace slot
{

void Tarnix::Timerwincounter_Timer()
{
    services.pacing.processEvents();
    if (!Timerwincounter->isActive() || ended) {
        return; // stopped by what ran during the events
    }
    const CounterTick t = winCounterStep(state, player.winroll);
    showWin(t.winShown);
    if (t.currentWin >= 0) {
        Lblcurrentwin->setText(QString::number(t.currentWin));
    }
    if (!t.finished) {
        return;
    }
    Timerwincounter->stop();
    if (state.freespins < 1) {
        refreshCredit(); // the win went into the credit when the game settled
        return;
    }
    takewin->setEnabled(false);
    services.pacing.processEvents();
    Timerrespin->start();
}

void Tarnix::Timerrespin_Timer()
{
    services.pacing.processEvents();
    if (!Timerrespin->isActive() || ended) {
        return;
    }
    Lblcurrentwin->setText(QString());
    if (PictureButton *b = play(buttonForBet(state.betperline))) {
        b->press();
    }
    KeyPreview = false;
}

void Tarnix::takewin_Click()
{
    services.sound.play(124);
    services.sound.play(110); // also ends the looping feature tune
    showWin(state.winmeter);
    collectWinmeter(state, player);
    services.recall->featureCollected(state, player);
    journalCommit(JournalPhase::Settled, true);
    refreshCredit();
    spinsleft->hide();
    play.each([](PictureButton *b) {
        b->setEnabled(true);
        b->show();
    });
    payline.each([](PictureButton *b) {
        b->show();
        b->setEnabled(true);
    });
    COINSIN->show();
    doublebutton->show();
    doublebutton->setEnabled(true);
    takewin->hide();
    KeyPreview = true;
    if (PictureButton *b = play(buttonForBet(state.betperline))) {
        b->setFocus();
    }
    // The feature's win is in the credit now; a crash must not take it back out.
    journalSettle(true);
    if (awardRefused) {
        awardRefused = false;
        showLimit("Scatters could not add free games in this feature",
            "(What they might win would not fit in the credit)");
    }
    careAtGameEnd(true);
}

} // namespace slot
