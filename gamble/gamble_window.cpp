// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The cabinet's side of the double-up: opening the panel, the draws and their endings, and
// TAKE WIN. The money moves in the core; this file moves the controls.
#include "display/pacing.hpp"
#include "flow/money_display.hpp"
#include "flow/sound_out.hpp"
#include "flow/tarnix.hpp"
#include "gamble/double_panel.hpp"
#include "gamble/gamble_rules.hpp"

namespace slot
{

namespace
{
constexpr int kLossPauseMs = 3000;
} // namespace

void Tarnix::doublebutton_Click()
{
    // A click queued during a game reaches the game's last event point after the offer came
    // on; the game would then re-enable the bet buttons under the open panel.
    if (gameRunning() || !pandouble->isHidden()) {
        return;
    }
    services.sound.play(124);
    openGamble(state, player);
    services.recall->gambleOpened(state, player);
    services.journal->gambleOpened();
    journalCommit(JournalPhase::GambleOpen);
    showGamblePanel();
}

// The panel with the stake at risk; a resumed gamble shows it the same way.
void Tarnix::showGamblePanel()
{
    DoublePanel &g = *pandouble;
    g.showCard(5);
    g.showSuitFaces();
    flasher.each([](QLabel *cell) { cell->hide(); });
    Timer1->stop();
    Timerscatters->stop();
    Timer4->stop();
    Timerwincounter->stop();
    doublebutton->setEnabled(false);
    COINSIN->setEnabled(false);
    g.cancelbet->setEnabled(true);
    g.show();
    g.raise();
    g.gamblewin->hide();
    g.gamblelose->hide();
    payline.each([](PictureButton *b) { b->setEnabled(false); });
    play.each([](PictureButton *b) { b->setEnabled(false); });
    showWin(state.atrisk);
    g.lblblackred->show();
    g.lblsuit->show();
    g.showAmounts(state.atrisk);
    g.enableBets(
        betAllowed(state, player, GambleBet::Red), betAllowed(state, player, GambleBet::Hearts));
    refreshCredit();
    KeyPreview = false;
    services.pacing.processEvents();
}

void Tarnix::cancelbet_Click()
{
    if (pandouble->drawRunning || pandouble->isHidden()) {
        return;
    }
    pandouble->hide();
    doublebutton->setEnabled(false);
    takeGambleWin(state, player);
    services.recall->gambleEnded(state, player);
    journalCommit(JournalPhase::Settled);
    services.sound.play(107);
    refreshCredit();
    LABWIN->setText(QString::fromStdString(plainCredits(state.atrisk)));
    giveBackTheCabinet();
}

void Tarnix::betred_Click()
{
    gambleDraw(GambleBet::Red);
}

void Tarnix::betblack_Click()
{
    gambleDraw(GambleBet::Black);
}

void Tarnix::suitbet_Click(int Index)
{
    if (Index >= 1 && Index <= 4) {
        gambleDraw(suitBet(Index));
    }
}

void Tarnix::gambleDraw(GambleBet bet)
{
    DoublePanel &g = *pandouble;
    if (g.drawRunning || g.isHidden() || !betAllowed(state, player, bet)) {
        return;
    }
    g.drawRunning = true;
    services.sound.play(124);
    g.hideBanner(g.gamblewin);
    const int card = drawGambleCard(state, services.rng);
    services.journal->cardDecided(
        { bet, card, betWins(bet, card), state.atrisk, state.historycount });
    journalCommit(JournalPhase::GambleDrawn); // before the card is shown
    revealCard(bet, card);
}

void Tarnix::revealCard(GambleBet bet, int card)
{
    DoublePanel &g = *pandouble;
    g.drawRunning = true;
    g.setRisk(state.atrisk);
    g.recordCard(state.historycount, card);
    g.showCard(card);
    services.pacing.processEvents();
    if (ended) {
        g.drawRunning = false;
        return;
    }
    services.recall->gambleDrawn(bet, card, betWins(bet, card), state.atrisk);
    if (betWins(bet, card)) {
        gambleWon(bet);
    } else {
        gambleLost(bet);
    }
    g.drawRunning = false;
    endIfPending();
}

void Tarnix::gambleWon(GambleBet bet)
{
    DoublePanel &g = *pandouble;
    services.sound.play(winSoundOf(bet));
    winDraw(state, bet);
    g.cancelbet->setEnabled(true);
    g.enableBets(
        betAllowed(state, player, GambleBet::Red), betAllowed(state, player, GambleBet::Hearts));
    g.showAmounts(state.atrisk);
    g.slideBanner(g.gamblewin, services.pacing);
}

void Tarnix::gambleLost(GambleBet bet)
{
    DoublePanel &g = *pandouble;
    doublebutton->setEnabled(false);
    services.sound.play(125);
    loseGamble(state, player);
    g.slideBanner(g.gamblelose, services.pacing);
    g.lblblackred->hide();
    g.lblsuit->hide();
    g.risklab->setText(QStringLiteral("No Win  "));
    g.betred->setEnabled(false);
    g.betblack->setEnabled(false);
    g.cancelbet->setEnabled(false);
    g.repaint();
    services.pacing.processEvents();
    if (ended) {
        return;
    }
    services.pacing.sleep(kLossPauseMs);
    // Keys and clicks made during the pause were queued; they run here, while the panel
    // still holds the keys and the buttons are off, so none of them starts a game later.
    services.pacing.processEvents();
    if (ended) {
        return;
    }
    g.hide();
    refreshCredit();
    LABWIN->setText(QStringLiteral("No Win"));
    // The suit bet's loss also clears the stake's dollars; a colour loss leaves them shown.
    if (isSuitBet(bet)) {
        lblwin->setText(QStringLiteral(" "));
    }
    giveBackTheCabinet();
}

void Tarnix::giveBackTheCabinet()
{
    payline.each([](PictureButton *b) { b->setEnabled(true); });
    play.each([](PictureButton *b) { b->setEnabled(true); });
    COINSIN->setEnabled(true);
    setFocus();
    KeyPreview = true;
    services.recall->gambleEnded(state, player);
    // Like a settled game: whatever the gamble ended with is what a crash must leave stored.
    journalSettle(false);
    services.care->follow({ player.games, player.wager, player.total });
}

} // namespace slot
