// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The win check and the payback check: pays, stake, statistics, and which results stand.
#include "rules/reel_outcome.hpp"
#include "rules/rng.hpp"
#include "rules/win_evaluation.hpp"
#include "support/scripted_rng.hpp"
#include "support/windows.hpp"

#include <QTest>

using namespace slot;
using slot::test::ScriptedRng;
using slot::test::Stops;

namespace
{
struct Game {
    MainState s;
    PlayerState p;
    ScriptedRng rng;

    Game(int lines, int bet, Money bank = 100000)
    {
        s.linesplayed = static_cast<Short>(lines);
        s.betperline = static_cast<Short>(bet);
        p.bank = bank;
    }
    // The stops, then whatever the evaluation itself draws (the free-game multiplier).
    void spin(const Stops &stops, int multiplierDraw = 0)
    {
        rng.stops({ stops[1], stops[2], stops[3], stops[4], stops[5] });
        if (multiplierDraw > 0) {
            rng.multiplierDraw(multiplierDraw);
        }
        clearPreviousOutcome(s);
        for (int reel = 1; reel <= kReels; ++reel) {
            spinReelOutcome(s, reel, rng);
        }
        evaluateWins(s, p, rng);
    }
};

bool noWildOrScatter(const Stops &s)
{
    for (int reel = 1; reel <= kReels; ++reel) {
        if (test::showsOn(reel, s[static_cast<std::size_t>(reel)], kWild)
            || test::showsOn(reel, s[static_cast<std::size_t>(reel)], kScatter)) {
            return false;
        }
    }
    return true;
}
} // namespace

class WinEvaluation : public QObject
{
    Q_OBJECT
private slots:
    // Every entry of the pay table, through the line sum that names it.
    void everyLinePay_data()
    {
        QTest::addColumn<int>("symbol");
        QTest::addColumn<int>("count");
        for (int x = 1; x <= kOrdinarySymbols; ++x) {
            for (int count = 2; count <= 5; ++count) {
                QTest::newRow(qPrintable(
                    QString("%1 x%2")
                        .arg(QString::fromStdString(std::string(symbolName(static_cast<Sym>(x)))))
                        .arg(count)))
                    << x << count;
            }
        }
    }
    void everyLinePay()
    {
        QFETCH(int, symbol);
        QFETCH(int, count);
        const int sums[] = { 0, 0, 15, 21, 31, 51 };
        for (int bet : { 1, 20 }) {
            Game g(1, bet);
            g.s.linesum[static_cast<std::size_t>(symbol)][1] = static_cast<Short>(sums[count]);
            g.rng.keep();
            evaluateWins(g.s, g.p, g.rng);
            const int pay = tables::linePay[static_cast<std::size_t>(symbol)]
                                           [static_cast<std::size_t>(count)];
            QCOMPARE(g.s.thiswin, pay * bet);
            QCOMPARE(g.s.winline[1], Short(pay > 0 ? 1 : 0));
            QCOMPARE(g.s.winlength[1], Short(pay > 0 ? count : 0));
        }
    }

    void workedExamplePaysItsLines()
    {
        Game g(25, 1);
        g.spin({ 0, 5, 2, 13, 15, 17 });
        QCOMPARE(g.s.winline[2], Short(2));
        QCOMPARE(g.s.winlength[2], Short(4)); // kingfisher through the wild on reel 2
        QCOMPARE(g.s.winline[1], Short(0));
        QCOMPARE(g.s.thiswin, 150);
        QCOMPARE(g.s.rollstep, Short(1));
    }

    // At 25 lines lines 10 and 11 share line 1's cells on reels 1 and 2, so the lone pair
    // is only possible at one line.
    void zebraPairOnOneLine()
    {
        const auto stops = test::findWindow([](const Stops &s) {
            return symbolAt(1, s[1], 2) == Sym::zebra && symbolAt(2, s[2], 2) == Sym::zebra
                && symbolAt(3, s[3], 2) != Sym::zebra && noWildOrScatter(s);
        });
        QVERIFY(stops);
        Game g(1, 1);
        g.spin(*stops);
        QCOMPARE(g.s.thiswin, 2);
        QCOMPARE(g.s.winline[1], Short(1));
        QCOMPARE(g.s.winlength[1], Short(2));
        g.rng.replace();
        QCOMPARE(paybackCheck(g.s, g.p, g.rng), Verdict::Stands); // never more than twice the stake
        QVERIFY(!g.rng.exhausted);
    }

    void twoScattersPayTheStakeAndMarkNoLine()
    {
        const auto stops = test::findWindow([](const Stops &s) {
            return evaluateWindow(s, 10).scatters == 2 && evaluateWindow(s, 10).lineUnits == 0;
        });
        QVERIFY(stops);
        Game g(10, 2);
        g.spin(*stops);
        QCOMPARE(g.s.thiswin, 20);
        for (int line = 1; line <= kLines; ++line) {
            QCOMPARE(g.s.winline[static_cast<std::size_t>(line)], Short(0));
        }
    }

    void bookkeepingChargesTheStake()
    {
        Game g(10, 5, 1000);
        g.p.games = 7;
        g.spin(test::blankWindow());
        QCOMPARE(g.p.bank, 950);
        QCOMPARE(g.p.wager, 50);
        QCOMPARE(g.p.games, 8);
        QCOMPARE(g.p.total, 0);
        QCOMPARE(g.s.multiplier, Short(1));
    }

    // More than twice the stake is kept one time in four; exactly twice always stands.
    void paybackThreshold_data()
    {
        QTest::addColumn<int>("win");
        QTest::addColumn<bool>("keepDraw");
        QTest::addColumn<bool>("stands");
        QTest::newRow("twice the stake, bad draw") << 50 << false << true;
        QTest::newRow("one more, bad draw") << 51 << false << false;
        QTest::newRow("one more, lucky draw") << 51 << true << true;
    }
    void paybackThreshold()
    {
        QFETCH(int, win);
        QFETCH(bool, keepDraw);
        QFETCH(bool, stands);
        Game g(25, 1, 500);
        g.s.thiswin = win;
        g.p.total = 1000; // statistics just updated by the game
        g.p.wager = 1000;
        g.p.games = 10;
        keepDraw ? g.rng.keep() : g.rng.replace();
        const Verdict v = paybackCheck(g.s, g.p, g.rng);
        QCOMPARE(v == Verdict::Stands, stands);
        if (!stands) {
            QCOMPARE(g.p.bank, 525);
            QCOMPARE(g.p.wager, 975);
            QCOMPARE(g.p.total, 1000 - win);
            QCOMPARE(g.p.games, 9);
            QCOMPARE(g.s.thiswin, 0);
        }
    }

    // Of the four equally likely chance values only the first keeps a big result; the rate
    // comes out at one in four over many checks.
    void paybackKeepsOneInFour()
    {
        for (int draw = 1; draw <= 4; ++draw) {
            Game g(25, 1, 500);
            g.s.thiswin = 51;
            g.rng.pick(draw, 4);
            QCOMPARE(paybackCheck(g.s, g.p, g.rng) == Verdict::Stands, draw == 1);
        }
        GameRng rng(77);
        int kept = 0;
        constexpr int kChecks = 40000;
        for (int i = 0; i < kChecks; ++i) {
            MainState s;
            PlayerState p;
            s.linesplayed = 25;
            s.betperline = 1;
            s.thiswin = 51;
            kept += paybackCheck(s, p, rng) == Verdict::Stands;
        }
        // Five standard deviations either side of 10000.
        QVERIFY2(qAbs(kept - kChecks / 4) < 435, qPrintable(QString::number(kept)));
    }

    void triggerWithHeldWildAlwaysStands_data()
    {
        QTest::addColumn<int>("reel");
        QTest::newRow("reel 2") << 2;
        QTest::newRow("reel 3") << 3;
        QTest::newRow("reel 4") << 4;
    }
    void triggerWithHeldWildAlwaysStands()
    {
        QFETCH(int, reel);
        Game g(25, 1);
        g.s.scatters = 3;
        g.s.thiswin = 125;
        *g.s.heldOf(reel) = 1;
        g.p.total = 125;
        g.p.wager = 25;
        g.rng.replace();
        QCOMPARE(paybackCheck(g.s, g.p, g.rng), Verdict::Stands);
    }

    // The wild stands in for every symbol that pays on a line, on whichever of its reels it
    // shows: here on reel 2 inside a three, and on reel 4 at the end of a four.
    void wildStandsInForEverySymbol_data()
    {
        QTest::addColumn<int>("symbol");
        QTest::addColumn<int>("wildReel");
        for (int x = 1; x <= kOrdinarySymbols; ++x) {
            for (int reel : { 2, 4 }) {
                QTest::newRow(qPrintable(
                    QString("%1, wild on reel %2")
                        .arg(QString::fromStdString(std::string(symbolName(static_cast<Sym>(x)))))
                        .arg(reel)))
                    << x << reel;
            }
        }
    }
    void wildStandsInForEverySymbol()
    {
        QFETCH(int, symbol);
        QFETCH(int, wildReel);
        const Sym x = static_cast<Sym>(symbol);
        const int count = wildReel == 2 ? 3 : 4;
        // Line 1 is the middle row: x on the reels before the count's end, the wild in its
        // place, then anything else.
        const auto stops = test::findWindow([&](const Stops &s) {
            for (int reel = 1; reel <= kReels; ++reel) {
                const Sym shown = symbolAt(reel, s[static_cast<std::size_t>(reel)], 2);
                const Sym wanted = reel == wildReel ? kWild : x;
                if (reel <= count ? shown != wanted : (shown == x || shown == kWild)) {
                    return false;
                }
            }
            return evaluateWindow(s, 1).scatters < 2;
        });
        QVERIFY(stops);
        Game g(1, 1);
        g.spin(*stops);
        QCOMPARE(g.s.winlength[1], Short(count));
        QCOMPARE(g.s.thiswin,
            int(tables::linePay[static_cast<std::size_t>(symbol)]
                               [static_cast<std::size_t>(count)]));
    }

    void discardForgetsTheWildHold()
    {
        Game g(25, 1);
        g.s.scatters = 3;
        g.s.wildhold2 = 1;
        g.s.wildhold4 = 1;
        g.p.wager = 25;
        g.rng.replace();
        QCOMPARE(paybackCheck(g.s, g.p, g.rng), Verdict::Discarded);
        QCOMPARE(g.s.wildhold2 + g.s.wildhold3 + g.s.wildhold4, 0);
        QCOMPARE(g.s.scatters, Short(0));
        QCOMPARE(g.s.multiplier, Short(1));
    }

    // Far ahead of the house (over 2000 %), a feature is never kept by chance and no chance
    // value is drawn for it.
    void farAheadNeverKeepsATrigger()
    {
        Game g(25, 1);
        g.s.scatters = 3;
        g.s.thiswin = 125;
        g.p.total = 20001;
        g.p.wager = 1000;
        QCOMPARE(paybackCheck(g.s, g.p, g.rng), Verdict::Discarded);
        QVERIFY(!g.rng.exhausted);

        Game even(25, 1); // exactly 2000 % is not above it
        even.s.scatters = 3;
        even.p.total = 20000;
        even.p.wager = 1000;
        even.rng.keep();
        QCOMPARE(paybackCheck(even.s, even.p, even.rng), Verdict::Stands);
    }

    // A discarded result's counts must not leave a zebra pair unpaid in its replacement.
    void winLengthIsClearedForTheReplacement()
    {
        const auto pair = test::findWindow([](const Stops &s) {
            return symbolAt(1, s[1], 2) == Sym::zebra && symbolAt(2, s[2], 2) == Sym::zebra
                && symbolAt(3, s[3], 2) != Sym::zebra && noWildOrScatter(s);
        });
        Game g(1, 1);
        g.s.winlength[1] = 4; // left by a discarded result
        g.spin(*pair);
        QCOMPARE(g.s.thiswin, 2);
    }

    void fivePanthersAtTwentyCredits()
    {
        Game g(2, 20);
        g.s.linesum[index(Sym::panther)][2] = 51;
        g.rng.keep();
        evaluateWins(g.s, g.p, g.rng);
        QCOMPARE(g.s.thiswin, 30000);
    }

    void freeGameIsChargedLikeAPaidOne()
    {
        Game g(25, 1, 100);
        g.s.freespins = 11;
        g.s.freespinsdone = 1;
        g.spin(test::blankWindow(), 1); // a x10 draw, dropped: nothing won over a wild
        QCOMPARE(g.p.bank, 75);
        QCOMPARE(g.p.games, 1);
        QCOMPARE(g.s.multiplier, Short(1)); // no winning line over a wild
    }
};

QTEST_APPLESS_MAIN(WinEvaluation)
#include "test_win_evaluation.moc"
