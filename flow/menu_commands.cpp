// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu commands that open the other windows, and the ways out of the program.
#include "care/care_notice.hpp"
#include "care/odds_window.hpp"
#include "care/statement_window.hpp"
#include "display/about_window.hpp"
#include "display/paytable_window.hpp"
#include "display/twips.hpp"
#include "flow/quit_settle.hpp"
#include "flow/sound_out.hpp"
#include "flow/tarnix.hpp"
#include "gamble/double_panel.hpp"
#include "players/options_window.hpp"
#include "players/player_record.hpp"
#include "players/recall_window.hpp"

#include <QApplication>
#include <QWindow>

namespace slot
{

Tarnix::~Tarnix()
{
    // The other windows have no parent (a disabled parent would disable them too).
    delete aboutWindow.data();
    delete paysWindow.data();
    delete optionsWindow.data();
    delete recallWindow.data();
    delete oddsWindow.data();
    delete careWindow.data();
    delete statementWindow.data();
}

void Tarnix::keepAbove(QWidget *window)
{
    // Without a widget parent the desktop would let the disabled cabinet cover the window
    // that must be closed first; a transient parent keeps it on top.
    window->winId();
    if (QWindow *handle = window->windowHandle()) {
        handle->setTransientParent(windowHandle());
    }
}

bool Tarnix::drawRunning() const
{
    return pandouble->drawRunning;
}

bool Tarnix::menuBlocked() const
{
    // Another window open leaves the cabinet disabled: a second one would stack on it.
    return ended || state.freespins >= 1 || gameRunning() || drawRunning() || !isEnabled();
}

void Tarnix::mnuabout_Click()
{
    if (menuBlocked()) {
        return;
    }
    services.sound.play(124);
    setEnabled(false);
    auto *about = new abouttarnix(*this, services.openUrl, services.projectPage);
    aboutWindow = about;
    keepAbove(about);
    about->show();
    about->lblTitle->show();
    about->lblDescription->show();
    about->resize(about->width(), px(2145));
    about->centreform(about);
}

void Tarnix::mnuptble_Click()
{
    if (menuBlocked()) {
        return;
    }
    services.sound.play(124);
    pannomoney->hide();
    setEnabled(false);
    auto *pays = new tarnixpays(*this);
    paysWindow = pays;
    keepAbove(pays);
    pays->show();
    pays->CenterForm(pays);
}

void Tarnix::mnuplayer_Click()
{
    if (menuBlocked() || !pandouble->isHidden()) {
        return;
    }
    services.sound.play(124);
    doublebutton->setEnabled(false);
    journalClose(); // the double-up is no longer offered
    setEnabled(false);
    auto *options = new frmtarnixoptions(*this, player, services);
    optionsWindow = options;
    keepAbove(options);
    options->Form_Load();
}

void Tarnix::mnurecall_Click()
{
    // As Options: with the gamble open the game it stakes has not settled into the recall yet.
    if (menuBlocked() || !pandouble->isHidden()) {
        return;
    }
    services.sound.play(124);
    setEnabled(false);
    auto *recall = new tarnixrecall(*this, *services.recall, slotOf(player.playerslot).value_or(0));
    recallWindow = recall;
    keepAbove(recall);
    recall->show();
    recall->CenterForm(recall);
}

void Tarnix::mnuodds_Click()
{
    if (menuBlocked()) {
        return;
    }
    services.sound.play(124);
    setEnabled(false);
    // Before the first game no bet is chosen; the odds of a bet of 1 are those of every bet.
    const int bet = oddsFor(state.linesplayed, state.betperline) ? state.betperline : 1;
    auto *odds = new tarnixodds(*this, state.linesplayed, bet);
    oddsWindow = odds;
    keepAbove(odds);
    odds->show();
}

void Tarnix::mnustatement_Click()
{
    if (menuBlocked()) {
        return;
    }
    services.sound.play(124);
    careFollowSlot();
    services.care->follow({ player.games, player.wager, player.total });
    setEnabled(false);
    auto *statement = new tarnixstatement(*this, services.care->activity(), services.care->today(),
        slotOf(player.playerslot).value_or(0));
    statementWindow = statement;
    keepAbove(statement);
    statement->show();
}

void Tarnix::mnuexit_Click()
{
    // Leaving in the middle of a game or a card draw would drop a result that is already
    // decided: the exit waits for it to settle.
    if (gameRunning() || drawRunning()) {
        exitPending = true;
        return;
    }
    endProgram();
}

void Tarnix::endIfPending()
{
    if (exitPending && !gameRunning() && !drawRunning()) {
        endProgram();
    }
}

void Tarnix::sessionSaving()
{
    storeSettled();
}

void Tarnix::storeSettled()
{
    // Mid-game the stake is out and the win not yet in; with the gamble open the stake is
    // out of the credit. The save after the last settled game is the better record then.
    // In the feature the statistics count free games' wins the credit has yet to receive;
    // the journal holds the feature until its collect stores both.
    if (ended || gameRunning() || drawRunning() || !pandouble->isHidden() || state.freespins > 0) {
        return;
    }
    journalClose();
    services.saveRecord(player);
}

void Tarnix::sessionEnding()
{
    // The loop only ends between handlers, so every game and draw has settled by now.
    endProgram();
}

void Tarnix::endProgram()
{
    if (ended) {
        return;
    }
    services.sound.play(124);
    const bool gambleOpen = !pandouble->isHidden();
    const Money atrisk = state.atrisk;
    const GameWatch watch = services.recall->watcher();
    settleBeforeQuit(state, player, gambleOpen, services.rng, &watch);
    services.recall->quitSettled(state, gambleOpen, atrisk, player);
    journalCommit(JournalPhase::Settled, false, false);
    journalSettle(false, false);
    // What leaving paid out belongs in the statement too.
    careFollowSlot();
    services.care->follow({ player.games, player.wager, player.total });
    services.restoreRes();
    ended = true;
    qApp->removeEventFilter(this);
    services.endProgram();
}

} // namespace slot
