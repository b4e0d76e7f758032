// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The double-up's money, cards and history strip, without a window.
#include "gamble/gamble_rules.hpp"

#include <QTest>
#include <algorithm>
#include <deque>
#include <limits>

using namespace slot;

namespace
{
constexpr Money kMax = std::numeric_limits<Money>::max();

// Hands out exact uniform values, to probe the edges of the card mapping.
class ValueRng final : public Rng
{
public:
    explicit ValueRng(std::initializer_list<double> v)
        : values(v)
    {
    }
    double uniform() override
    {
        const double v = values.front();
        values.pop_front();
        return v;
    }

private:
    std::deque<double> values;
};

// A gamble opened on a paid game's win, the win already in the credit.
struct Open {
    MainState s;
    PlayerState p;
    Open(Money win, Money bankWithWin, Money total = 0)
    {
        s.thiswin = win;
        p.bank = bankWithWin;
        p.total = total;
        openGamble(s, p);
    }
};
} // namespace

class GambleRules : public QObject
{
    Q_OBJECT
private slots:
    void openingTakesTheStakeOutOfTheCredit_data()
    {
        QTest::addColumn<int>("thiswin");
        QTest::addColumn<int>("lastcollect");
        QTest::addColumn<int>("stake");
        QTest::newRow("paid game's win") << 150 << 0 << 150;
        QTest::newRow("collect, not the last free game's win") << 40 << 2000 << 2000;
        QTest::newRow("collect of a feature whose last game won nothing") << 0 << 125 << 125;
    }
    void openingTakesTheStakeOutOfTheCredit()
    {
        QFETCH(int, thiswin);
        QFETCH(int, lastcollect);
        QFETCH(int, stake);
        MainState s;
        PlayerState p;
        s.thiswin = thiswin;
        s.lastcollect = lastcollect;
        p.bank = 2100;
        openGamble(s, p);
        QCOMPARE(s.atrisk, stake);
        QCOMPARE(s.gamblestake, stake);
        QCOMPARE(s.lastcollect, 0);
        QCOMPARE(p.bank, 2100 - stake);
    }

    // Total Won counts what the gamble ended with in place of its stake: the stake itself
    // after TAKE WIN straight away, nothing after a loss, whatever was reached on the way.
    void endingTheGambleCorrectsTotalWonByTheOpeningStake()
    {
        for (const bool lost : { false, true }) {
            for (const Money collect : { 0, 2000 }) {
                MainState s;
                PlayerState p;
                s.thiswin = 40;
                s.lastcollect = collect;
                p.bank = 5000;
                p.total = 7000;
                openGamble(s, p);
                const Money stake = collect > 0 ? collect : 40;
                if (lost) {
                    winDraw(s, GambleBet::Red);
                    loseGamble(s, p);
                    QCOMPARE(p.bank, 5000 - stake);
                    QCOMPARE(p.total, 7000 - stake);
                } else {
                    takeGambleWin(s, p);
                    QCOMPARE(p.bank, 5000);
                    // Correcting by thiswin would book the collected feature a second time.
                    QCOMPARE(p.total, 7000);
                }
            }
        }
        Open low(150, 150, std::numeric_limits<Money>::min() + 10);
        loseGamble(low.s, low.p);
        QCOMPARE(low.p.total, std::numeric_limits<Money>::min() + 10); // out of range: kept
    }

    void fiveColourWinsFrom100Make3200()
    {
        Open g(100, 1100, 500);
        for (int i = 0; i < 5; ++i) {
            winDraw(g.s, i % 2 ? GambleBet::Red : GambleBet::Black);
        }
        QCOMPARE(g.s.atrisk, 3200);
        QCOMPARE(g.p.bank, 1000);
        takeGambleWin(g.s, g.p);
        QCOMPARE(g.p.bank, 4200);
        QCOMPARE(g.p.total, 500 - 100 + 3200);
    }

    void colourThenSuitTurn100Into800()
    {
        Open g(100, 100);
        winDraw(g.s, GambleBet::Red);
        winDraw(g.s, GambleBet::Spades);
        QCOMPARE(g.s.atrisk, 800);
    }

    void eachBetWinsOnItsCardsWithItsSound()
    {
        struct Row {
            GambleBet bet;
            std::initializer_list<int> winning;
            int factor, sound;
        };
        const Row rows[] = {
            { GambleBet::Red, { kHearts, kDiamonds }, 2, 108 },
            { GambleBet::Black, { kClubs, kSpades }, 2, 103 },
            { suitBet(1), { kHearts }, 4, 112 },
            { suitBet(2), { kClubs }, 4, 111 },
            { suitBet(3), { kDiamonds }, 4, 111 },
            { suitBet(4), { kSpades }, 4, 107 },
        };
        for (const Row &r : rows) {
            for (int card = 1; card <= 4; ++card) {
                const bool wins
                    = std::find(r.winning.begin(), r.winning.end(), card) != r.winning.end();
                QCOMPARE(betWins(r.bet, card), wins);
            }
            QCOMPARE(betFactor(r.bet), r.factor);
            QCOMPARE(winSoundOf(r.bet), r.sound);
        }
    }

    void cardsSplitTheUnitRangeIntoFourSuits()
    {
        ValueRng rng { 0.0, 0.2499999, 0.25, 0.5, 0.7499999, 0.75, 0.9999999 };
        MainState s;
        for (int expected : { 1, 1, 2, 3, 3, 4, 4 }) {
            QCOMPARE(drawGambleCard(s, rng), expected);
        }
        GameRng seeded(20261209);
        int count[5] = {};
        for (int i = 0; i < 40000; ++i) {
            ++count[drawGambleCard(s, seeded)];
        }
        for (int suit = 1; suit <= 4; ++suit) {
            QVERIFY2(count[suit] > 9600 && count[suit] < 10400, qPrintable(QString::number(suit)));
        }
    }

    // 1 to 10, then 6 to 10 for as long as the window lives, whatever the gambles.
    void historyCountCyclesThroughTheLastFivePlaces()
    {
        ValueRng rng { 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1,
            0.1 };
        MainState s;
        for (int expected : { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 6, 7, 8, 9, 10, 6 }) {
            drawGambleCard(s, rng);
            QCOMPARE(s.historycount, Short(expected));
        }
    }

    void historyStripShowsTheNewestCardAtTheRight_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("order");
        QTest::addColumn<int>("newCell");
        QTest::newRow("first card") << 1 << QList<int> { 1, 2, 3, 4, 5 } << 1;
        QTest::newRow("fifth card") << 5 << QList<int> { 1, 2, 3, 4, 5 } << 5;
        QTest::newRow("6") << 6 << QList<int> { 2, 3, 4, 5, 1 } << 1;
        QTest::newRow("7") << 7 << QList<int> { 3, 4, 5, 1, 2 } << 2;
        QTest::newRow("8") << 8 << QList<int> { 4, 5, 1, 2, 3 } << 3;
        QTest::newRow("9") << 9 << QList<int> { 5, 1, 2, 3, 4 } << 4;
        QTest::newRow("10") << 10 << QList<int> { 1, 2, 3, 4, 5 } << 5;
        QTest::newRow("never drawn") << 0 << QList<int> { 1, 2, 3, 4, 5 } << 0;
    }
    void historyStripShowsTheNewestCardAtTheRight()
    {
        QFETCH(int, count);
        QFETCH(QList<int>, order);
        QFETCH(int, newCell);
        const HistoryStrip h = historyStrip(static_cast<Short>(count));
        for (int place = 1; place <= 5; ++place) {
            QCOMPARE(h.cellAtPlace[static_cast<std::size_t>(place)], order[place - 1]);
        }
        QCOMPARE(h.newCell, newCell);
    }

    // No draw may be offered whose win the credit could not hold.
    void betsThatCouldOverflowTheCreditAreRefused()
    {
        Open g(1000, kMax - 2000 + 1000);
        g.p.bank = kMax - 2000;
        QVERIFY(betAllowed(g.s, g.p, GambleBet::Red));
        QVERIFY(!betAllowed(g.s, g.p, GambleBet::Hearts));
        g.p.bank = kMax - 4000;
        QVERIFY(betAllowed(g.s, g.p, suitBet(4)));
        g.p.bank = kMax - 1999;
        QVERIFY(!betAllowed(g.s, g.p, GambleBet::Black));

        g.p.bank = kMax - 2000;
        winDraw(g.s, GambleBet::Red);
        takeGambleWin(g.s, g.p);
        QCOMPARE(g.p.bank, kMax);
    }

    // Nor one whose win Total Won could not count: TAKE WIN would lose it from the statistics.
    void betsThatCouldOverflowTotalWonAreRefused()
    {
        // Total Won already counts the staked 1000; a red win adds 1000 more, a suit 3000.
        Open g(1000, 5000, kMax - 1000);
        QVERIFY(betAllowed(g.s, g.p, GambleBet::Red));
        QVERIFY(!betAllowed(g.s, g.p, GambleBet::Spades));
        g.p.total = kMax - 999;
        QVERIFY(!betAllowed(g.s, g.p, GambleBet::Black));
        g.p.total = kMax - 3000;
        QVERIFY(betAllowed(g.s, g.p, suitBet(1)));
        winDraw(g.s, GambleBet::Hearts);
        takeGambleWin(g.s, g.p);
        QCOMPARE(g.p.total, kMax);
        QCOMPARE(g.p.bank, 4000 + 4000);
    }

    void aStatisticAtItsLimitIsLeftAloneButTheWinIsPaid()
    {
        Open g(100, 1000, kMax - 50);
        winDraw(g.s, GambleBet::Red);
        takeGambleWin(g.s, g.p);
        QCOMPARE(g.p.bank, 1100);
        QCOMPARE(g.p.total, kMax - 50);
    }
};

QTEST_APPLESS_MAIN(GambleRules)
#include "test_gamble_rules.moc"
