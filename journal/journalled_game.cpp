// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Mirrors the cabinet's handlers step for step; only the pictures, sounds and timers are gone.
#include "journal/journalled_game.hpp"

#include "flow/money_in.hpp"
#include "flow/quit_settle.hpp"
#include "rules/play.hpp"
#include "rules/reel_motion.hpp"
#include "rules/reel_outcome.hpp"

namespace slot
{

JournalledGame::JournalledGame(JournalledDisk &d, Rng &r, GameRecall::Clock clock)
    : recall(&d.recall, std::move(clock))
    , disk(d)
    , rng(r)
    , journal(&d.journal)
{
}

bool JournalledGame::start()
{
    p.playerslot = "1";
    disk.loadRecord(1, p);
    s.linesplayed = 25;
    normaliseReelspeed(p.reelspeed);
    const GameJournal::AtStart found = journal.atStart(rng);
    if (!found.generatorKept) {
        journal.commit(JournalPhase::Idle, s, p, rng, recall, false, false);
    }
    if (!found.resume) {
        return false;
    }
    const JournalEntry &e = *found.resume;
    if (e.slot != 1) {
        p.playerslot = std::to_string(e.slot);
        disk.loadRecord(e.slot, p);
    }
    restoreGame(e, s, p, rng, recall);
    offered = e.offered;
    switch (e.phase) {
    case JournalPhase::Stands:
        finishStanding();
        break;
    case JournalPhase::GambleOpen:
        gamble = true;
        break;
    case JournalPhase::GambleDrawn:
        gamble = true;
        applyDraw(e.draws.back());
        break;
    case JournalPhase::Settled:
        journal.settle(p, rng, offered, disk.saveRecord, recall, s, e.table);
        break;
    case JournalPhase::Idle:
    case JournalPhase::FeatureNext:
    case JournalPhase::CollectWaiting:
        break;
    }
    return true;
}

bool JournalledGame::storeMoneyIn()
{
    journal.closeBeforeRecord(s, p, rng, recall, offered);
    return disk.saveRecord(p);
}

void JournalledGame::coin()
{
    if (featureRunning() || collectWaiting() || gamble) {
        return;
    }
    if (putIn(p, kCoin)) {
        storeMoneyIn();
    }
}

void JournalledGame::quickCredit()
{
    if (featureRunning() || collectWaiting() || gamble) {
        return;
    }
    if (static_cast<long long>(p.bank) + kQuickCredit <= kQuickCreditLimit
        && putIn(p, kQuickCredit)) {
        storeMoneyIn();
    }
}

void JournalledGame::zeroCredit()
{
    if (featureRunning() || collectWaiting() || gamble) {
        return;
    }
    addTo(p.amountinvested, -static_cast<long long>(p.bank));
    p.bank = 0;
    offered = false; // a win given up with the credit is not gambled after a restart either
    storeMoneyIn();
}

void JournalledGame::play(int lines, int index)
{
    if (featureRunning() || collectWaiting() || gamble) {
        return;
    }
    s.linesplayed = static_cast<Short>(lines);
    runGame(index);
}

void JournalledGame::nextFreeGame()
{
    if (featureRunning()) {
        runGame(buttonForBet(s.betperline));
    }
}

void JournalledGame::runGame(int index)
{
    // The result is written once it stands, before the reels would show it.
    const GameWatch watch {
        [this](const MainState &, const PlayerState &) {
            journal.commit(JournalPhase::Stands, s, p, rng, recall);
            recall.resultStands(s, p);
        },
        [this](const MainState &, const PlayerState &) { recall.gameSettled(s, p); },
    };
    const GameReport report = playGame(s, p, rng, index, &watch);
    if (report.start != PlayStart::NotEnoughCredit) {
        offered = false; // a game takes the double-up offer away
        afterSettlement(report.settlement);
    }
}

void JournalledGame::finishStanding()
{
    recall.resultStands(s, p);
    settleHoldsAfterAnimation(s);
    planResult(s, p, rng);
    const Settlement settled = settleResult(s, p);
    recall.gameSettled(s, p);
    s.keyguard = 0;
    afterSettlement(settled);
}

void JournalledGame::afterSettlement(Settlement settled)
{
    if (s.freespins > 0) {
        journal.commit(s.freespinsdone < s.freespins ? JournalPhase::FeatureNext
                                                     : JournalPhase::CollectWaiting,
            s, p, rng, recall);
        return;
    }
    offered = settled == Settlement::PaidWin && s.thiswin > 0;
    journal.settleGame(p, disk.saveRecord);
}

void JournalledGame::collect()
{
    if (!collectWaiting()) {
        return;
    }
    collectWinmeter(s, p);
    recall.featureCollected(s, p);
    offered = true;
    journal.commit(JournalPhase::Settled, s, p, rng, recall, offered);
    journal.settle(p, rng, offered, disk.saveRecord, recall, s);
}

void JournalledGame::openGamble()
{
    if (!offered || gamble) {
        return;
    }
    offered = false;
    gamble = true;
    slot::openGamble(s, p);
    recall.gambleOpened(s, p);
    journal.gambleOpened();
    journal.commit(JournalPhase::GambleOpen, s, p, rng, recall);
}

void JournalledGame::draw(GambleBet bet)
{
    if (!gamble || !betAllowed(s, p, bet)) {
        return;
    }
    const int card = drawGambleCard(s, rng);
    const JournalDraw d { bet, card, betWins(bet, card), s.atrisk, s.historycount };
    journal.cardDecided(d);
    journal.commit(JournalPhase::GambleDrawn, s, p, rng, recall);
    applyDraw(d);
}

void JournalledGame::applyDraw(const JournalDraw &d)
{
    recall.gambleDrawn(d.bet, d.card, d.won, d.stake);
    if (d.won) {
        winDraw(s, d.bet);
        return;
    }
    loseGamble(s, p);
    endGamble();
}

void JournalledGame::takeWin()
{
    if (!gamble) {
        return;
    }
    takeGambleWin(s, p);
    recall.gambleEnded(s, p);
    gamble = false;
    journal.commit(JournalPhase::Settled, s, p, rng, recall);
    journal.settle(p, rng, false, disk.saveRecord, recall, s);
}

void JournalledGame::endGamble()
{
    recall.gambleEnded(s, p);
    gamble = false;
    journal.settle(p, rng, false, disk.saveRecord, recall, s);
}

void JournalledGame::quit()
{
    const Money atrisk = s.atrisk;
    const GameWatch watch = recall.watcher();
    settleBeforeQuit(s, p, gamble, rng, &watch);
    recall.quitSettled(s, gamble, atrisk, p);
    gamble = false;
    offered = false;
    journal.commit(JournalPhase::Settled, s, p, rng, recall, false, false);
    journal.settle(p, rng, false, disk.saveRecord, recall, s, false);
}

} // namespace slot
