// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The par-sheet engines against the game's own steps: every window, and seeded play.
#include "rules/fast_game.hpp"
#include "rules/free_spins.hpp"
#include "rules/game_tables.hpp"
#include "rules/par_report.hpp"
#include "rules/par_sheet.hpp"
#include "rules/reel_outcome.hpp"
#include "rules/win_evaluation.hpp"
#include "rules/window_eval.hpp"
#include "support/scripted_rng.hpp"

#include <QTest>
#include <algorithm>
#include <cmath>
#include <vector>

using namespace slot;

namespace
{

// Figures in stakes are computed from credits at each bet, so rounding may differ in the
// last places; a figure that forgets the bet is off by a factor, far beyond this.
bool sameFigure(double a, double b)
{
    return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(a));
}

} // namespace

class ParSheet : public QObject
{
    Q_OBJECT
private slots:
    // The direct evaluation and the line-sum evaluation agree on all 22^5 windows, line by
    // line, so both the counting engines and the cabinet pay alike.
    void directEvaluationMatchesLineSumsEverywhere()
    {
        MainState s;
        PlayerState p;
        s.linesplayed = kLines;
        s.betperline = 1;
        test::ScriptedRng none;
        const PartialTable partials(kLines);
        std::array<int, kReels + 1> stops {};
        long mismatches = 0;
        for (stops[1] = 1; stops[1] <= kStops; ++stops[1]) {
            for (stops[2] = 1; stops[2] <= kStops; ++stops[2]) {
                for (stops[3] = 1; stops[3] <= kStops; ++stops[3]) {
                    for (stops[4] = 1; stops[4] <= kStops; ++stops[4]) {
                        for (stops[5] = 1; stops[5] <= kStops; ++stops[5]) {
                            clearPreviousOutcome(s);
                            for (int reel = 1; reel <= kReels; ++reel) {
                                s.reelstopOf(reel)
                                    = static_cast<Short>(stops[static_cast<std::size_t>(reel)]);
                                recordStop(s, reel);
                            }
                            evaluateWins(s, p, none);
                            const WindowResult w = evaluateWindow(stops, kLines);
                            const FastWindow f = judgeWindow(partials, stops);
                            const int scatterUnits
                                = tables::scatterPay[static_cast<std::size_t>(w.scatters)] * kLines;
                            bool same = s.thiswin == w.lineUnits + scatterUnits
                                && s.scatters == w.scatters && f.lineUnits == w.lineUnits
                                && f.scatters == w.scatters && f.wildWin == w.wildWin;
                            bool anyWildWin = false;
                            for (int line = 1; line <= kLines && same; ++line) {
                                const LineRun run = lineRun(stops, line);
                                same = s.winline[static_cast<std::size_t>(line)]
                                        == (run.count ? line : 0)
                                    && s.winlength[static_cast<std::size_t>(line)] == run.count;
                                anyWildWin = anyWildWin || lineWinsThroughWild(s, line);
                            }
                            same = same && anyWildWin == w.wildWin;
                            if (!same && ++mismatches < 5) {
                                qWarning("window %d,%d,%d,%d,%d differs", stops[1], stops[2],
                                    stops[3], stops[4], stops[5]);
                            }
                        }
                    }
                }
            }
        }
        QCOMPARE(mismatches, 0L);
    }

    // The simulations' integer draw must choose what the cabinet's floating-point one chooses,
    // above all where the product lands a hair below a whole number and its rounding could
    // carry it over.
    void integerDrawChoosesAsTheCabinetDoes()
    {
        const auto cabinet = [](std::uint64_t x, int n) {
            const int k = static_cast<int>(static_cast<double>(x >> 11) * 0x1.0p-53 * n) + 1;
            return k > n ? n : k;
        };
        GameRng rng(5);
        long differences = 0;
        for (const int n : { 2, 4, 22, 25, 100, 128 }) {
            for (int i = 0; i < 200'000; ++i) {
                const std::uint64_t x = rng.next();
                differences += GameRng::drawFrom(x, n) != cabinet(x, n);
            }
            constexpr std::uint64_t kOne = std::uint64_t { 1 } << 53;
            for (std::uint64_t k = 1; k <= static_cast<std::uint64_t>(n); ++k) {
                const std::uint64_t edge = (k * kOne - 1) / static_cast<std::uint64_t>(n);
                for (std::uint64_t back = 0; back < 200 && back <= edge; ++back) {
                    const std::uint64_t m = edge - back;
                    if (m >= kOne) {
                        continue;
                    }
                    for (const std::uint64_t low : { 0ULL, 0x7ffULL }) {
                        const std::uint64_t x = (m << 11) | low;
                        if (GameRng::drawFrom(x, n) != cabinet(x, n) && ++differences < 5) {
                            qWarning("n %d, fraction %llu differs", n,
                                static_cast<unsigned long long>(m));
                        }
                    }
                }
            }
        }
        QCOMPARE(differences, 0L);
    }

    // The fast engine must take the same draws and pay the same as the cabinet's steps.
    void fastEngineReplaysTheFaithfulOne_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("bet");
        QTest::newRow("25 lines at 1") << 25 << 1;
        QTest::newRow("1 line at 20") << 1 << 6;
        QTest::newRow("10 lines at 5") << 10 << 4;
    }
    void fastEngineReplaysTheFaithfulOne()
    {
        QFETCH(int, lines);
        QFETCH(int, bet);
        SimulateOptions o;
        o.games = 150'000;
        o.seed = 99;
        o.lines = lines;
        o.betIndex = bet;
        const SimulateFigures fast = simulate(o);
        o.faithful = true;
        const SimulateFigures faithful = simulate(o);
        QCOMPARE(fast.rtp, faithful.rtp);
        QCOMPARE(fast.hitFrequency, faithful.hitFrequency);
        QCOMPARE(fast.gamesPerFeature, faithful.gamesPerFeature);
        QCOMPARE(fast.meanFeatureWin, faithful.meanFeatureWin);
        QCOMPARE(fast.discardRate, faithful.discardRate);
        QCOMPARE(fast.sd, faithful.sd);
        QCOMPARE(fast.ciLow, faithful.ciLow);
        QCOMPARE(fast.sdHigh, faithful.sdHigh);
        QVERIFY(fast.gamesPerFeature > 0);
    }

    // Exact counting and seeded play of independent windows tell the same story.
    void enumerationLiesInTheSimulatedInterval_data()
    {
        QTest::addColumn<int>("lines");
        QTest::newRow("1 line") << 1;
        QTest::newRow("25 lines") << 25;
    }
    void enumerationLiesInTheSimulatedInterval()
    {
        QFETCH(int, lines);
        const EnumerateFigures exact = enumerateBaseGame(lines);
        QCOMPARE(exact.outcomes, std::uint64_t(5153632));
        SimulateOptions o;
        o.games = 4'000'000;
        o.seed = 5;
        o.lines = lines;
        o.threads = 2;
        o.baseOnly = true;
        const SimulateFigures sim = simulate(o);
        const double base = exact.lineReturn + exact.scatterReturn;
        QVERIFY2(sim.ciLow <= base && base <= sim.ciHigh,
            qPrintable(QString("%1 outside [%2, %3]").arg(base).arg(sim.ciLow).arg(sim.ciHigh)));
        QVERIFY(qAbs(sim.hitFrequency - exact.hitFrequency) < 0.002);
        // The payback check can only take away: what stands returns less than what is drawn.
        QVERIFY(exact.standingReturn < base);
        QVERIFY(exact.standingTrigger < exact.pFeatureTrigger);
    }

    // A bet multiplies every pay and the stake alike, so every figure in stakes, every chance
    // and every share must be the bet-1 figure at every bet, and every figure in credits the
    // bet-1 figure times the bet.
    void figuresInStakesDoNotDependOnTheBet_data()
    {
        // Each sheet takes about a second, so every bet is counted at 1 and 25 lines only.
        QTest::addColumn<int>("lines");
        QTest::addColumn<std::vector<int>>("buttons");
        QTest::newRow("1 line") << 1 << std::vector<int> { 2, 3, 4, 5, 6 };
        QTest::newRow("10 lines") << 10 << std::vector<int> { 4 };
        QTest::newRow("25 lines") << 25 << std::vector<int> { 2, 3, 4, 5, 6 };
    }
    void figuresInStakesDoNotDependOnTheBet()
    {
        QFETCH(int, lines);
        QFETCH(std::vector<int>, buttons);
        const ParReport one = parReport(lines, 1);
        for (const int button : buttons) {
            const ParReport r = parReport(lines, button);
            const int bet = r.bet;
            QCOMPARE(bet, int(tables::betPerButton[static_cast<std::size_t>(button)]));
            QCOMPARE(r.stake, std::int64_t(bet) * lines);
            const auto check = [&](const char *name, double atOne, double here) {
                QVERIFY2(sameFigure(atOne, here),
                    qPrintable(QStringLiteral("%1 at bet %2: %3, at bet 1: %4")
                                   .arg(QLatin1String(name))
                                   .arg(bet)
                                   .arg(here, 0, 'g', 12)
                                   .arg(atOne, 0, 'g', 12)));
            };
            check("rtp", one.rtp, r.rtp);
            check("rtp base", one.rtpBase, r.rtpBase);
            check("rtp feature", one.rtpFeature, r.rtpFeature);
            check("hit frequency", one.hitFrequency, r.hitFrequency);
            check("variance", one.variance, r.variance);
            check("sd", one.sd, r.sd);
            check("volatility index", one.volatilityIndex, r.volatilityIndex);
            check("asymptotic sd", one.asymptoticSd, r.asymptoticSd);
            check("feature chance", one.featureChance, r.featureChance);
            check("longer chance", one.longerChance, r.longerChance);
            check("mean games", one.meanGames, r.meanGames);
            check("sd games", one.sdGames, r.sdGames);
            check("mean free win", one.meanFreeWin, r.meanFreeWin);
            check("sd free win", one.sdFreeWin, r.sdFreeWin);
            check("free win below a stake", one.freeWinBelowStake, r.freeWinBelowStake);
            check("mean meter win", one.meanMeterWin, r.meanMeterWin);
            check("sd meter win", one.sdMeterWin, r.sdMeterWin);
            QCOMPARE(r.bands.size(), one.bands.size());
            for (std::size_t i = 0; i < r.bands.size(); ++i) {
                check("band 90 low", one.bands[i].low90, r.bands[i].low90);
                check("band 95 high", one.bands[i].high95, r.bands[i].high95);
            }
            QCOMPARE(r.lengths.size(), one.lengths.size());
            for (std::size_t i = 0; i < r.lengths.size(); ++i) {
                QCOMPARE(r.lengths[i].games, one.lengths[i].games);
                check("feature length chance", one.lengths[i].chance, r.lengths[i].chance);
            }
            QCOMPARE(r.prizes.size(), one.prizes.size());
            for (std::size_t i = 0; i < r.prizes.size(); ++i) {
                QCOMPARE(r.prizes[i].pay, one.prizes[i].pay * bet);
                check("prize paid chance", one.prizes[i].paidChance, r.prizes[i].paidChance);
                check("prize paid share", one.prizes[i].paidShare, r.prizes[i].paidShare);
                check("prize free rate", one.prizes[i].freeRate, r.prizes[i].freeRate);
                check("prize free share", one.prizes[i].freeShare, r.prizes[i].freeShare);
            }
            QCOMPARE(r.largestPaidWin, one.largestPaidWin * bet);
            QCOMPARE(r.largestFreeWin, one.largestFreeWin * bet);
            QCOMPARE(r.largestTriggerWin, one.largestTriggerWin * bet);
        }
    }

    // Seeded play takes the same draws at every bet, so it tells the same story in stakes.
    void seededPlayInStakesDoesNotDependOnTheBet()
    {
        SimulateOptions o;
        o.games = 200'000;
        o.seed = 17;
        o.lines = 20;
        const SimulateFigures one = simulate(o);
        for (int button = 2; button <= 6; ++button) {
            o.betIndex = button;
            const SimulateFigures s = simulate(o);
            QVERIFY(sameFigure(one.rtp, s.rtp));
            QVERIFY(sameFigure(one.sd, s.sd));
            QVERIFY(sameFigure(one.meanFeatureWin, s.meanFeatureWin));
            QCOMPARE(s.hitFrequency, one.hitFrequency);
            QCOMPARE(s.gamesPerFeature, one.gamesPerFeature);
            QCOMPARE(s.discardRate, one.discardRate);
        }
    }
};

QTEST_APPLESS_MAIN(ParSheet)
#include "test_par_sheet.moc"
