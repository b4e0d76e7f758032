// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Counting is split by reel so that only the lines still running reach the inner loops.
#include "rules/par_sheet.hpp"

#include "rules/fast_game.hpp"
#include "rules/game_tables.hpp"
#include "rules/headless_game.hpp"
#include "rules/window_eval.hpp"

#include <chrono>
#include <cmath>
#include <thread>
#include <vector>

namespace slot
{

namespace
{

struct LineState {
    Sym symbol = Sym::None;
    int run = 0; // matched reels so far
    bool open = false; // the run may still grow
};

bool matches(Sym shown, Sym wanted)
{
    return shown == wanted || shown == kWild;
}

bool showsScatter(int reel, int stop)
{
    for (int row = 1; row <= 3; ++row) {
        if (symbolAt(reel, stop, row) == kScatter) {
            return true;
        }
    }
    return false;
}

int payUnits(Sym symbol, int run)
{
    if (run < 2 || symbol == Sym::None) {
        return 0;
    }
    return tables::linePay[static_cast<std::size_t>(index(symbol))][static_cast<std::size_t>(run)];
}

struct Tally {
    double outcomes = 0, lineUnits = 0, scatterUnits = 0, hits = 0, triggers = 0, discardable = 0;
    double weight = 0, standingUnits = 0, standingTriggers = 0;
};

} // namespace

EnumerateFigures enumerateBaseGame(int lines)
{
    lines = lines < 1 ? 1 : lines > kLines ? kLines : lines;
    Tally t;
    std::array<LineState, kLines + 1> l1 {}, l2 {}, l3 {}, l4 {};
    for (int a = 1; a <= kStops; ++a) {
        const int sc1 = showsScatter(1, a);
        for (int line = 1; line <= lines; ++line) {
            const Sym s = symbolAt(1, a, tables::paylineRows[static_cast<std::size_t>(line)][1]);
            l1[static_cast<std::size_t>(line)] = { s, 1, isOrdinary(s) };
        }
        auto advance = [lines](const auto &in, auto &out, int reel, int stop) {
            for (int line = 1; line <= lines; ++line) {
                const auto i = static_cast<std::size_t>(line);
                out[i] = in[i];
                if (in[i].open) {
                    const Sym s = symbolAt(
                        reel, stop, tables::paylineRows[i][static_cast<std::size_t>(reel)]);
                    if (matches(s, in[i].symbol)) {
                        ++out[i].run;
                    } else {
                        out[i].open = false;
                    }
                }
            }
        };
        for (int b = 1; b <= kStops; ++b) {
            const int sc2 = sc1 + showsScatter(2, b);
            advance(l1, l2, 2, b);
            for (int c = 1; c <= kStops; ++c) {
                const int sc3 = sc2 + showsScatter(3, c);
                advance(l2, l3, 3, c);
                for (int d = 1; d <= kStops; ++d) {
                    const int sc4 = sc3 + showsScatter(4, d);
                    advance(l3, l4, 4, d);
                    // Pay of every line if reel 5 does not extend it, and the lines it might.
                    int base = 0;
                    std::array<int, kLines> candidates {};
                    int nc = 0;
                    for (int line = 1; line <= lines; ++line) {
                        const auto &st = l4[static_cast<std::size_t>(line)];
                        if (st.symbol == Sym::None) {
                            continue;
                        }
                        base += payUnits(st.symbol, st.run);
                        if (st.open && st.run == 4) {
                            candidates[static_cast<std::size_t>(nc++)] = line;
                        }
                    }
                    for (int e = 1; e <= kStops; ++e) {
                        const int scatters = sc4 + showsScatter(5, e);
                        int units = base;
                        for (int k = 0; k < nc; ++k) {
                            const auto line
                                = static_cast<std::size_t>(candidates[static_cast<std::size_t>(k)]);
                            const Sym s = symbolAt(5, e, tables::paylineRows[line][5]);
                            if (matches(s, l4[line].symbol)) {
                                units
                                    += payUnits(l4[line].symbol, 5) - payUnits(l4[line].symbol, 4);
                            }
                        }
                        const int scatterUnits
                            = tables::scatterPay[static_cast<std::size_t>(scatters)] * lines;
                        const int win = units + scatterUnits;
                        const bool trigger = scatters >= 3;
                        const bool discardable = win > 2 * lines || trigger;
                        const double w = discardable ? 0.25 : 1.0;
                        t.outcomes += 1;
                        t.lineUnits += units;
                        t.scatterUnits += scatterUnits;
                        t.hits += win > 0;
                        t.triggers += trigger;
                        t.discardable += discardable;
                        t.weight += w;
                        t.standingUnits += w * win;
                        t.standingTriggers += w * trigger;
                    }
                }
            }
        }
    }
    EnumerateFigures f;
    f.lines = lines;
    f.outcomes = static_cast<std::uint64_t>(t.outcomes);
    f.lineReturn = t.lineUnits / t.outcomes / lines;
    f.scatterReturn = t.scatterUnits / t.outcomes / lines;
    f.hitFrequency = t.hits / t.outcomes;
    f.pFeatureTrigger = t.triggers / t.outcomes;
    f.pDiscardable = t.discardable / t.outcomes;
    // A discarded result is replaced by a fresh game, so what stands is the draw weighted
    // by its chance of being kept (1, or 1 in 4).
    f.standingReturn = t.standingUnits / t.weight / lines;
    f.standingTrigger = t.standingTriggers / t.weight;
    return f;
}

namespace
{

struct SimTally {
    std::uint64_t games = 0, hits = 0, features = 0, discards = 0, evaluated = 0;
    double won = 0, staked = 0, featureWon = 0;
    double squares = 0; // of each paid game's return, in stakes
    std::vector<double> batchReturns;
    std::vector<double> batchVariances; // of single games within each batch
};

// The mean of per-batch statistics and the half width of its 95 % interval.
std::pair<double, double> batchMeans(const std::vector<double> &values)
{
    const auto n = static_cast<double>(values.size());
    if (n < 2) {
        return { values.empty() ? 0 : values.front(), 0 };
    }
    double mean = 0;
    for (double r : values) {
        mean += r;
    }
    mean /= n;
    double var = 0;
    for (double r : values) {
        var += (r - mean) * (r - mean);
    }
    var /= (n - 1);
    return { mean, 1.959964 * std::sqrt(var / n) };
}

constexpr std::uint64_t kBatch = 10'000;

// Wins are summed as whole credits and squared in doubles within a batch; the batch then
// settles in stakes. Per game that is three additions, which the simulation's speed needs.
struct Batch {
    std::int64_t won = 0;
    double squares = 0; // of credits won
    std::uint64_t games = 0;
};

void settleBatch(SimTally &t, double stake, Batch &batch, std::atomic<std::uint64_t> *progress)
{
    const auto n = static_cast<double>(batch.games);
    t.won += static_cast<double>(batch.won);
    t.staked += n * stake;
    t.squares += batch.squares / (stake * stake);
    if (batch.games == kBatch) {
        const double mean = static_cast<double>(batch.won) / (n * stake);
        t.batchReturns.push_back(mean);
        t.batchVariances.push_back((batch.squares / (stake * stake) - n * mean * mean) / (n - 1));
        if (progress) {
            *progress += kBatch;
        }
    }
    batch = {};
}

void addToBatch(
    SimTally &t, std::int64_t won, double stake, Batch &batch, std::atomic<std::uint64_t> *progress)
{
    batch.won += won;
    const auto w = static_cast<double>(won);
    batch.squares += w * w;
    if (++batch.games == kBatch) [[unlikely]] {
        settleBatch(t, stake, batch, progress);
    }
}

void simulateBaseOnly(
    GameRng &rng, std::uint64_t games, int lines, SimTally &t, std::atomic<std::uint64_t> *progress)
{
    std::array<int, kReels + 1> stops {};
    Batch batch;
    for (std::uint64_t g = 0; g < games; ++g) {
        for (int reel = 1; reel <= kReels; ++reel) {
            stops[static_cast<std::size_t>(reel)] = rng.draw(kStops);
        }
        const WindowResult r = evaluateWindow(stops, lines);
        const int win
            = r.lineUnits + tables::scatterPay[static_cast<std::size_t>(r.scatters)] * lines;
        t.hits += win > 0;
        ++t.evaluated;
        addToBatch(t, win, lines, batch, progress);
    }
    settleBatch(t, lines, batch, progress);
    t.games = games;
}

// The cabinet's own steps, line sums and all: slow, and the reference for the fast engine.
void simulateFaithful(GameRng &rng, std::uint64_t games, int lines, int betIndex, SimTally &t,
    std::atomic<std::uint64_t> *progress)
{
    HeadlessGame game(rng);
    game.s.linesplayed = static_cast<Short>(lines);
    game.p.reelspeed = 1;
    const double stake
        = static_cast<double>(tables::betPerButton[static_cast<std::size_t>(betIndex)]) * lines;
    Batch batch;
    for (std::uint64_t g = 0; g < games; ++g) {
        game.p.bank = 1'000'000'000; // the simulated player never runs dry
        const GameReport first = game.play(betIndex);
        auto won = static_cast<std::int64_t>(game.s.thiswin);
        t.discards += static_cast<std::uint64_t>(first.discards);
        t.evaluated += static_cast<std::uint64_t>(first.discards) + 1;
        t.hits += game.s.thiswin > 0;
        if (game.featureRunning()) {
            ++t.features;
            double featureWon = game.s.thiswin;
            while (game.featureRunning()) {
                const GameReport free = game.play(betIndex);
                t.discards += static_cast<std::uint64_t>(free.discards);
                t.evaluated += static_cast<std::uint64_t>(free.discards) + 1;
                won += static_cast<std::int64_t>(game.s.thiswin);
                featureWon += game.s.thiswin;
            }
            game.collect();
            t.featureWon += featureWon / stake;
        }
        addToBatch(t, won, stake, batch, progress);
    }
    settleBatch(t, stake, batch, progress);
    t.games = games;
}

void simulateFast(GameRng &rng, std::uint64_t games, int lines, int betIndex, SimTally &t,
    std::atomic<std::uint64_t> *progress)
{
    const PartialTable table(lines);
    FastGame game(table, betIndex, rng);
    const double stake
        = static_cast<double>(tables::betPerButton[static_cast<std::size_t>(betIndex)]) * lines;
    Batch batch;
    std::uint64_t discards = 0;
    std::uint64_t evaluated = 0;
    std::uint64_t hits = 0;
    game.playRounds(games, [&](const RoundResult &r) {
        discards += static_cast<std::uint64_t>(r.discards);
        evaluated += static_cast<std::uint64_t>(r.evaluated);
        hits += r.hit;
        if (r.feature) [[unlikely]] {
            ++t.features;
            t.featureWon += static_cast<double>(r.featureWon) / stake;
        }
        addToBatch(t, r.won, stake, batch, progress);
    });
    settleBatch(t, stake, batch, progress);
    t.discards = discards;
    t.evaluated = evaluated;
    t.hits = hits;
    t.games = games;
}

} // namespace

SimulateFigures simulate(const SimulateOptions &o, std::atomic<std::uint64_t> *progress)
{
    const auto start = std::chrono::steady_clock::now();
    const int threads = o.threads < 1 ? 1 : o.threads;
    const int lines = o.lines < 1 ? 1 : o.lines > kLines ? kLines : o.lines;
    const int betIndex = o.betIndex < 1 ? 1 : o.betIndex > 6 ? 6 : o.betIndex;
    std::vector<SimTally> tallies(static_cast<std::size_t>(threads));
    std::vector<std::thread> workers;
    GameRng root(o.seed);
    for (int i = 0; i < threads; ++i) {
        const std::uint64_t share = o.games / static_cast<std::uint64_t>(threads)
            + (static_cast<std::uint64_t>(i) < o.games % static_cast<std::uint64_t>(threads) ? 1
                                                                                             : 0);
        GameRng stream = root;
        root.jump(); // each thread its own non-overlapping stream
        workers.emplace_back([=, &o, &tallies]() mutable {
            auto &t = tallies[static_cast<std::size_t>(i)];
            if (o.baseOnly) {
                simulateBaseOnly(stream, share, lines, t, progress);
            } else if (o.faithful) {
                simulateFaithful(stream, share, lines, betIndex, t, progress);
            } else {
                simulateFast(stream, share, lines, betIndex, t, progress);
            }
        });
    }
    for (auto &w : workers) {
        w.join();
    }
    SimTally all;
    for (const auto &t : tallies) {
        all.games += t.games;
        all.hits += t.hits;
        all.features += t.features;
        all.discards += t.discards;
        all.evaluated += t.evaluated;
        all.won += t.won;
        all.staked += t.staked;
        all.featureWon += t.featureWon;
        all.squares += t.squares;
        all.batchReturns.insert(
            all.batchReturns.end(), t.batchReturns.begin(), t.batchReturns.end());
        all.batchVariances.insert(
            all.batchVariances.end(), t.batchVariances.begin(), t.batchVariances.end());
    }
    SimulateFigures f;
    f.games = all.games;
    f.rtp = all.staked > 0 ? all.won / all.staked : 0;
    // Batch means: a held wild ties neighbouring games together, so single games are not
    // independent; batches of ten thousand are, for every practical purpose.
    const auto [mean, half] = batchMeans(all.batchReturns);
    f.ciLow = f.rtp - (all.batchReturns.size() >= 2 ? half : 0);
    f.ciHigh = f.rtp + (all.batchReturns.size() >= 2 ? half : 0);
    (void)mean;
    if (all.games >= 2) {
        const auto n = static_cast<double>(all.games);
        f.sd = std::sqrt(std::max(0.0, (all.squares - n * f.rtp * f.rtp) / (n - 1)));
    }
    // Within a batch the games are as good as a sample of single games; the batches' own
    // variances then vary independently around the true one.
    const auto [variance, spread] = batchMeans(all.batchVariances);
    f.sdLow = std::sqrt(std::max(0.0, variance - spread));
    f.sdHigh = std::sqrt(variance + spread);
    f.hitFrequency = all.games ? static_cast<double>(all.hits) / static_cast<double>(all.games) : 0;
    f.gamesPerFeature
        = all.features ? static_cast<double>(all.games) / static_cast<double>(all.features) : 0;
    f.meanFeatureWin = all.features ? all.featureWon / static_cast<double>(all.features) : 0;
    f.discardRate = all.evaluated
        ? static_cast<double>(all.discards) / static_cast<double>(all.evaluated)
        : 0;
    f.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return f;
}

} // namespace slot
