// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The cabinet's side of the crash journal: entries written at the moments the core decides
// something, and at start a crashed game brought back to where it stood and finished.
#include "display/pacing.hpp"
#include "flow/sound_out.hpp"
#include "flow/tarnix.hpp"
#include "gamble/double_panel.hpp"

namespace slot
{

namespace
{
const char *const kResumedNote = "The game in progress when slots_tarnix stopped has been resumed.";
const char *const kUnwrittenNote = "The journal of the game in progress cannot be written in "
                                   "the state folder; a crash now could cost the game in progress.";
const char *const kDamagedNote = "A journal of a game in progress could not be read; it was kept "
                                 "as .damaged and the record was left as it was.";
} // namespace

void Tarnix::journalCommit(JournalPhase phase, bool offered, bool table)
{
    // Closing entries wait for a settled table: mid-game, in the feature or with the gamble
    // open the open entry is the truth.
    if (phase == JournalPhase::Idle
        && (gameRunning() || state.freespins > 0 || !pandouble->isHidden())) {
        return;
    }
    services.journal->commit(phase, state, player, services.rng, *services.recall, offered, table);
    tellIfUnjournalled();
}

void Tarnix::tellIfUnjournalled()
{
    // Play goes on, as it does when the record cannot be stored; the next entry tries again.
    if (services.journal->lastWriteFailed() && !journalFailureTold) {
        journalFailureTold = true;
        services.note(kUnwrittenNote);
    }
}

void Tarnix::journalAfterGame()
{
    if (state.freespins > 0) {
        return; // the feature's money settles at its collect
    }
    const auto save = [this](const PlayerState &p) { return saveRecordChecked(p); };
    services.journal->settleGame(player, save);
}

void Tarnix::journalClose()
{
    if (!gameRunning() && state.freespins < 1 && pandouble->isHidden()) {
        services.journal->closeBeforeRecord(
            state, player, services.rng, *services.recall, doublebutton->isEnabled());
        tellIfUnjournalled();
    }
}

bool Tarnix::saveRecordChecked(const PlayerState &p)
{
    if (services.saveRecordChecked) {
        return services.saveRecordChecked(p);
    }
    services.saveRecord(p);
    return true;
}

void Tarnix::journalSettle(bool offered, bool table)
{
    const auto save = [this](const PlayerState &p) { return saveRecordChecked(p); };
    services.journal->settle(player, services.rng, offered, save, *services.recall, state, table);
    tellIfUnjournalled();
}

void Tarnix::resumeJournal()
{
    const GameJournal::AtStart found = services.journal->atStart(services.rng);
    if (found.damaged) {
        services.note(kDamagedNote);
    }
    if (!found.generatorKept) {
        journalCommit(JournalPhase::Idle, false, false);
    }
    if (found.resume) {
        resumeGame(*found.resume);
    }
}

void Tarnix::showFeatureScreen()
{
    KeyPreview = false;
    play.each([](PictureButton *b) { b->hide(); });
    payline.each([](PictureButton *b) { b->hide(); });
    COINSIN->hide();
    doublebutton->hide();
    LABLASTBET->hide();
    lbllast->hide();
    LABTHISWIN->show();
    Lblcurrentwin->show();
    services.sound.playLooping(117);
}

void Tarnix::resumeGame(const JournalEntry &e)
{
    if (player.playerslot != std::to_string(e.slot)) {
        player.playerslot = std::to_string(e.slot);
        services.loadRecord(e.slot, player);
        setWindowTitle(
            QStringLiteral("Current Player       ") + QString::fromStdString(player.currentplayer));
    }
    restoreGame(e, state, player, services.rng, *services.recall);
    applyTabRule();
    for (int n = 1; n <= 5; ++n) {
        placeReel(n, state.reeltopOf(n));
    }
    refreshCredit();
    if (e.phase == JournalPhase::Idle) {
        doublebutton->setEnabled(e.offered); // a crash at rest: the table as it stood
        return;
    }
    services.note(kResumedNote);
    const std::vector<JournalDraw> &draws = services.journal->gambleDraws();
    switch (e.phase) {
    case JournalPhase::Idle:
        return;
    case JournalPhase::Settled:
        journalSettle(e.offered, e.table);
        doublebutton->setEnabled(e.offered);
        if (e.offered) {
            showWin(state.lastcollect); // the collect, offered to the double-up again
        }
        return;
    case JournalPhase::Stands:
        ++playDepth;
        COINSIN->setEnabled(false);
        play.each([](PictureButton *b) { b->setEnabled(false); });
        payline.each([](PictureButton *b) { b->setEnabled(false); });
        if (state.freespins > 0) {
            showFeatureScreen();
        } else {
            LABWIN->setText(QStringLiteral("Good Luck"));
            lbllast->setText(QString::number(stakeOf(state)));
        }
        showStandingResult();
        play.each([](PictureButton *b) { b->setEnabled(true); });
        payline.each([](PictureButton *b) { b->setEnabled(true); });
        COINSIN->setEnabled(true);
        --playDepth;
        journalAfterGame();
        return;
    case JournalPhase::FeatureNext:
    case JournalPhase::CollectWaiting:
        showFeatureScreen();
        presentSettlement(e.phase == JournalPhase::FeatureNext ? Settlement::FeatureGame
                                                               : Settlement::LastFeatureGame);
        return;
    case JournalPhase::GambleOpen:
    case JournalPhase::GambleDrawn:
        showGamblePanel();
        for (std::size_t i = 0; i + 1 < draws.size(); ++i) {
            pandouble->recordCard(draws[i].history, draws[i].card);
        }
        if (e.phase == JournalPhase::GambleDrawn && !draws.empty()) {
            const JournalDraw last = draws.back();
            revealCard(last.bet, last.card); // the draw already decided is applied
        }
        return;
    }
}

} // namespace slot
