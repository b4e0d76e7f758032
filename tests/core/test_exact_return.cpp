// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The exact return: its chain on made-up games worked out by hand, its single-game counts
// against the base-game enumeration, and the whole figure against seeded play.
#include "rules/exact_return.hpp"
#include "rules/headless_game.hpp"
#include "rules/par_sheet.hpp"

#include <QTest>
#include <cmath>

using namespace slot;

namespace
{

bool near(Real a, Real b, Real tolerance = 1e-15L)
{
    return std::fabs(a - b) <= tolerance;
}

// Feature games in two states: A always leads to B and wins 1; B wins 2, holds, and leads
// back to A, adding one game to the feature half the time.
GameKernel twoStateFeature()
{
    GameKernel free(2, { 0, 1 });
    free.next[0].at(0, 1) = 1;
    free.next[0].at(1, 0) = 0.5L;
    free.next[1].at(1, 0) = 0.5L;
    free.win = { 1, 2 };
    free.held = { 0, 1 };
    free.discards = { 1, 0 };
    return free;
}

} // namespace

class ExactReturn : public QObject
{
    Q_OBJECT
private slots:
    void stationaryChanceOfSmallChains()
    {
        Matrix p(2);
        p.at(0, 0) = 0.5L;
        p.at(0, 1) = 0.5L;
        p.at(1, 0) = 1;
        const auto pi = stationaryOf(p);
        QVERIFY(near(pi[0], 2.0L / 3) && near(pi[1], 1.0L / 3));

        Matrix cycle(3); // 0 -> 1 -> 2 -> 0 (periodic, still one invariant distribution)
        cycle.at(0, 1) = cycle.at(1, 2) = cycle.at(2, 0) = 1;
        for (Real x : stationaryOf(cycle)) {
            QVERIFY(near(x, 1.0L / 3));
        }
    }

    // A paid game that starts a 3-game feature 1 time in 4 (winning 4 then), else nothing:
    // the two feature games from A are A then B, and B's retrigger adds an A-game. By hand:
    // feature win 1 + (2 + 1/2 x 1) = 3.5 over 1 + 1.5 games, ending in A or B half and half,
    // so the next paid game starts in A with chance 3/4 + 1/4 x 1/2 = 7/8.
    void featureChainWorkedByHand()
    {
        GameKernel paid(2, { 0, 3 });
        for (int h = 0; h < 2; ++h) {
            paid.next[0].at(h, 0) = 0.75L;
            paid.next[1].at(h, 0) = 0.25L;
        }
        paid.win = { 1, 1 };
        paid.triggerWin = { 1, 1 };
        paid.hit = { 0.25L, 0.25L };
        paid.held = { 0, 1 };
        const RoundFigures r = solveRounds(paid, twoStateFeature());
        QVERIFY(near(r.stationary[0], 7.0L / 8) && near(r.stationary[1], 1.0L / 8));
        QVERIFY(near(r.win, 1 + 0.25L * 3.5L));
        QVERIFY(near(r.featureWin, r.win));
        QVERIFY(near(r.trigger, 0.25L) && near(r.hit, 0.25L));
        QVERIFY(near(r.featureGames, 0.25L * 2.5L));
        QVERIFY(near(r.games, 1 + 0.25L * 2.5L));
        QVERIFY(near(r.heldGames, 1.0L / 8 + 0.25L * 1)); // B as paid state, B in the feature
        QVERIFY(near(r.discards, 0.25L * 1.5L)); // A-games in the feature
        QVERIFY(r.residual < 1e-18L);
    }

    // Retriggers with no bound: 10 feature games, each adding 3 more 3 times in 10, make
    // 10 / (1 - 0.9) = 100 games on average.
    void longRetriggerChainsAreSummedWithoutCutOff()
    {
        GameKernel paid(1, { 0, 11 });
        paid.next[1].at(0, 0) = 1;
        GameKernel free(1, { 0, 3 });
        free.next[0].at(0, 0) = 0.7L;
        free.next[1].at(0, 0) = 0.3L;
        free.win = { 1 };
        const RoundFigures r = solveRounds(paid, free);
        QVERIFY(near(r.featureGames, 100, 1e-12L));
        QVERIFY(near(r.win, 100, 1e-12L));
    }

    void holdStatesNumberEveryWildStop()
    {
        for (int i = 0; i < kHoldStates; ++i) {
            QCOMPARE(holdIndex(holdStateAt(i)), i);
        }
        QCOMPARE(holdIndex({ 3, 0, 0 }), -1); // reel 2 shows no wild at stop 3
        QCOMPARE(holdIndex({ 0, 12, 0 }), -1);
        QCOMPARE(holdIndex({ 2, 11, 9 }), (2 * 4 + 3) * 4 + 1);
    }

    // With nothing held the paid game is the base game reweighted by the 1-in-4 keep, which
    // the base-game enumeration counts on its own.
    void freshGameAgreesWithTheBaseEnumeration_data()
    {
        QTest::addColumn<int>("lines");
        QTest::newRow("1 line") << 1;
        QTest::newRow("25 lines") << 25;
    }
    void freshGameAgreesWithTheBaseEnumeration()
    {
        QFETCH(int, lines);
        const GameKernels k = buildKernels(lines, 1);
        const EnumerateFigures e = enumerateBaseGame(lines);
        Real trigger = 0;
        for (std::size_t a = 1; a < k.paid.awards.size(); ++a) {
            trigger += (k.paid.next[a] * std::vector<Real>(kHoldStates, 1))[0];
        }
        QVERIFY(near(k.paid.win[0] / lines, e.standingReturn, 1e-12L));
        QVERIFY(near(trigger, e.standingTrigger, 1e-12L));
        const Real keep = 1 - 0.75L * e.pDiscardable;
        QVERIFY(near(k.paid.discards[0], 1 / keep - 1, 1e-12L));
    }

    // A held game always stands, and its held reels hold again exactly when reel 1 rests at
    // stop 22 (1 time in 22), at the same stop; in free games too.
    void heldReelsHoldAgainOnlyAtReelOneStop22()
    {
        const GameKernels k = buildKernels(25, 1);
        for (const GameKernel *kernel : { &k.paid, &k.free }) {
            for (int h = 1; h < kHoldStates; ++h) {
                const HoldState start = holdStateAt(h);
                QCOMPARE(kernel->discards[static_cast<std::size_t>(h)], Real(0));
                const int starts[] = { start.stop2, start.stop3, start.stop4 };
                for (int reel = 0; reel < 3; ++reel) {
                    if (starts[reel] == 0) {
                        continue;
                    }
                    Real same = 0, moved = 0;
                    for (int to = 0; to < kHoldStates; ++to) {
                        const HoldState t = holdStateAt(to);
                        const int stop = reel == 0 ? t.stop2 : reel == 1 ? t.stop3 : t.stop4;
                        Real chance = 0;
                        for (const auto &m : kernel->next) {
                            chance += m.at(h, to);
                        }
                        (stop == starts[reel] ? same : moved) += stop != 0 ? chance : 0;
                    }
                    QVERIFY2(near(same, 1.0L / 22, 1e-15L), qPrintable(QString::number(h)));
                    QCOMPARE(moved, Real(0));
                }
            }
        }
    }

    // The exact figure lies inside the 95 % interval of seeded play; the seeds are fixed,
    // so the runs are the same every time.
    void seededPlayAgrees_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("betIndex");
        QTest::addColumn<quint64>("seed");
        QTest::newRow("1 line at 1") << 1 << 1 << quint64(11);
        QTest::newRow("25 lines at 1") << 25 << 1 << quint64(12);
        QTest::newRow("10 lines at 5") << 10 << 4 << quint64(13);
    }
    void seededPlayAgrees()
    {
        QFETCH(int, lines);
        QFETCH(int, betIndex);
        QFETCH(quint64, seed);
        const ExactFigures x = exactReturn(lines, betIndex);
        SimulateOptions o;
        o.games = 8'000'000;
        o.seed = seed;
        o.lines = lines;
        o.betIndex = betIndex;
        o.threads = 2;
        const SimulateFigures s = simulate(o);
        const auto n = static_cast<double>(s.games);
        QVERIFY2(s.ciLow <= x.rtp && x.rtp <= s.ciHigh,
            qPrintable(
                QStringLiteral("exact %1, played [%2, %3]").arg(x.rtp).arg(s.ciLow).arg(s.ciHigh)));
        // Four standard errors of a share of n independent-enough trials.
        const auto within = [n](double played, double exact, double trials) {
            return std::fabs(played - exact) <= 4 * std::sqrt(exact * (1 - exact) / (n * trials));
        };
        QVERIFY(within(s.hitFrequency, x.hitFrequency, 1));
        QVERIFY(within(1 / s.gamesPerFeature, 1 / x.gamesPerFeature, 1));
        QVERIFY(within(s.discardRate, x.discardRate, 1));
        QVERIFY(std::fabs(s.meanFeatureWin / x.meanFeatureWin - 1) < 0.05);
    }

    // The return at every line count, pinned: a slip in one pay, strip or rule moves at least
    // one of them in the sixth decimal.
    void returnAtEachLineCountIsPinned_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<double>("rtp");
        QTest::newRow("1 line") << 1 << 1.047832;
        QTest::newRow("5 lines") << 5 << 0.990808;
        QTest::newRow("10 lines") << 10 << 0.967827;
        QTest::newRow("20 lines") << 20 << 1.003470;
        QTest::newRow("25 lines") << 25 << 0.981303;
    }
    void returnAtEachLineCountIsPinned()
    {
        QFETCH(int, lines);
        QFETCH(double, rtp);
        const double exact = exactReturn(lines, 1).rtp;
        QVERIFY2(std::fabs(exact - rtp) < 5e-7, qPrintable(QString::number(exact, 'f', 9)));
    }

    // The shares that seeded play does not report, from the cabinet's own steps. The player's
    // record is reset each round so that the rule against players far ahead never applies.
    void cabinetStepsAgreeOnHeldGamesAndFeatureLength()
    {
        const ExactFigures x = exactReturn(25, 1);
        GameRng rng(21);
        HeadlessGame g(rng);
        g.s.linesplayed = 25;
        double games = 0, held = 0, features = 0, freeGames = 0;
        for (int round = 0; round < 600'000; ++round) {
            g.p.bank = 1'000'000'000;
            g.p.total = 0;
            g.p.wager = 1'000'000'000;
            held += g.play(1).heldGame;
            ++games;
            features += g.featureRunning();
            while (g.featureRunning()) {
                held += g.play(1).heldGame;
                ++games;
                ++freeGames;
            }
            g.collect();
        }
        QVERIFY2(std::fabs(held / games - x.heldGameShare) < 0.004,
            qPrintable(QStringLiteral("%1 against %2").arg(held / games).arg(x.heldGameShare)));
        QVERIFY2(std::fabs(freeGames / features - x.freeGamesPerFeature) < 0.3,
            qPrintable(QStringLiteral("%1 against %2")
                           .arg(freeGames / features)
                           .arg(x.freeGamesPerFeature)));
    }
};

QTEST_APPLESS_MAIN(ExactReturn)
#include "test_exact_return.moc"
