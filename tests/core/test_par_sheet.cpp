// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The par-sheet engines against the game's own steps: every window, and seeded play.
#include "rules/fast_game.hpp"
#include "rules/free_spins.hpp"
#include "rules/par_sheet.hpp"
#include "rules/reel_outcome.hpp"
#include "rules/win_evaluation.hpp"
#include "rules/window_eval.hpp"
#include "support/scripted_rng.hpp"

#include <QTest>

using namespace slot;

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
};

QTEST_APPLESS_MAIN(ParSheet)
#include "test_par_sheet.moc"
