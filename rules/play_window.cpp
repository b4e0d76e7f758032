// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The cabinet's side of a game: the Play command, the reel steps and the payback check's
// replacement game. The rules themselves are the core's; this file moves the controls.
#include "display/line_layer.hpp"
#include "display/pacing.hpp"
#include "flow/money_display.hpp"
#include "flow/sound_out.hpp"
#include "flow/tarnix.hpp"
#include "rules/play.hpp"
#include "rules/reel_motion.hpp"
#include "rules/reel_outcome.hpp"
#include "rules/win_evaluation.hpp"

namespace slot
{

void Tarnix::play_Click(int Index)
{
    if (ended || Index < 1 || Index > 6) {
        return;
    }
    if (state.freespins < 1 && playDepth == 0 && careRefuses()) {
        return;
    }
    ++playDepth;
    const bool free = state.freespins > 0;
    if (!free) {
        services.sound.play(124);
    }
    const PlayStart start = startPlay(state, player, Index);
    if (start == PlayStart::NotEnoughCredit) {
        services.sound.play(125);
        pannomoney->show();
        COINSIN->setEnabled(true);
        --playDepth;
        return;
    }
    if (start == PlayStart::CreditFull || start == PlayStart::StatisticsFull) {
        // Refused before anything moves: a win this game could bring would not fit.
        if (start == PlayStart::CreditFull) {
            showLimit(
                "A win at this bet could not fit in the credit", "(Bet less, or use Zero Credit)");
        } else {
            showLimit(
                "This player's statistics are full", "(Delete the player's details in Options)");
        }
        --playDepth;
        endIfPending(); // a quit asked for while the box was up
        return;
    }
    COINSIN->setEnabled(false);
    play.each([](PictureButton *b) { b->setEnabled(false); });
    payline.each([](PictureButton *b) { b->setEnabled(false); });
    Timer1->stop();
    Timerscatters->stop();
    Timer4->stop();
    if (state.freespins < 1) {
        doublebutton->show();
        LABWIN->setText(QStringLiteral("Good Luck"));
        lblwin->setText(QStringLiteral(" "));
        lbllast->setText(QString::number(stakeOf(state)));
        refreshCredit();
        Timerwincounter->stop();
    }
    clearBeforeSpin(state);
    spinreel1();
    state.keyguard = 0;
    services.pacing.processEvents();
    play.each([](PictureButton *b) { b->setEnabled(true); });
    payline.each([](PictureButton *b) { b->setEnabled(true); });
    COINSIN->setEnabled(true);
    --playDepth;
    if (playDepth == 0 && !ended) {
        journalAfterGame();
        careAtGameEnd();
    }
    endIfPending();
}

void Tarnix::spinreel1()
{
    doublebutton->setEnabled(false);
    pannomoney->hide();
    Timer1->stop();
    Timerscatters->stop();
    Timer4->stop();
    timerwild->stop();
    clearPreviousOutcome(state);
    Timerrespin->stop();
    for (state.blink = 1; state.blink <= 25; ++state.blink) {
        lin(state.blink)->show();
    }
    Lineflash.each([](LineSegment *s) { s->setVisible(false); });
    services.pacing.processEvents();
    for (int k = 1; k <= 15; ++k) {
        flasher(k)->hide();
        flasher(k)->setPixmap(pictures.ImageList1.picture(21));
    }
    services.pacing.processEvents();
    services.pacing.processEvents();
    spinReelOutcome(state, 1, services.rng);
    spinreel2();
}

void Tarnix::spinreel2()
{
    spinReelOutcome(state, 2, services.rng);
    spinreel3();
}

void Tarnix::spinreel3()
{
    spinReelOutcome(state, 3, services.rng);
    spinreel4();
}

void Tarnix::spinreel4()
{
    spinReelOutcome(state, 4, services.rng);
    spinreel5();
}

void Tarnix::spinreel5()
{
    spinReelOutcome(state, 5, services.rng);
    checkwins();
}

void Tarnix::checkwins()
{
    normaliseReelspeed(player.reelspeed);
    evaluateWins(state, player, services.rng);
    if (paybackCheck(state, player, services.rng) == Verdict::Discarded) {
        spinreel1(); // a complete new game; nothing of this result is shown or paid
        return;
    }
    // Decided: written before the reels show it, so a crash cannot take it back.
    journalCommit(JournalPhase::Stands);
    showStandingResult();
}

void Tarnix::showStandingResult()
{
    services.recall->resultStands(state, player);
    animateReels();
    settleHoldsAfterAnimation(state);
    presentResult();
    services.recall->gameSettled(state, player);
    if (state.freespins > 0) {
        journalCommit(state.freespinsdone < state.freespins ? JournalPhase::FeatureNext
                                                            : JournalPhase::CollectWaiting);
    }
}

void Tarnix::animateReels()
{
    if (state.freespins < 1) {
        refreshCredit(); // the balance after the stake
    }
    services.pacing.processEvents();

    // Each frame is painted at once: the thread sleeps between frames and runs no events.
    struct Motion final : ReelMotion {
        Tarnix &w;
        bool moved[6] = {};
        explicit Motion(Tarnix &window)
            : w(window)
        {
        }
        void place(int n, Money top) override
        {
            w.placeReel(n, top);
            moved[n] = true;
        }
        void frame(int sleepMs) override
        {
            for (int n = 1; n <= 5; ++n) {
                if (moved[n]) {
                    w.Picture(n)->repaint();
                    moved[n] = false;
                }
            }
            w.services.pacing.sleep(sleepMs);
        }
        void sound(int n) override { w.services.sound.play(n); }
    } motion(*this);
    runReelAnimation(state, player.reelspeed, motion);
}

} // namespace slot
