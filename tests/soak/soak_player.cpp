// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The unattended player's moves and the ledger's checks after each of them.
#include "soak/soak_player.hpp"

#include "gamble/double_panel.hpp"
#include "players/options_window.hpp"
#include "rules/game_tables.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRadioButton>
#include <QTest>

namespace slot::test
{

namespace
{
std::string str(long long v)
{
    return std::to_string(v);
}
} // namespace

SoakPlayer::SoakPlayer(std::uint64_t seed, const QString &recordFile)
    : rng(seed)
    , choose(seed ^ 0x9e3779b97f4a7c15ULL)
    , store(recordFile)
    , recallDir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
              ? QStringLiteral("/dev/shm/tarnix-soak-XXXXXX")
              : QFileInfo(recordFile).absoluteDir().filePath(QStringLiteral("recall-XXXXXX")))
    , recallFiles(recallDir.filePath(QStringLiteral("state")).toStdString())
{
    services.loadRecord = [this](int n, PlayerState &p) { store.loadLenient(n, p); };
    services.saveRecord = [this](const PlayerState &p) { store.save(p); };
    services.loadRecordResetting = [this](int n, PlayerState &p) { store.loadResetting(n, p); };
    services.readName = [this](int n) { return store.readName(n); };
    services.endProgram = [this] { ended = true; };
    services.information = [](const std::string &, const std::string &) {};
    pacing.onProcessEvents = [this] { impatient(); };
    open();
    ledger.start = player.bank;
}

SoakPlayer::~SoakPlayer() = default;

void SoakPlayer::open()
{
    player = PlayerState {};
    ended = false;
    // Every start is a new run: the recall comes back from its files, the session starts anew.
    services.recall = std::make_shared<GameRecall>(&recallFiles);
    w = std::make_unique<Tarnix>(player, services);
    w->Form_Load();
}

Figures SoakPlayer::figures() const
{
    return { player.bank, player.games, player.wager, player.total, player.amountinvested };
}

bool SoakPlayer::atRest() const
{
    return !w->gameRunning() && w->state.freespins < 1 && w->pandouble->isHidden()
        && w->takewin->isHidden();
}

void SoakPlayer::fault(const std::string &what)
{
    if (problem.empty()) {
        problem = what;
    }
}

void SoakPlayer::note(std::string what)
{
    recent.push_back(std::move(what));
    if (recent.size() > 12) {
        recent.pop_front();
    }
}

std::string SoakPlayer::history() const
{
    std::string h;
    for (const auto &m : recent) {
        h += "\n  " + m;
    }
    return h;
}

std::string SoakPlayer::step()
{
    ++moves;
    const Figures before = figures();
    const long long investedBefore = ledger.coins + ledger.quick - ledger.zeroed;
    const int paidGamesBefore = services.recall->session(slot).paidGames;
    std::optional<RecallEntry> newestBefore;
    if (!services.recall->ring(slot).empty()) {
        newestBefore = services.recall->ring(slot).front();
    }
    if (w->state.freespins >= 1 || !w->takewin->isHidden()) {
        runFeature(); // the feature plays itself: the only choices are to wait or to quit
    } else {
        // Weights: mostly games, as a real session is; coins and lines often; the rest rarely.
        const int r = std::uniform_int_distribution<int>(1, 1000)(choose);
        if (r <= 300) {
            playBet(false);
        } else if (r <= 500) {
            playBet(true);
        } else if (r <= 620) {
            insertCoin();
        } else if (r <= 720) {
            chooseLines();
        } else if (r <= 850) {
            gamble();
        } else if (r <= 920) {
            countWin();
        } else if (r <= 960) {
            quickCredit();
        } else if (r <= 970) {
            zeroCredit();
        } else if (r <= 975) {
            quitAndReload();
        } else if (r <= 990) {
            options();
        }
    }
    const Figures after = figures();
    if (rebased) {
        rebased = false;
        return problem.empty() ? std::string() : problem + history();
    }
    ledger.stakes += static_cast<long long>(after.wager) - before.wager;
    ledger.wins += static_cast<long long>(after.total) - before.total;
    ledger.featureWins = w->state.winmeter;
    if (after.bank < 0) {
        fault("the bank went negative: " + str(after.bank));
    }
    if (after.bank != ledger.expectedBank()) {
        fault("the bank holds " + str(after.bank) + " but the ledger accounts for "
            + str(ledger.expectedBank()));
    }
    const long long invested = ledger.coins + ledger.quick - ledger.zeroed - investedBefore;
    if (static_cast<long long>(after.amountinvested) - before.amountinvested != invested) {
        fault("the amount invested moved by "
            + str(static_cast<long long>(after.amountinvested) - before.amountinvested) + " for "
            + str(invested) + " put in or given up");
    }
    if (w->gameRunning()) {
        fault("a game is still running after the move returned");
    }
    checkRecall(before, paidGamesBefore, newestBefore);
    if (!problem.empty()) {
        return problem + history();
    }
    return {};
}

void SoakPlayer::checkRecall(
    const Figures &before, int paidGamesBefore, const std::optional<RecallEntry> &newestBefore)
{
    GameRecall &recall = *services.recall;
    const int paidGames = recall.session(slot).paidGames;
    if (paidGames > paidGamesBefore + 1) {
        fault("one move recalled " + str(paidGames - paidGamesBefore) + " paid games");
    }
    if (recall.ring(slot).empty()) {
        if (paidGames > 0) {
            fault("a paid game was not recalled");
        }
        return;
    }
    const RecallEntry &e = recall.ring(slot).front();
    if (paidGames > paidGamesBefore && e.creditBefore != before.bank) {
        fault("the recalled game began with a credit of " + str(e.creditBefore)
            + " but the ledger had " + str(before.bank));
    }
    if (!newestBefore || !(e == *newestBefore)) {
        if (e.creditAfter != ledger.expectedBank()) {
            fault("the recalled game left a credit of " + str(e.creditAfter)
                + " but the ledger accounts for " + str(ledger.expectedBank()));
        }
        if (e.settled && !e.feature && !e.gamble.opened
            && e.creditAfter - e.creditBefore != e.game.win - e.stake) {
            fault("the recalled game's credit moved by " + str(e.creditAfter - e.creditBefore)
                + " for a win of " + str(e.game.win) + " on a stake of " + str(e.stake));
        }
    }
    if (recall.lastStoreFailed()) {
        fault("the recall file could not be stored");
    }
}

void SoakPlayer::insertCoin()
{
    if (!w->COINSIN->isVisible() || !w->COINSIN->isEnabled()) {
        return;
    }
    const Money invested = player.amountinvested;
    w->COINSIN->click();
    ledger.coins += 20;
    if (player.amountinvested != invested + 20) {
        fault("a coin was not counted as invested");
    }
    note("coin");
}

void SoakPlayer::chooseLines()
{
    const int i = std::uniform_int_distribution<int>(1, 5)(choose);
    w->payline(i)->click();
    if (w->state.linesplayed != tables::linesPerButton[static_cast<std::size_t>(i)]) {
        fault("lines button " + str(i) + " left " + str(w->state.linesplayed) + " lines");
    }
    note("lines " + str(w->state.linesplayed));
}

void SoakPlayer::playBet(bool bySpaceBar)
{
    const int i = bySpaceBar ? 0 : std::uniform_int_distribution<int>(1, 6)(choose);
    const long long bet
        = bySpaceBar ? w->state.betperline : tables::betPerButton[static_cast<std::size_t>(i)];
    const long long stake = bet * w->state.linesplayed;
    const Figures before = figures();
    const Money lastWin = w->state.thiswin;
    if (bySpaceBar) {
        QTest::keyClick(w.get(), Qt::Key_Space);
    } else {
        w->play(i)->click();
    }
    const Figures after = figures();
    note(std::string(bySpaceBar ? "space" : "click") + " bet " + str(bet) + " stake " + str(stake)
        + " bank " + str(before.bank) + " -> " + str(after.bank));
    if (bet == 0) {
        return; // no bet chosen yet: the space bar has nothing to repeat
    }
    // The key guard may hold the space bar until a game is played with the mouse.
    if (bySpaceBar && after == before && w->state.keyguard >= 2) {
        return;
    }
    if (stake > before.bank) {
        ++refusedPlays;
        if (!(after == before)) {
            fault("a game without the credit for it moved money");
        }
        // The refused game still clears the collect, so a gamble now stakes the last game's win.
        if (!bySpaceBar) {
            ledger.offer = lastWin;
        }
        return;
    }
    ++games;
    if (w->state.freespins >= 1) {
        ++features;
        return; // the feature's money settles at the collect
    }
    if (after.wager - before.wager != stake || after.games - before.games != 1) {
        fault("a paid game staked " + str(after.wager - before.wager) + " over "
            + str(after.games - before.games) + " games, expected " + str(stake));
    }
    const long long paid = static_cast<long long>(after.bank) - before.bank + stake;
    if (paid != static_cast<long long>(after.total) - before.total) {
        fault("a game paid " + str(paid) + " but recorded a win of "
            + str(static_cast<long long>(after.total) - before.total));
    }
    ledger.offer = paid;
}

void SoakPlayer::quickCredit()
{
    const Money bank = player.bank;
    w->mnuquickcredit->trigger();
    const long long added = static_cast<long long>(player.bank) - bank;
    const bool allowed = static_cast<long long>(bank) + 5000 <= 50000;
    if (added != (allowed ? 5000 : 0)) {
        fault("quick credit added " + str(added) + " to a bank of " + str(bank));
    }
    ledger.quick += added;
    note("quick credit " + str(added));
}

void SoakPlayer::zeroCredit()
{
    ledger.zeroed += player.bank;
    w->mnuzerocredit->trigger();
    ledger.offer = 0;
    if (player.bank != 0) {
        fault("zero credit left " + str(player.bank));
    }
    note("zero credit");
}

void SoakPlayer::countWin()
{
    int ticks = 0;
    while (w->Timerwincounter->isActive() && ticks++ < 100000) {
        w->Timerwincounter_Timer();
    }
    note("win counted");
}

void SoakPlayer::enterSlot(int next, const Figures &expected, const char *how)
{
    if (!(figures() == expected)) {
        fault(std::string(how) + ": slot " + str(next) + " holds bank " + str(player.bank)
            + ", games " + str(player.games) + " (left with bank " + str(expected.bank) + ", games "
            + str(expected.games) + ")");
    }
    slot = next;
    ledger = Ledger {};
    ledger.start = player.bank;
    rebased = true;
}

// The options window: another slot (its own credit and statistics), a reel speed and the
// win counter, then OK. The slot left is stored when the window opens.
void SoakPlayer::options()
{
    if (!atRest()) {
        return;
    }
    const Figures leaving = figures();
    w->mnuplayer_Click();
    frmtarnixoptions *o = w->optionsWindow.data();
    if (!o) {
        fault("the options window did not open at rest");
        return;
    }
    slotFigures[static_cast<std::size_t>(slot)] = leaving;
    const int next = std::uniform_int_distribution<int>(1, 6)(choose);
    o->machine(next)->click();
    o->setspeed[static_cast<std::size_t>(std::uniform_int_distribution<int>(0, 4)(choose))]
        ->click();
    o->wincounter(std::uniform_int_distribution<int>(1, 2)(choose))->click();
    o->btnokplayer_Click();
    // The closed window deletes itself from the event loop, which a zero-pacing run never
    // enters: hand it its deferred delete, as the running game's loop would.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (w->optionsWindow) {
        fault("the options window outlived its OK");
    }
    note("options: slot " + str(slot) + " -> " + str(next));
    if (next != slot) {
        enterSlot(next, slotFigures[static_cast<std::size_t>(next)], "a slot switch");
    }
}

void SoakPlayer::quitAndReload()
{
    const bool gambleOpen = !w->pandouble->isHidden();
    const long long owedByGamble = ledger.atRisk;
    w->mnuexit_Click();
    if (!ended) {
        fault("the exit command did not end the program");
    }
    // Leaving pays what was already won: the gamble's amount at risk, as TAKE WIN would, and
    // a feature's win meter, as the collect would (the feature's one stake kept). The
    // statistics' deltas carry both into the ledger; only the table's stake is settled here.
    ledger.gambleStake = ledger.atRisk = ledger.offer = 0;
    const Figures left = figures();
    if (gambleOpen && left.bank < owedByGamble) {
        fault("quitting with the gamble open did not pay back its " + str(owedByGamble));
    }
    slotFigures[static_cast<std::size_t>(slot)] = left;
    const RecallRing recalled = services.recall->ring(slot);
    w.reset();
    open();
    if (!(services.recall->ring(slot) == recalled)) {
        fault("the recall of slot " + str(slot) + " did not read back as it was stored");
    }
    ++reloads;
    note(std::string("quit and reload") + (gambleOpen ? " with the gamble open" : ""));
    // The game always starts in slot 1, whichever slot was left.
    enterSlot(1, slotFigures[1], "the reloaded record");
}

} // namespace slot::test
