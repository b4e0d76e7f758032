// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The reel steps: line sums, wild and scatter cells, and the hold cycle of a wild reel.
#include "rules/reel_outcome.hpp"
#include "support/scripted_rng.hpp"

#include <QTest>

using namespace slot;
using slot::test::ScriptedRng;

namespace
{
// Runs the five reel steps on stops drawn from the script.
void spinAll(MainState &s, ScriptedRng &rng)
{
    clearPreviousOutcome(s);
    for (int reel = 1; reel <= kReels; ++reel) {
        spinReelOutcome(s, reel, rng);
    }
}

Short sum(const MainState &s, Sym x, int line)
{
    return s.linesum[static_cast<std::size_t>(index(x))][static_cast<std::size_t>(line)];
}
} // namespace

class ReelOutcome : public QObject
{
    Q_OBJECT
private slots:
    void workedExample()
    {
        MainState s;
        ScriptedRng rng;
        rng.stops({ 5, 2, 13, 15, 17 });
        spinAll(s, rng);
        QCOMPARE(sum(s, Sym::kingfisher, 2), Short(31));
        QCOMPARE(sum(s, Sym::J, 1), Short(14));
        QCOMPARE(sum(s, Sym::K, 1), Short(7));
        QCOMPARE(sum(s, Sym::zebra, 1), Short(10));
        QCOMPARE(sum(s, Sym::tiger, 1), Short(20));
        QCOMPARE(s.wildline[2], Short(7));
        QCOMPARE(s.wildcell[2], Short(6));
        QCOMPARE(s.reeltop3, -1500 * 13);
        QCOMPARE(s.wildhold2, Short(1));
        QCOMPARE(s.held2, Short(0));
    }

    void twoWildsOnALineMakeThreeOfAKind()
    {
        MainState s;
        ScriptedRng rng;
        rng.stops({ 4, 1, 10, 1, 2 }); // kingfisher, wild, wild, panda, K across the middle row
        spinAll(s, rng);
        QCOMPARE(sum(s, Sym::kingfisher, 1), Short(21));
        QCOMPARE(sum(s, Sym::rhino, 1), Short(13)); // the two wilds alone
        QCOMPARE(s.wildline[1], Short(6)); // the last reel that wrote it

        MainState fresh; // no holds carried over
        rng.stops({ 4, 1, 10, 1, 1 }); // now kingfisher on reel 5 as well
        spinAll(fresh, rng);
        QCOMPARE(sum(fresh, Sym::kingfisher, 1), Short(41));
    }

    void threeWildsBetweenTwoSymbolsMakeFive()
    {
        MainState s;
        ScriptedRng rng;
        rng.stops({ 4, 1, 10, 10, 1 });
        spinAll(s, rng);
        QCOMPARE(sum(s, Sym::kingfisher, 1), Short(51));
    }

    void scattersCountReelsAndRecordTheirCells()
    {
        MainState s;
        ScriptedRng rng;
        rng.stops({ 1, 7, 1, 5, 7 });
        spinAll(s, rng);
        QCOMPARE(s.scatters, Short(5));
        const Short cells[] = { 0, 1, 4, 7, 10, 15 };
        for (int reel = 1; reel <= kReels; ++reel) {
            QCOMPARE(s.scattercell[static_cast<std::size_t>(reel)], cells[reel]);
        }
        // A scatter adds to no line, so a line starting on one can never pay.
        for (int x = 1; x <= kOrdinarySymbols; ++x) {
            const int linesum = s.linesum[static_cast<std::size_t>(x)][2];
            QVERIFY(linesum % 10 != 1 && linesum % 10 != 5);
        }
    }

    void heldReelKeepsItsStopAndWild()
    {
        MainState s;
        ScriptedRng rng;
        rng.stops({ 5, 2, 13, 15, 17 });
        spinAll(s, rng);
        settleHoldsAfterAnimation(s);
        const auto before = s.linesum;
        const Money top2 = s.reeltop2;

        rng.stops({ 5, 13, 15, 17 }); // reel 2 draws nothing
        spinAll(s, rng);
        QCOMPARE(rng.left(), std::size_t(0));
        QCOMPARE(s.held2, Short(1));
        QCOMPARE(s.reelstop2, Short(2));
        QCOMPARE(s.reeltop2, top2);
        QCOMPARE(s.wildcell[2], Short(6));
        QVERIFY(s.linesum == before);
    }

    // A wild held on reel 4, the last reel that can hold one, keeps its stop and counts in
    // the next game exactly as if that reel had stopped there again.
    void heldReelFourGivesTheResultOfItsStop()
    {
        MainState s;
        ScriptedRng rng;
        rng.stops({ 5, 3, 4, 10, 1 }); // the only wild: reel 4, middle row
        spinAll(s, rng);
        QCOMPARE(s.wildhold4, Short(1));
        QCOMPARE(s.wildhold2 + s.wildhold3, 0);
        settleHoldsAfterAnimation(s);

        rng.stops({ 7, 6, 13, 17 }); // reel 4 draws nothing
        spinAll(s, rng);
        QCOMPARE(rng.left(), std::size_t(0));
        QVERIFY(!rng.exhausted);
        QCOMPARE(s.held4, Short(1));
        QCOMPARE(s.reelstop4, Short(10));
        QCOMPARE(s.wildcell[4], Short(11));

        MainState fresh;
        rng.stops({ 7, 6, 13, 10, 17 });
        spinAll(fresh, rng);
        QVERIFY(s.linesum == fresh.linesum);
        QVERIFY(s.wildline == fresh.wildline);
        QCOMPARE(s.scatters, fresh.scatters);
    }

    // The hold lasts one further game, or two when reel 1 rests at stop 22 in the held game
    // (the first animation phase then has no frame to clear the flag in).
    void holdCycle_data()
    {
        QTest::addColumn<int>("reel1InHeldGame");
        QTest::addColumn<bool>("heldAgain");
        QTest::newRow("reel 1 at 5") << 5 << false;
        QTest::newRow("reel 1 at 21") << 21 << false;
        QTest::newRow("reel 1 at 22") << 22 << true;
    }
    void holdCycle()
    {
        QFETCH(int, reel1InHeldGame);
        QFETCH(bool, heldAgain);
        MainState s;
        ScriptedRng rng;
        rng.stops({ 5, 3, 10, 1, 1 }); // wild on reel 3 only
        spinAll(s, rng);
        QCOMPARE(s.wildhold3, Short(1));
        QCOMPARE(s.held3, Short(0));
        settleHoldsAfterAnimation(s);
        QCOMPARE(s.wildhold3, Short(1));

        rng.stops({ reel1InHeldGame, 3, 1, 1 }); // game N+1: reel 3 held
        spinAll(s, rng);
        QCOMPARE(s.held3, Short(1));
        settleHoldsAfterAnimation(s);
        QCOMPARE(s.held3, Short(0));
        QCOMPARE(s.wildhold3 > 0, heldAgain);

        if (heldAgain) {
            rng.stops({ 5, 3, 1, 1 });
        } else {
            rng.stops({ 5, 3, 4, 1, 1 });
        }
        spinAll(s, rng);
        QCOMPARE(s.held3 > 0, heldAgain);
        QCOMPARE(rng.left(), std::size_t(0));
        QVERIFY(!rng.exhausted);
    }
};

QTEST_APPLESS_MAIN(ReelOutcome)
#include "test_reel_outcome.moc"
