// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Game recall as the cabinet feeds it: scripted games through the real rules, with the
// recorder called at the moments the cabinet calls it, then its files on real folders.
#include "flow/quit_settle.hpp"
#include "gamble/gamble_rules.hpp"
#include "players/durable_file.hpp"
#include "players/game_recall.hpp"
#include "players/recall_file.hpp"
#include "players/recall_json.hpp"
#include "rules/game_result.hpp"
#include "rules/play.hpp"
#include "rules/reel_motion.hpp"
#include "rules/reel_outcome.hpp"
#include "rules/win_evaluation.hpp"
#include "support/scripted_rng.hpp"
#include "support/windows.hpp"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace slot;
using slot::test::ScriptedRng;
using slot::test::Stops;

namespace
{

constexpr std::time_t kNow = 1'800'000'000;

bool shows(const Stops &s, int reel, Sym sym)
{
    return test::showsOn(reel, s[static_cast<std::size_t>(reel)], sym);
}

bool noWild(const Stops &s)
{
    return !shows(s, 2, kWild) && !shows(s, 3, kWild) && !shows(s, 4, kWild);
}

Stops triggerWindow()
{
    return *test::findWindow([](const Stops &s) {
        const auto r = evaluateWindow(s, kLines);
        return r.scatters == 3 && r.lineUnits == 0 && noWild(s);
    });
}

// A plain line win of at most twice the stake at 25 lines, so the payback check keeps it.
Stops smallWin()
{
    return *test::findWindow([](const Stops &s) {
        const auto r = evaluateWindow(s, kLines);
        return r.scatters < 2 && r.lineUnits > 0 && r.lineUnits <= 50 && noWild(s);
    });
}

// A big line win the payback check may replace.
Stops bigWin()
{
    return *test::findWindow([](const Stops &s) {
        const auto r = evaluateWindow(s, kLines);
        return r.scatters < 2 && r.lineUnits > 60 && noWild(s);
    });
}

Stops wildOnReel3()
{
    return *test::findWindow([](const Stops &s) {
        const auto r = evaluateWindow(s, kLines);
        return r.scatters < 2 && shows(s, 3, kWild) && !shows(s, 2, kWild) && !shows(s, 4, kWild)
            && r.lineUnits <= 50;
    });
}

std::array<Sym, kCells> windowOf(const Stops &s)
{
    std::array<Sym, kCells> w {};
    for (int row = 1; row <= 3; ++row) {
        for (int reel = 1; reel <= kReels; ++reel) {
            w[static_cast<std::size_t>((row - 1) * kReels + reel - 1)]
                = symbolAt(reel, s[static_cast<std::size_t>(reel)], row);
        }
    }
    return w;
}

// A stored game written by hand, with its first cell's symbol as given.
QByteArray oneGame(const char *firstSymbol)
{
    return QByteArray("{\"version\":1,\"games\":[{\"when\":\"x\",\"linesPlayed\":1,"
                      "\"betPerLine\":1,\"stake\":1,\"creditBefore\":1,\"creditAfter\":0,"
                      "\"settled\":true,\"game\":{\"window\":[")
        + firstSymbol
        + ",1,1,1,1,1,1,1,1,1,1,1,1,1,1],\"held\":[],\"winningLines\":[],\"scatters\":0,"
          "\"scatterPay\":0,\"multiplier\":1,\"win\":0,\"freeGamesAwarded\":0},"
          "\"feature\":false,\"freeGames\":[],\"collected\":false,"
          "\"collectedOnQuit\":false,\"collect\":0}]}";
}

// The cabinet's steps for one Play, with the recorder where the cabinet calls it.
struct Table {
    ScriptedRng rng;
    MainState s;
    PlayerState p;
    GameRecall recall;

    explicit Table(RecallStorage *storage = nullptr, Money bank = 10000)
        : recall(storage, [] { return kNow; })
    {
        s.linesplayed = 25;
        p.bank = bank;
        p.reelspeed = 1;
        p.playerslot = "1";
        p.wager = 1000000; // far from the 2000 % rule, so every trigger takes its keep draw
    }

    void play(int button)
    {
        QVERIFY(startPlay(s, p, button) != PlayStart::NotEnoughCredit);
        clearBeforeSpin(s);
        for (;;) {
            clearPreviousOutcome(s);
            for (int reel = 1; reel <= kReels; ++reel) {
                spinReelOutcome(s, reel, rng);
            }
            evaluateWins(s, p, rng);
            if (paybackCheck(s, p, rng) == Verdict::Stands) {
                break;
            }
        }
        recall.resultStands(s, p);
        settleHoldsAfterAnimation(s);
        planResult(s, p, rng);
        settleResult(s, p);
        recall.gameSettled(s, p);
        QVERIFY(!rng.exhausted);
    }
    void paid(const Stops &w, int button = 1)
    {
        rng.stops({ w[1], w[2], w[3], w[4], w[5] }).keep();
        play(button);
    }
    void trigger(const Stops &w)
    {
        rng.stops({ w[1], w[2], w[3], w[4], w[5] }).keep().tune(1);
        play(1);
    }
    void free(const Stops &w, bool retrigger = false)
    {
        rng.stops({ w[1], w[2], w[3], w[4], w[5] }).multiplierDraw(25).keep();
        if (retrigger) {
            rng.tune(2);
        }
        play(buttonForBet(s.betperline));
    }
    void collect()
    {
        collectWinmeter(s, p);
        recall.featureCollected(s, p);
    }
    void openTheGamble()
    {
        openGamble(s, p);
        recall.gambleOpened(s, p);
    }
    // One draw; a loss gives the cabinet back as the loss does.
    bool draw(GambleBet bet, int card)
    {
        rng.pick(card, 4);
        const int drawn = drawGambleCard(s, rng);
        const bool won = betWins(bet, drawn);
        recall.gambleDrawn(bet, drawn, won, s.atrisk);
        if (won) {
            winDraw(s, bet);
        } else {
            recall.gambleEnded(s, p);
        }
        return won;
    }
    void takeWin()
    {
        takeGambleWin(s, p);
        recall.gambleEnded(s, p);
    }
    void quit(bool gambleOpen)
    {
        const Money atrisk = s.atrisk;
        const GameWatch watch = recall.watcher();
        settleBeforeQuit(s, p, gambleOpen, rng, &watch);
        recall.quitSettled(s, gambleOpen, atrisk, p);
    }
    const RecallEntry &newest() { return recall.ring(1).front(); }
};

} // namespace

class GameRecallTest : public QObject
{
    Q_OBJECT
private slots:
    void losingGameAndLineWinAreRecordedAsTheyStood()
    {
        Table t;
        const Stops blank = test::blankWindow();
        t.paid(blank, 2);
        const RecallEntry &lost = t.newest();
        QCOMPARE(lost.when, localTimeText(kNow));
        QCOMPARE(lost.when.size(), std::size_t(19));
        QCOMPARE(lost.linesPlayed, 25);
        QCOMPARE(lost.betPerLine, 2);
        QCOMPARE(lost.stake, Money(50));
        QVERIFY(lost.game.window == windowOf(blank));
        QVERIFY(lost.game.lines.empty());
        QCOMPARE(lost.game.win, Money(0));
        QCOMPARE(lost.creditBefore, Money(10000));
        QCOMPARE(lost.creditAfter, Money(9950));
        QVERIFY(lost.settled);

        const Stops win = smallWin();
        t.paid(win);
        QCOMPARE(t.recall.ring(1).size(), std::size_t(2));
        const RecallEntry &e = t.newest();
        QVERIFY(e.game.window == windowOf(win));
        QCOMPARE(e.game.win, t.s.thiswin);
        QVERIFY(e.game.win > 0);
        Money lines = 0;
        for (const RecallLine &l : e.game.lines) {
            QCOMPARE(l.count, int(t.s.winlength[static_cast<std::size_t>(l.line)]));
            QCOMPARE(
                l.symbol, e.game.at(1, tables::paylineRows[static_cast<std::size_t>(l.line)][1]));
            lines += l.pay;
        }
        QCOMPARE(lines + e.game.scatterPay, e.game.win);
        QCOMPARE(e.creditBefore, Money(9950));
        QCOMPARE(e.creditAfter, Money(9950 - 25 + e.game.win));
        QCOMPARE(e.creditAfter, t.p.bank);
        QCOMPARE(t.recall.ring(1)[1].creditAfter, Money(9950)); // newest first
    }

    void onlyTheStandingResultIsRecorded()
    {
        Table t;
        const Stops replaced = bigWin();
        const Stops standing = test::blankWindow();
        t.rng.stops({ replaced[1], replaced[2], replaced[3], replaced[4], replaced[5] }).replace();
        t.rng.stops({ standing[1], standing[2], standing[3], standing[4], standing[5] }).keep();
        t.play(1);
        QCOMPARE(t.recall.ring(1).size(), std::size_t(1));
        QVERIFY(t.newest().game.window == windowOf(standing));
        QCOMPARE(t.newest().game.win, Money(0));
        QCOMPARE(t.newest().creditBefore, Money(10000));
        QCOMPARE(t.newest().creditAfter, Money(10000 - 25));
        QCOMPARE(t.recall.session(1).paidGames, 1);
    }

    void aHeldReelIsMarkedAndKeepsItsSymbols()
    {
        Table t;
        const Stops wild = wildOnReel3();
        t.paid(wild);
        QVERIFY(!t.newest().game.held[3]);
        const Stops next = test::blankWindow();
        t.rng.pick(next[1], kStops)
            .pick(next[2], kStops)
            .pick(next[4], kStops)
            .pick(next[5], kStops);
        t.rng.keep();
        t.play(1);
        const RecallGame &g = t.newest().game;
        QVERIFY(g.held[3]);
        QVERIFY(!g.held[2] && !g.held[4]);
        for (int row = 1; row <= 3; ++row) {
            QCOMPARE(g.at(3, row), symbolAt(3, wild[3], row));
            QCOMPARE(g.at(1, row), symbolAt(1, next[1], row));
        }
    }

    void aWholeFeatureIsOneEntryWithItsRetriggerAndCollect()
    {
        Table t;
        const Stops trigger = triggerWindow();
        const Stops blank = test::blankWindow();
        t.trigger(trigger);
        QCOMPARE(t.recall.ring(1).size(), std::size_t(1));
        QVERIFY(t.newest().feature);
        QVERIFY(!t.newest().settled);
        QCOMPARE(t.newest().game.freeGamesAwarded, 11);
        QCOMPARE(t.newest().game.scatters, 3);
        for (int k = 0; k < 4; ++k) {
            t.free(blank);
        }
        t.free(trigger, true); // the retrigger
        while (t.s.freespinsdone < t.s.freespins) {
            t.free(blank);
        }
        QCOMPARE(t.s.freespins, Short(22));
        const RecallEntry &e = t.newest();
        QCOMPARE(t.recall.ring(1).size(), std::size_t(1));
        QCOMPARE(e.freeGames.size(), std::size_t(21));
        QCOMPARE(e.freeGames[4].freeGamesAwarded, 11);
        QVERIFY(e.freeGames[4].window == windowOf(trigger));
        QCOMPARE(e.freeGames[0].multiplier, 1); // no line over a wild
        QVERIFY(!e.collected);
        QCOMPARE(t.recall.session(1).paid.size(), std::size_t(0)); // not settled before the collect

        const Money winmeter = t.s.winmeter;
        Money sum = e.game.win;
        for (const RecallGame &g : e.freeGames) {
            sum += g.win;
        }
        QCOMPARE(sum, winmeter);
        t.collect();
        QVERIFY(e.collected && e.settled && !e.collectedOnQuit);
        QCOMPARE(e.collect, winmeter);
        QCOMPARE(e.creditAfter, t.p.bank);
        QCOMPARE(e.creditAfter, Money(e.creditBefore - e.stake + winmeter));
        const SessionMeters &m = t.recall.session(1);
        QCOMPARE(m.paidGames, 1);
        QCOMPARE(m.staked, 25LL);
        QCOMPARE(m.won(), static_cast<long long>(winmeter));
        QCOMPARE(m.credit, (std::vector<Money> { 10000, t.p.bank }));
    }

    void gambleDrawsLandInTheEntryWhoseWinTheyStaked()
    {
        Table t;
        t.paid(smallWin());
        const Money win = t.s.thiswin;
        const Money before = t.newest().creditBefore;
        t.openTheGamble();
        QVERIFY(t.draw(GambleBet::Red, kHearts));
        QVERIFY(!t.draw(GambleBet::Black, kDiamonds));
        const RecallGamble &g = t.newest().gamble;
        QVERIFY(g.opened);
        QCOMPARE(g.stake, win);
        QCOMPARE(g.draws.size(), std::size_t(2));
        QCOMPARE(g.draws[0], (RecallDraw { GambleBet::Red, win, kHearts, true }));
        QCOMPARE(g.draws[1], (RecallDraw { GambleBet::Black, 2 * win, kDiamonds, false }));
        QCOMPARE(g.ending, GambleEnding::Lost);
        QCOMPARE(g.paid, Money(0));
        QCOMPARE(t.newest().creditAfter, t.p.bank);
        QCOMPARE(t.newest().creditAfter, Money(before - 25));
        QCOMPARE(t.recall.session(1).won(), 0LL);

        // TAKE WIN after a suit win: the result replaces the game's win in the session.
        t.paid(smallWin());
        t.openTheGamble();
        QVERIFY(t.draw(GambleBet::Spades, kSpades));
        t.takeWin();
        QCOMPARE(t.newest().gamble.ending, GambleEnding::TakeWin);
        QCOMPARE(t.newest().gamble.paid, Money(4 * win));
        QCOMPARE(t.newest().creditAfter, t.p.bank);
        QCOMPARE(t.recall.session(1).won(), 4LL * win);
        QCOMPARE(t.recall.session(1).biggestWin(), 4LL * win);
        QCOMPARE(t.recall.session(1).credit.back(), t.p.bank);
        QVERIFY(!t.recall.ring(1)[1].gamble.draws.empty()); // the earlier gamble stays its own
    }

    // A refused Play after the collect clears it, so the gamble stakes only the last free
    // game's win: the collect itself stays paid.
    void aGambleOfTheLastFreeGamesWinLeavesTheCollectPaid()
    {
        Table t(nullptr, 30);
        t.trigger(triggerWindow());
        while (t.s.freespinsdone < t.s.freespins - 1) {
            t.free(test::blankWindow());
        }
        t.free(smallWin());
        const Money last = t.s.thiswin;
        QVERIFY(last > 0);
        t.collect();
        const Money collect = t.newest().collect;
        QCOMPARE(startPlay(t.s, t.p, 6), PlayStart::NotEnoughCredit);
        t.openTheGamble();
        QCOMPARE(t.newest().gamble.stake, last);
        QVERIFY(!t.draw(GambleBet::Red, kClubs));
        QCOMPARE(t.newest().paid(), Money(collect - last));
        QCOMPARE(t.recall.session(1).won(), static_cast<long long>(collect - last));
        QCOMPARE(t.newest().creditAfter, t.p.bank);
    }

    void quittingSettlesTheGambleAndTheFeatureInTheirEntries()
    {
        Table t;
        t.paid(smallWin());
        const Money win = t.s.thiswin;
        t.openTheGamble();
        QVERIFY(t.draw(GambleBet::Red, kDiamonds));
        t.quit(true);
        QCOMPARE(t.newest().gamble.ending, GambleEnding::SettledOnQuit);
        QCOMPARE(t.newest().gamble.paid, Money(2 * win));
        QCOMPARE(t.newest().creditAfter, t.p.bank);

        Table f;
        f.trigger(triggerWindow());
        f.free(test::blankWindow());
        const Money owed = f.s.winmeter;
        // The free games still owed are played out on the way out, each one recorded.
        const Stops blank = test::blankWindow();
        const int stillOwed = f.s.freespins - f.s.freespinsdone;
        const std::size_t played = f.newest().freeGames.size();
        QVERIFY(stillOwed > 0);
        for (int k = 0; k < stillOwed; ++k) {
            f.rng.stops({ blank[1], blank[2], blank[3], blank[4], blank[5] })
                .multiplierDraw(25)
                .keep();
        }
        f.quit(false);
        QCOMPARE(f.newest().freeGames.size(), played + static_cast<std::size_t>(stillOwed));
        QVERIFY(f.newest().collected && f.newest().collectedOnQuit && f.newest().settled);
        QVERIFY(!f.rng.exhausted && f.rng.left() == 0);
        QCOMPARE(f.newest().collect, owed);
        QCOMPARE(f.newest().creditAfter, f.p.bank);
        QCOMPARE(f.newest().creditAfter, Money(10000 - 25 + owed));
    }

    void theRingKeepsTheTenNewest()
    {
        Table t;
        const Stops blank = test::blankWindow();
        for (int k = 0; k < 12; ++k) {
            t.paid(blank);
        }
        const RecallRing &ring = t.recall.ring(1);
        QCOMPARE(ring.size(), std::size_t(kRecallGames));
        for (std::size_t k = 0; k < ring.size(); ++k) {
            QCOMPARE(ring[k].creditAfter, Money(10000 - 25 * (12 - static_cast<int>(k))));
        }
        QCOMPARE(t.recall.session(1).paidGames, 12);
        QCOMPARE(t.recall.session(1).credit.size(), std::size_t(13));
        QCOMPARE(t.recall.session(1).net(), -300LL);
        // Another slot has its own recall and session.
        t.p.playerslot = "2";
        t.paid(blank);
        QCOMPARE(t.recall.ring(2).size(), std::size_t(1));
        QCOMPARE(t.recall.ring(1).size(), std::size_t(kRecallGames));
        QCOMPARE(t.recall.session(2).paidGames, 1);
    }

    void savedRecallReadsBackTheSame()
    {
        QTemporaryDir dir;
        const std::string folder = dir.filePath(QStringLiteral("state/slots_tarnix")).toStdString();
        FileRecallStorage files(folder);
        Table t(&files);
        t.paid(smallWin());
        t.openTheGamble();
        t.draw(GambleBet::Hearts, kClubs);
        t.trigger(triggerWindow());
        t.free(triggerWindow(), true);
        t.quit(false);
        QVERIFY(!t.recall.lastStoreFailed());
        QVERIFY(QFile::exists(QString::fromStdString(files.pathOf(1))));

        FileRecallStorage again(folder);
        const RecallRing read = again.load(1);
        QCOMPARE(read.size(), std::size_t(2));
        QVERIFY(read == t.recall.ring(1));
        QVERIFY(again.load(2).empty());

        const auto byHand = recallFromJson(oneGame("12").toStdString());
        QVERIFY(byHand && byHand->size() == 1 && byHand->front().game.at(1, 1) == kScatter);

        RecallRing odd = read;
        odd.front().when = "quote \" back \\ tab \t";
        QVERIFY(recallFromJson(recallToJson(odd)) == odd);

        t.recall.clearSlot(1);
        QVERIFY(t.recall.ring(1).empty());
        QCOMPARE(t.recall.session(1).paidGames, 0);
        QVERIFY(again.load(1).empty());
    }

    void damagedFilesAreSetAsideAndRecallStartsEmpty_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("not json") << QByteArray("these are not the games you are looking for");
        QTest::newRow("cut short") << QByteArray("{\"version\":1,\"games\":[{\"when\":\"2026");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("wrong version") << QByteArray("{\"version\":7,\"games\":[]}");
        QTest::newRow("impossible symbol") << oneGame("99");
        QTest::newRow("deeply nested") << QByteArray(5000, '[');
    }
    void damagedFilesAreSetAsideAndRecallStartsEmpty()
    {
        QFETCH(QByteArray, contents);
        QTemporaryDir dir;
        FileRecallStorage files(dir.path().toStdString());
        const QString path = QString::fromStdString(files.pathOf(3));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contents);
        f.close();

        Table t(&files);
        t.p.playerslot = "3";
        QVERIFY(t.recall.ring(3).empty());
        QFile aside(path + QStringLiteral(".damaged"));
        QVERIFY(aside.open(QIODevice::ReadOnly));
        QCOMPARE(aside.readAll(), contents);
        t.paid(test::blankWindow());
        QCOMPARE(files.load(3).size(), std::size_t(1)); // the next game replaced the damage
    }

    void anUnreadableFileIsMovedAside()
    {
        QTemporaryDir dir;
        FileRecallStorage files(dir.path().toStdString());
        const QString path = QString::fromStdString(files.pathOf(1));
        QVERIFY(QDir().mkpath(path)); // a folder where the file should be: nothing can read it
        Table t(&files);
        QVERIFY(t.recall.ring(1).empty());
        QVERIFY(QFileInfo(path + QStringLiteral(".damaged")).isDir());
        t.paid(test::blankWindow());
        QVERIFY(!t.recall.lastStoreFailed());
        QCOMPARE(files.load(1).size(), std::size_t(1));
    }

    // A FIFO is moved aside unopened, so loading never waits for a writer; each distinct damage
    // keeps its own copy, and reading the same damage again keeps no second one.
    void fifosAndRepeatedDamageKeepEveryCopy()
    {
        QTemporaryDir dir;
        FileRecallStorage files(dir.path().toStdString());
        const std::string path = files.pathOf(1);
        QCOMPARE(::mkfifo(path.c_str(), 0600), 0);
        QVERIFY(files.load(1).empty());
        struct stat st {
        };
        QCOMPARE(::lstat((path + ".damaged").c_str(), &st), 0);
        QVERIFY(S_ISFIFO(st.st_mode));

        auto damage = [&path](const QByteArray &bytes) {
            QFile f(QString::fromStdString(path));
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QCOMPARE(f.write(bytes), bytes.size());
        };
        auto kept = [&path](const char *suffix) {
            QFile f(QString::fromStdString(path + suffix));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
        };
        damage("first damage");
        QVERIFY(files.load(1).empty());
        QVERIFY(files.load(1).empty());
        QVERIFY(files.store(1, RecallRing {}));
        damage("second damage");
        QVERIFY(files.load(1).empty());
        QCOMPARE(kept(".damaged-2"), QByteArray("first damage"));
        QCOMPARE(kept(".damaged-3"), QByteArray("second damage"));
        QCOMPARE(kept(".damaged-4"), QByteArray("(none)"));
    }

    // XDG_STATE_HOME counts only as an absolute path; unset, empty or relative, the home's
    // default applies.
    void theRecallFolderFollowsTheXdgRules()
    {
        const QByteArray state = qgetenv("XDG_STATE_HOME");
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", "/home/tester");
        qputenv("XDG_STATE_HOME", "/var/tmp/state");
        QCOMPARE(recallFolder(), std::string("/var/tmp/state/slots_tarnix"));
        for (const char *ignored : { "", "state", "./state" }) {
            qputenv("XDG_STATE_HOME", ignored);
            QCOMPARE(recallFolder(), std::string("/home/tester/.local/state/slots_tarnix"));
        }
        qunsetenv("XDG_STATE_HOME");
        QCOMPARE(recallFolder(), std::string("/home/tester/.local/state/slots_tarnix"));
        qputenv("HOME", "/");
        QCOMPARE(recallFolder(), std::string("/.local/state/slots_tarnix"));
        qputenv("HOME", home);
        qputenv("XDG_STATE_HOME", state);
    }

    void anUnwritableFolderNeverStopsPlayOrTouchesTheCredit()
    {
        QTemporaryDir dir;
        // The state folder's parent is a plain file: no one, root included, can create it.
        QFile blocker(dir.filePath(QStringLiteral("state")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        FileRecallStorage files(dir.filePath(QStringLiteral("state/slots_tarnix")).toStdString());
        Table t(&files);
        t.paid(smallWin());
        const Money win = t.s.thiswin;
        QVERIFY(t.recall.lastStoreFailed());
        QCOMPARE(t.p.bank, Money(10000 - 25 + win));
        QCOMPARE(t.recall.ring(1).size(), std::size_t(1)); // still recalled for this run
        QVERIFY(
            !replaceDurably(dir.filePath(QStringLiteral("state/x.json")).toStdString(), "{}"));
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("state"))).isFile());
    }
};

QTEST_GUILESS_MAIN(GameRecallTest)
#include "game_recall_test.moc"
