// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The ceiling on play: no win may be lost to the 32-bit range of the credit or the statistics.
#include "rules/game_result.hpp"
#include "rules/headless_game.hpp"
#include "rules/money_room.hpp"
#include "rules/par_report.hpp"
#include "support/scripted_rng.hpp"
#include "support/windows.hpp"

#include <QTest>
#include <limits>

using namespace slot;
using slot::test::ScriptedRng;
using slot::test::Stops;

namespace
{
constexpr long long kMax = std::numeric_limits<Money>::max();

Stops triggerWindow(int scatters)
{
    return *test::findWindow([scatters](const Stops &s) {
        const auto r = evaluateWindow(s, kLines);
        return r.scatters == scatters && r.lineUnits == 0 && !test::showsOn(2, s[2], kWild)
            && !test::showsOn(3, s[3], kWild) && !test::showsOn(4, s[4], kWild);
    });
}

struct Table {
    ScriptedRng rng;
    HeadlessGame game { rng };
    Table(int lines, long long bank)
    {
        game.s.linesplayed = static_cast<Short>(lines);
        game.p.bank = static_cast<Money>(bank);
        game.p.reelspeed = 1;
    }
    GameReport paid(int button, const Stops &s)
    {
        rng.stops({ s[1], s[2], s[3], s[4], s[5] });
        rng.keep().tune(1);
        return game.play(button);
    }
    GameReport free(const Stops &s, bool retrigger)
    {
        rng.stops({ s[1], s[2], s[3], s[4], s[5] });
        rng.multiplierDraw(25).keep();
        if (retrigger) {
            rng.tune(1);
        }
        return game.play(buttonForBet(game.s.betperline));
    }
};

// The highest credit from which a paid game with this bet may start.
long long ceilingFor(int lines, int button)
{
    MainState s;
    s.linesplayed = static_cast<Short>(lines);
    s.betperline = tables::betPerButton[static_cast<std::size_t>(button)];
    return kMax - largestReach(s);
}
} // namespace

class MoneyRoom : public QObject
{
    Q_OBJECT
private slots:
    // The ceiling rests on these; a change to the reels or pays that raised a largest win
    // would let a game past it overflow.
    void largestWinsAreTheExactOnes_data()
    {
        QTest::addColumn<int>("lines");
        for (int lines : { 1, 5, 10, 20, 25 }) {
            QTest::addRow("%d lines", lines) << lines;
        }
    }
    void largestWinsAreTheExactOnes()
    {
        QFETCH(int, lines);
        const ParReport r = parReport(lines, 1);
        const LargestWins w = largestWinsPerCredit(lines);
        QCOMPARE(w.paid, r.largestPaidWin);
        QCOMPARE(w.trigger, r.largestTriggerWin);
        QCOMPARE(w.free, r.largestFreeWin);
    }

    // One credit (or game) past the ceiling a paid game is refused and nothing moves; at the
    // ceiling it is played.
    void aPaidGameStopsAtTheCeiling_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("counter");
        QTest::addColumn<int>("refusal");
        const int credit = static_cast<int>(PlayStart::CreditFull);
        const int stats = static_cast<int>(PlayStart::StatisticsFull);
        QTest::newRow("credit, 25 lines at 20") << 25 << 6 << "bank" << credit;
        QTest::newRow("credit, 1 line at 1") << 1 << 1 << "bank" << credit;
        QTest::newRow("Total Won, 25 lines at 20") << 25 << 6 << "total" << stats;
        QTest::newRow("Total Won, 10 lines at 3") << 10 << 3 << "total" << stats;
        QTest::newRow("Total Wagered") << 25 << 6 << "wager" << stats;
        QTest::newRow("games played") << 5 << 2 << "games" << stats;
    }
    void aPaidGameStopsAtTheCeiling()
    {
        QFETCH(int, lines);
        QFETCH(int, button);
        QFETCH(QString, counter);
        QFETCH(int, refusal);
        const long long stake = static_cast<long long>(lines)
            * tables::betPerButton[static_cast<std::size_t>(button)];
        const long long top = counter == "bank" || counter == "total" ? ceilingFor(lines, button)
            : counter == "wager"                                      ? kMax - stake
                                                                      : kMax - 1;
        for (const long long value : { top + 1, top }) {
            Table t(lines, counter == "bank" ? value : 100000);
            Money &c = counter == "total" ? t.game.p.total
                : counter == "wager"      ? t.game.p.wager
                : counter == "games"      ? t.game.p.games
                                          : t.game.p.bank;
            c = static_cast<Money>(value);
            const PlayerState before = t.game.p;
            const GameReport r = t.paid(button, test::blankWindow());
            if (value > top) {
                QCOMPARE(static_cast<int>(r.start), refusal);
                QCOMPARE(t.game.p.bank, before.bank);
                QCOMPARE(t.game.p.total, before.total);
                QCOMPARE(t.game.p.wager, before.wager);
                QCOMPARE(t.game.p.games, before.games);
            } else {
                QCOMPARE(r.start, PlayStart::PaidGame);
                QCOMPARE(t.game.p.bank, before.bank - stake);
                QCOMPARE(t.game.p.games, before.games + 1);
            }
        }
    }

    // From the ceiling the richest trigger gets its whole award, and every credit it wins
    // reaches the credit: the money, the statistics and the meter agree at the collect.
    void aFeatureStartedAtTheCeilingIsPaidInFull()
    {
        const long long start = ceilingFor(25, 6);
        Table t(25, start);
        const GameReport trigger = t.paid(6, triggerWindow(5));
        QVERIFY(trigger.plan.trigger && !trigger.plan.awardRefused);
        QCOMPARE(t.game.s.freespins, Short(31));
        while (!t.game.featureComplete()) {
            t.free(test::blankWindow(), false);
        }
        const Money meter = t.game.s.winmeter;
        QCOMPARE(meter, 20 * 25 * 20); // five scatters pay 20 stakes
        t.game.collect();
        QCOMPARE(static_cast<long long>(t.game.p.bank), start - 500 + meter);
        QCOMPARE(t.game.p.total - t.game.p.wager, meter - 500);
    }

    // A retrigger adds its games only while the most they could win fits: one credit more
    // and the scatters pay as any win, the feature keeps its length.
    void aRetriggerThatCouldOverflowIsRefused_data()
    {
        QTest::addColumn<bool>("onTotal");
        QTest::newRow("the credit") << false;
        QTest::newRow("Total Won") << true;
    }
    void aRetriggerThatCouldOverflowIsRefused()
    {
        QFETCH(bool, onTotal);
        // 25 lines at 1: the retrigger's free game pays 125 (three scatters, five stakes);
        // after it 20 games remain, each able to win 24,300.
        const long long reach = 20LL * 24300;
        for (const long long extra : { 0, 1 }) {
            Table t(25, 1000);
            t.paid(1, triggerWindow(3));
            QCOMPARE(t.game.s.winmeter, 125);
            if (onTotal) {
                // Wagered as much as won: a player far ahead would have the trigger replaced.
                t.game.p.total = static_cast<Money>(kMax - reach - 125 + extra);
                t.game.p.wager = t.game.p.total;
            } else {
                // The free game's stake goes out and back; the meter and this win wait.
                t.game.p.bank = static_cast<Money>(kMax - reach - 125 - 125 + extra);
            }
            const Money bank = t.game.p.bank;
            const GameReport r = t.free(triggerWindow(3), extra == 0);
            QCOMPARE(r.plan.awardRefused, extra == 1);
            QCOMPARE(r.plan.trigger, extra == 0);
            QCOMPARE(t.game.s.freespins, Short(extra == 0 ? 22 : 11));
            QCOMPARE(t.game.s.freespinsdone, Short(2));
            QCOMPARE(t.game.s.winmeter, 250);
            QCOMPARE(t.game.p.bank, bank);
        }
    }
};

QTEST_APPLESS_MAIN(MoneyRoom)
#include "test_money_room.moc"
