// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The second-moment chain on made-up games whose spread is known in closed form, and the
// par sheet of the real game against its own first moments and against seeded play.
#include "rules/exact_moments.hpp"
#include "rules/exact_return.hpp"
#include "rules/headless_game.hpp"
#include "rules/par_report.hpp"
#include "rules/par_sheet.hpp"

#include <QTest>
#include <cmath>

using namespace slot;

namespace
{

bool near(Real a, Real b, Real tolerance = 1e-12L)
{
    return std::fabs(a - b) <= tolerance;
}

// A feature that never comes: every paid game awards nothing.
GameKernel noFeature(int states)
{
    GameKernel free(states, { 0 });
    for (int h = 0; h < states; ++h) {
        free.next[0].at(h, h) = 1;
    }
    return free;
}

// A game that wins w(h) for sure in state h and moves by the chain p.
GameKernel sureWins(const Matrix &p, const std::vector<Real> &w)
{
    GameKernel k(p.size(), { 0 });
    k.next[0] = p;
    k.win = w;
    for (int h = 0; h < p.size(); ++h) {
        const auto s = static_cast<std::size_t>(h);
        k.winSquare[s] = w[s] * w[s];
        for (int to = 0; to < p.size(); ++to) {
            k.winNext[0].at(h, to) = p.at(h, to) * w[s];
        }
    }
    return k;
}

} // namespace

class ExactMoments : public QObject
{
    Q_OBJECT
private slots:
    // Two states, A winning 0 and B winning 1, leaving A with chance a and B with chance b.
    // By hand: pi_B = a / (a + b), Var = pi_A pi_B, and with lambda = 1 - a - b the long-run
    // variance is Var (1 + lambda) / (1 - lambda). Sticky chains spread more, alternating
    // chains less, than independent games.
    void twoStateChainHasTheClosedFormSpread_data()
    {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::newRow("sticky") << 0.1 << 0.3;
        QTest::newRow("independent") << 0.25 << 0.75;
        QTest::newRow("alternating") << 0.9 << 0.8;
    }
    void twoStateChainHasTheClosedFormSpread()
    {
        QFETCH(double, a);
        QFETCH(double, b);
        Matrix p(2);
        p.at(0, 0) = 1 - a;
        p.at(0, 1) = a;
        p.at(1, 0) = b;
        p.at(1, 1) = 1 - b;
        const RoundMoments m = roundMoments(sureWins(p, { 0, 1 }), noFeature(2));
        const Real piB = a / (a + b), var = piB * (1 - piB), lambda = 1 - a - b;
        QVERIFY(near(m.mean, piB));
        QVERIFY(near(m.variance, var));
        QVERIFY2(near(m.asymptoticVariance, var * (1 + lambda) / (1 - lambda)),
            qPrintable(QString::number(static_cast<double>(m.asymptoticVariance))));
        QCOMPARE(m.trigger, Real(0));
    }

    // A 3-cycle with wins 0, 1, 2 in turn: each single game spreads (variance 2/3), but every
    // three games win exactly 3, so the long-run average does not spread at all.
    void aDeterministicCycleHasNoLongRunSpread()
    {
        Matrix p(3);
        p.at(0, 1) = p.at(1, 2) = p.at(2, 0) = 1;
        const RoundMoments m = roundMoments(sureWins(p, { 0, 1, 2 }), noFeature(3));
        QVERIFY(near(m.mean, 1));
        QVERIFY(near(m.variance, 2.0L / 3));
        QVERIFY(near(m.asymptoticVariance, 0));
    }

    // One state; each feature game wins 1 and adds one more game with chance r. A passage is
    // then a geometric number of games N: E N = 1 / (1 - r), Var N = r / (1 - r)^2.
    void retriggeredPassageIsGeometric()
    {
        const Real r = 0.3L;
        GameKernel free(1, { 0, 1 });
        free.next[0].at(0, 0) = 1 - r;
        free.next[1].at(0, 0) = r;
        free.win = { 1 };
        free.winSquare = { 1 };
        free.winNext[0].at(0, 0) = 1 - r;
        free.winNext[1].at(0, 0) = r;
        const PassageMoments p = passageMoments(free);
        QVERIFY(near(p.mean[0], 1 / (1 - r)));
        QVERIFY(near(p.square[0] - p.mean[0] * p.mean[0], r / ((1 - r) * (1 - r))));
        QVERIFY(near(p.weighted.at(0, 0), p.mean[0]));
    }

    // A paid game that wins nothing and starts a 3-game feature with chance t (two games follow
    // it), each feature game winning 0 or 2 half and half, never retriggering. By hand:
    // feature win F = 2 x Binomial(2, 1/2): E F = 2, E F^2 = 4 (1/2 + 1) = 6, and a round
    // wins X = F with chance t: E X = 2t, Var X = 6t - 4t^2.
    void featureWithRandomWinsSpreadsAsByHand()
    {
        const Real t = 0.2L;
        GameKernel paid(1, { 0, 3 });
        paid.next[0].at(0, 0) = 1 - t;
        paid.next[1].at(0, 0) = t;
        GameKernel free(1, { 0 });
        free.next[0].at(0, 0) = 1;
        free.win = { 1 };
        free.winSquare = { 2 };
        free.winNext[0].at(0, 0) = 1;
        const RoundMoments m = roundMoments(paid, free);
        QVERIFY(near(m.mean, 2 * t));
        QVERIFY(near(m.variance, 6 * t - 4 * t * t));
        QVERIFY(near(m.asymptoticVariance, m.variance)); // one state: rounds are independent
        QVERIFY(near(m.trigger, t));
        QVERIFY(near(m.freeWinMean, 2) && near(m.freeWinSquare, 6));
        QVERIFY(near(m.freeGamesMean, 2) && near(m.freeGamesSquare, 4));
        QVERIFY(near(m.featureVisits[0], 2 * t));
    }

    // The real game: the sheet's return is the one `exact` counts, its prize shares add up to
    // it, and the chances of every feature length add up to one.
    void parSheetAgreesWithItsOwnFirstMoments_data()
    {
        QTest::addColumn<int>("lines");
        QTest::newRow("1 line") << 1;
        QTest::newRow("25 lines") << 25;
    }
    void parSheetAgreesWithItsOwnFirstMoments()
    {
        QFETCH(int, lines);
        const ParReport r = parReport(lines, 1);
        const ExactFigures x = exactReturn(lines, 1);
        QVERIFY(std::fabs(r.rtp - x.rtp) < 1e-13);
        QVERIFY(std::fabs(r.rtpFeature - x.rtpFeature) < 1e-13);
        QVERIFY(std::fabs(r.hitFrequency - x.hitFrequency) < 1e-13);
        QVERIFY(std::fabs(r.featureChance - 1 / x.gamesPerFeature) < 1e-13);
        QVERIFY(std::fabs(r.meanGames - 1 - x.freeGamesPerFeature) < 1e-10);
        QVERIFY(std::fabs(r.meanMeterWin - x.meanFeatureWin) < 1e-10);
        double shares = 0, lengths = r.longerChance, meanLength = 0;
        for (const Prize &p : r.prizes) {
            shares += p.paidShare + p.freeShare;
            QVERIFY(p.paidChance >= 0 && p.paidChance <= 1);
        }
        QVERIFY2(std::fabs(shares - r.rtp) < 1e-12, qPrintable(QString::number(shares)));
        for (const FeatureLength &l : r.lengths) {
            lengths += l.chance;
            meanLength += l.games * l.chance;
            QVERIFY(l.games == 11 || l.games >= 21);
        }
        QVERIFY(std::fabs(lengths - 1) < 1e-12);
        QVERIFY(std::fabs(meanLength - r.meanGames) < 1e-4); // the list stops at 120 games
        QVERIFY(r.asymptoticSd > 0 && r.sd > 0);
        QVERIFY(r.freeWinBelowStake > 0 && r.freeWinBelowStake < 1);
        QVERIFY(r.largestFreeWin >= 10 * r.largestPaidWin / 2);
        QVERIFY(r.residual < 1e-15);
    }

    // Seeded play of complete games: the exact standard deviation lies inside the batch-means
    // interval of the simulated one. The seeds are fixed, so the runs are the same every time.
    void seededPlaySpreadsAsCounted_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<quint64>("seed");
        QTest::newRow("1 line") << 1 << quint64(31);
        QTest::newRow("25 lines") << 25 << quint64(32);
    }
    void seededPlaySpreadsAsCounted()
    {
        QFETCH(int, lines);
        QFETCH(quint64, seed);
        const ParReport r = parReport(lines, 1);
        SimulateOptions o;
        o.games = 16'000'000;
        o.seed = seed;
        o.lines = lines;
        o.threads = 2;
        const SimulateFigures s = simulate(o);
        QVERIFY2(s.sdLow <= r.sd && r.sd <= s.sdHigh,
            qPrintable(
                QStringLiteral("exact %1, played [%2, %3]").arg(r.sd).arg(s.sdLow).arg(s.sdHigh)));
        QVERIFY(s.sdLow <= s.sd && s.sd <= s.sdHigh);
    }

    // Every prize's chance in paid games and rate in free games, against the cabinet's own
    // steps played from a fixed seed: each exact figure lies within 4.5 standard errors of
    // its count. The player's record is reset each round so that the rule against players
    // far ahead never applies.
    void prizeChancesAgreeWithTheCabinetsSteps_data()
    {
        QTest::addColumn<int>("lines");
        QTest::newRow("1 line") << 1;
        QTest::newRow("25 lines") << 25;
    }
    void prizeChancesAgreeWithTheCabinetsSteps()
    {
        QFETCH(int, lines);
        const ParReport r = parReport(lines, 1);
        const auto slot = [&](Sym symbol, int count) {
            for (std::size_t i = 0; i < r.prizes.size(); ++i) {
                if (r.prizes[i].symbol == symbol && r.prizes[i].count == count) {
                    return i;
                }
            }
            return r.prizes.size();
        };
        std::vector<double> paid(r.prizes.size() + 1, 0), free(paid);
        GameRng rng(41);
        HeadlessGame g(rng);
        g.s.linesplayed = static_cast<Short>(lines);
        constexpr int rounds = 500'000;
        for (int round = 0; round < rounds; ++round) {
            g.p.bank = 1'000'000'000;
            g.p.total = 0;
            g.p.wager = 1'000'000'000;
            bool paidGame = true;
            do {
                g.play(1);
                std::vector<bool> seen(paid.size(), false);
                for (int line = 1; line <= lines; ++line) {
                    const auto l = static_cast<std::size_t>(line);
                    if (g.s.winline[l] != 0) {
                        const int row = tables::paylineRows[l][1];
                        seen[slot(symbolAt(1, g.s.reelstopOf(1), row), g.s.winlength[l])] = true;
                    }
                }
                if (g.s.scatters >= 2) {
                    seen[slot(kScatter, g.s.scatters)] = true;
                }
                for (std::size_t i = 0; i < seen.size(); ++i) {
                    (paidGame ? paid : free)[i] += seen[i];
                }
                paidGame = false;
            } while (g.featureRunning());
            g.collect();
        }
        QCOMPARE(paid.back() + free.back(), 0.0); // every paying result is a listed prize
        for (std::size_t i = 0; i < r.prizes.size(); ++i) {
            const Prize &p = r.prizes[i];
            const double n = rounds;
            // A count of rare events spreads like its square root; free games come in runs
            // of a feature, which the factor of two covers.
            const double paidError = std::sqrt(p.paidChance * (1 - p.paidChance) / n);
            const double freeError = 2 * std::sqrt(p.freeRate / n);
            QVERIFY2(std::fabs(paid[i] / n - p.paidChance) <= 4.5 * paidError + 1 / n,
                qPrintable(QStringLiteral("%1 x%2 paid: %3 played, %4 counted")
                               .arg(QString::fromLatin1(symbolName(p.symbol).data()))
                               .arg(p.count)
                               .arg(paid[i] / n)
                               .arg(p.paidChance)));
            QVERIFY2(std::fabs(free[i] / n - p.freeRate) <= 4.5 * freeError + 1 / n,
                qPrintable(QStringLiteral("%1 x%2 free: %3 played, %4 counted")
                               .arg(QString::fromLatin1(symbolName(p.symbol).data()))
                               .arg(p.count)
                               .arg(free[i] / n)
                               .arg(p.freeRate)));
        }
    }
};

QTEST_APPLESS_MAIN(ExactMoments)
#include "test_exact_moments.moc"
