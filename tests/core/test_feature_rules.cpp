// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The feature and the result: multiplier, awards, counting, refunds, sounds and the Play checks.
#include "flow/quit_settle.hpp"
#include "rules/free_spins.hpp"
#include "rules/game_result.hpp"
#include "rules/headless_game.hpp"
#include "support/scripted_rng.hpp"
#include "support/windows.hpp"

#include <QTest>

using namespace slot;
using slot::test::ScriptedRng;
using slot::test::Stops;

namespace
{
bool shows(const Stops &s, int reel, Sym sym)
{
    return test::showsOn(reel, s[static_cast<std::size_t>(reel)], sym);
}

bool noWild(const Stops &s)
{
    return !shows(s, 2, kWild) && !shows(s, 3, kWild) && !shows(s, 4, kWild);
}

Stops triggerWindow(int scatters)
{
    return *test::findWindow([scatters](const Stops &s) {
        const auto r = evaluateWindow(s, kLines);
        return r.scatters == scatters && r.lineUnits == 0 && noWild(s);
    });
}

void scriptStops(ScriptedRng &rng, const Stops &s)
{
    rng.stops({ s[1], s[2], s[3], s[4], s[5] });
}

struct Table {
    ScriptedRng rng;
    HeadlessGame game { rng };
    Table(int lines, Money bank)
    {
        game.s.linesplayed = static_cast<Short>(lines);
        game.p.bank = bank;
        game.p.reelspeed = 1;
    }
    // A paid game that shows the given window and keeps it.
    GameReport paid(int button, const Stops &s, bool trigger)
    {
        scriptStops(rng, s);
        rng.keep();
        if (trigger) {
            rng.tune(1);
        }
        return game.play(button);
    }
    GameReport free(const Stops &s, bool trigger = false)
    {
        scriptStops(rng, s);
        rng.multiplierDraw(25).keep();
        if (trigger) {
            rng.tune(2);
        }
        return game.play(buttonForBet(game.s.betperline));
    }
};
} // namespace

class FeatureRules : public QObject
{
    Q_OBJECT
private slots:
    void multiplierDrawTable()
    {
        const int expected[26]
            = { 0, 10, 5, 5, 5, 5, 3, 3, 3, 3, 3, 3, 3, 3, 3, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2 };
        for (int r = 1; r <= 25; ++r) {
            QCOMPARE(multiplierForDraw(r).multiplier, Short(expected[r]));
        }
        QCOMPARE(multiplierForDraw(1).overlayframe, Short(23));
        QCOMPARE(multiplierForDraw(3).overlayframe, Short(31));
        QCOMPARE(multiplierForDraw(10).overlayframe, Short(27));
        QCOMPARE(multiplierForDraw(25).overlayframe, Short(23));
    }

    void multipliersComeWithTheirChances()
    {
        GameRng rng(2024);
        int count[11] = {};
        for (int i = 0; i < 25000; ++i) {
            ++count[multiplierForDraw(rng.draw(25)).multiplier];
        }
        // Five standard deviations either side of 1000, 4000, 9000 and 11000.
        QVERIFY(qAbs(count[10] - 1000) < 160);
        QVERIFY(qAbs(count[5] - 4000) < 290);
        QVERIFY(qAbs(count[3] - 9000) < 380);
        QVERIFY(qAbs(count[2] - 11000) < 390);
    }

    // Which wilds let the multiplier stand: only those on reels the win length reaches.
    void multiplierNeedsAWinOverAWild_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("winLine");
        QTest::addColumn<int>("winLength");
        QTest::addColumn<int>("wildReel");
        QTest::addColumn<int>("wildCell");
        QTest::addColumn<int>("multiplier");
        QTest::newRow("three over reel 3's wild") << 25 << 1 << 3 << 3 << 8 << 3;
        QTest::newRow("three, wild only on reel 4") << 25 << 1 << 3 << 4 << 11 << 1;
        QTest::newRow("four over reel 4's wild") << 25 << 1 << 4 << 4 << 11 << 3;
        QTest::newRow("pair over reel 2's wild") << 25 << 1 << 2 << 2 << 5 << 3;
        QTest::newRow("wild in another row") << 25 << 1 << 3 << 3 << 7 << 1;
        QTest::newRow("no winning line") << 25 << 1 << 0 << 3 << 8 << 1;
        QTest::newRow("line 2 not played") << 1 << 2 << 3 << 2 << 6 << 1;
        QTest::newRow("line 2 played") << 5 << 2 << 3 << 2 << 6 << 3;
        QTest::newRow("five over reel 4's wild") << 25 << 1 << 5 << 4 << 11 << 3;
        QTest::newRow("line 5, the last of five") << 5 << 5 << 3 << 3 << 7 << 3;
        QTest::newRow("line 25, the last of all") << 25 << 25 << 3 << 3 << 9 << 3;
    }
    void multiplierNeedsAWinOverAWild()
    {
        QFETCH(int, lines);
        QFETCH(int, winLine);
        QFETCH(int, winLength);
        QFETCH(int, wildReel);
        QFETCH(int, wildCell);
        QFETCH(int, multiplier);
        MainState s;
        s.linesplayed = static_cast<Short>(lines);
        s.winlength[static_cast<std::size_t>(winLine)] = static_cast<Short>(winLength);
        s.wildcell[static_cast<std::size_t>(wildReel)] = static_cast<Short>(wildCell);
        ScriptedRng rng;
        rng.multiplierDraw(10); // a x3
        freespinbusiness(s, rng);
        QCOMPARE(s.multiplier, Short(multiplier));
        QCOMPARE(s.overlayframe, Short(27)); // kept even when the multiplier is dropped
    }

    void winSounds()
    {
        QCOMPARE(winSoundFor(0), 0);
        QCOMPARE(winSoundFor(5), 101);
        QCOMPARE(winSoundFor(21), 103);
        QCOMPARE(winSoundFor(22), 104);
        QCOMPARE(winSoundFor(35), 103);
        QCOMPARE(winSoundFor(41), 106);
        QCOMPARE(winSoundFor(750), 114);
        QCOMPARE(winSoundFor(751), 115);
        QCOMPARE(winSoundFor(1200), 115);
    }

    void stakeEqualToTheCreditIsPlayed()
    {
        Table t(25, 25);
        scriptStops(t.rng, test::blankWindow());
        t.rng.keep();
        QCOMPARE(t.game.play(1).start, PlayStart::PaidGame);
        QCOMPARE(t.game.p.bank, 0);

        Table poor(25, 24);
        QCOMPARE(poor.game.play(1).start, PlayStart::NotEnoughCredit);
        QCOMPARE(poor.game.s.betperline, Short(1));
        QCOMPARE(poor.game.p.bank, 24);
        QCOMPARE(poor.game.p.games, 0);
    }

    void paidGameWithoutWin()
    {
        Table t(10, 1000);
        scriptStops(t.rng, test::blankWindow());
        t.rng.keep();
        const GameReport r = t.game.play(4);
        QCOMPARE(t.game.p.bank, 950); // play(4) stakes 5 a line
        QCOMPARE(r.settlement, Settlement::PaidNoWin);
        QCOMPARE(r.plan.winSound, 0);
        QCOMPARE(t.game.s.rollstep, Short(0));
    }

    // Three scatters pay five stakes, start eleven counted games and cost one stake in all.
    void wholeFeatureCostsOneStakeAndCountsOneGame()
    {
        Table t(25, 1000);
        t.game.p.games = 40;
        const GameReport trigger = t.paid(1, triggerWindow(3), true);
        QVERIFY(trigger.plan.trigger && trigger.plan.featureStarts);
        QCOMPARE(trigger.plan.music, 117);
        QCOMPARE(trigger.plan.winSound, 0);
        QCOMPARE(t.game.s.thiswin, 125);
        QCOMPARE(t.game.s.freespins, Short(11));
        QCOMPARE(t.game.s.freespinsdone, Short(1));
        QCOMPARE(t.game.s.winmeter, 125);
        QCOMPARE(t.game.p.bank, 1000);
        QCOMPARE(t.game.p.games, 40);

        for (int i = 1; i <= 10; ++i) {
            // Pressing play(6) in the feature must not change the feature's bet.
            scriptStops(t.rng, test::blankWindow());
            t.rng.multiplierDraw(25).keep();
            const GameReport free = t.game.play(i == 3 ? 6 : 1);
            QCOMPARE(free.start, PlayStart::FreeGame);
            QCOMPARE(t.game.s.betperline, Short(1));
            QCOMPARE(
                free.settlement, i < 10 ? Settlement::FeatureGame : Settlement::LastFeatureGame);
        }
        QVERIFY(t.game.featureComplete());
        QCOMPARE(t.game.p.bank, 975);
        QCOMPARE(t.game.p.games, 41);
        QCOMPARE(t.game.p.wager, 25);
        QCOMPARE(t.game.s.winmeter, 125);
        t.game.collect();
        QCOMPARE(t.game.p.bank, 1100);
        QCOMPARE(t.game.s.lastcollect, 125);
        QCOMPARE(t.game.s.freespins, Short(0));
        QCOMPARE(t.rng.left(), std::size_t(0));
        QVERIFY(!t.rng.exhausted);
    }

    void retriggerInTheFifthFreeGame()
    {
        Table t(25, 1000);
        t.paid(1, triggerWindow(3), true);
        for (int i = 1; i <= 4; ++i) {
            t.free(test::blankWindow());
        }
        const GameReport retrigger = t.free(triggerWindow(4), true);
        QVERIFY(retrigger.plan.trigger && !retrigger.plan.featureStarts);
        QCOMPARE(retrigger.plan.music, 0); // the music already playing goes on
        QCOMPARE(t.game.s.freespinsdone, Short(6));
        QCOMPARE(t.game.s.freespins, Short(32));
        int more = 0;
        while (t.game.featureRunning()) {
            t.free(test::blankWindow());
            ++more;
        }
        QCOMPARE(more, 26);
        QVERIFY(!t.rng.exhausted);
    }

    // A player who leaves during the feature gets every free game it owes, an extension won
    // among them included, with the same draws the cabinet would have used, then the collect.
    void quittingMidFeaturePlaysTheRestThenCollects()
    {
        const Stops win = *test::findWindow([](const Stops &w) {
            const auto r = evaluateWindow(w, kLines);
            return r.scatters == 0 && r.lineUnits > 0 && noWild(w);
        });
        const int winUnits = evaluateWindow(win, kLines).lineUnits;
        Table t(25, 1000);
        t.game.p.games = 40;
        t.paid(1, triggerWindow(3), true);
        t.free(test::blankWindow());
        for (int i = 3; i <= 11 + 11; ++i) {
            scriptStops(t.rng, i == 4 ? win : i == 6 ? triggerWindow(3) : test::blankWindow());
            t.rng.multiplierDraw(25).keep();
            if (i == 6) {
                t.rng.tune(2);
            }
        }
        const Money atStart = t.game.p.bank;
        settleBeforeQuit(t.game.s, t.game.p, false, t.rng);
        QCOMPARE(t.rng.left(), std::size_t(0));
        QVERIFY(!t.rng.exhausted);
        QCOMPARE(atStart, 1000);
        QCOMPARE(t.game.p.bank, 1000 - 25 + 125 + winUnits + 125);
        QCOMPARE(t.game.p.total, 125 + winUnits + 125);
        QCOMPARE(t.game.p.games, 41);
        QCOMPARE(t.game.p.wager, 25);
        QCOMPARE(t.game.s.freespins, Short(0));
        QCOMPARE(t.game.s.winmeter, 0);
        QCOMPARE(t.game.s.lastcollect, 125 + winUnits + 125);
    }

    void wildOfTheTriggeringGameIsHeldInTheFirstFreeGame()
    {
        const Stops s = *test::findWindow([](const Stops &w) {
            const auto r = evaluateWindow(w, kLines);
            return r.scatters == 3 && shows(w, 2, kWild) && !shows(w, 3, kWild)
                && !shows(w, 4, kWild) && r.lineUnits * 1 + 5 * 25 <= 10000;
        });
        Table t(25, 1000);
        t.paid(1, s, true);
        QCOMPARE(t.game.s.wildhold2, Short(1));
        t.rng.stops({ 1, 4, 4, 4 }); // reel 2 draws nothing
        t.rng.multiplierDraw(25).keep();
        const GameReport first = t.game.play(1);
        QVERIFY(first.heldGame);
        QCOMPARE(t.game.s.reelstop2, Short(s[2]));
        QVERIFY(!t.rng.exhausted);
    }
};

QTEST_APPLESS_MAIN(FeatureRules)
#include "test_feature_rules.moc"
