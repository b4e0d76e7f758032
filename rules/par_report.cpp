// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One count of every window from every hold state feeds both the chain (return and spread)
// and the tallies only a par sheet needs (prizes, small feature wins, the largest wins), so
// the 7.26 million windows are judged once.
#include "rules/par_report.hpp"

#include "rules/exact_moments.hpp"
#include "rules/exact_return.hpp"
#include "rules/fast_game.hpp"

#include <algorithm>
#include <array>
#include <cmath>

namespace slot
{

namespace
{

constexpr int kZebraPair = tables::linePay[static_cast<std::size_t>(Sym::zebra)][2];
constexpr int kScatterPrizes = 4; // 2 to 5 scatters
// Line prizes: zebra pays from 2, every ordinary symbol from 3.
constexpr int kPrizes = 1 + kOrdinarySymbols * 3 + kScatterPrizes;

int linePrize(Sym symbol, int count)
{
    return count == 2 ? 0 : 1 + (index(symbol) - 1) * 3 + (count - 3);
}

int scatterPrize(int scatters)
{
    return 1 + kOrdinarySymbols * 3 + (scatters - 2);
}

std::vector<Prize> prizeList(int lines, int bet)
{
    std::vector<Prize> out(kPrizes);
    out[0] = { Sym::zebra, 2, bet * kZebraPair };
    for (int i = 1; i <= kOrdinarySymbols; ++i) {
        for (int count = 3; count <= 5; ++count) {
            const auto s = static_cast<Sym>(i);
            out[static_cast<std::size_t>(linePrize(s, count))] = {
                s, count,
                bet * tables::linePay[static_cast<std::size_t>(i)][static_cast<std::size_t>(count)]
            };
        }
    }
    for (int s = 2; s <= 5; ++s) {
        out[static_cast<std::size_t>(scatterPrize(s))] = { kScatter, s,
            static_cast<std::int64_t>(bet) * lines
                * tables::scatterPay[static_cast<std::size_t>(s)] };
    }
    return out;
}

using PerState = std::array<std::array<Real, kHoldStates>, kPrizes>;

// Tallies of one hold state's windows, turned into expectations when the state is done.
class PrizeCounter final : public WindowObserver
{
public:
    PrizeCounter(const PartialTable &t, int lines, int bet)
        : table(t)
        , units(lines)
        , betCredits(bet)
        , prizes(prizeList(lines, bet))
        , smallWins(static_cast<std::size_t>(kHoldStates * lines * kHoldStates), 0)
    {
    }

    void window(int state, const std::array<int, kReels + 1> &stops, const FastWindow &fw,
        const WeightedWindow &w) override
    {
        // Which prizes the window pays, and on how many lines.
        std::array<int, kPrizes> lines {};
        std::array<int, 8> shown {};
        int nshown = 0;
        const auto mark = [&](int prize, int count) {
            if (lines[static_cast<std::size_t>(prize)] == 0) {
                shown[static_cast<std::size_t>(nshown++)] = prize;
            }
            lines[static_cast<std::size_t>(prize)] += count;
        };
        const auto &e = table.at(stops[1], stops[2], stops[3]);
        if (e.units > 0) {
            mark(0, e.units / kZebraPair); // only zebra ends at 2
        }
        for (std::uint32_t i = e.firstOpen; i < e.firstOpen + e.openCount; ++i) {
            const auto &o = table.open(i);
            bool wild = false;
            const int run = runThrough(o, stops, wild);
            if (tables::linePay[static_cast<std::size_t>(o.symbol)][static_cast<std::size_t>(run)]
                > 0) {
                mark(linePrize(o.symbol, run), 1);
            }
        }
        if (fw.scatters >= 2) {
            mark(scatterPrize(fw.scatters), 1);
        }
        int topFactor = 1;
        for (int i = 0; i < w.freeCount; ++i) {
            topFactor = std::max(topFactor, w.free[static_cast<std::size_t>(i)].first);
        }
        largestPaid = std::max(largestPaid, w.thiswin);
        if (w.thiswin > units * betCredits) {
            paidAbove += w.paidWeight;
        }
        largestFree = std::max(largestFree, w.thiswin * topFactor);
        if (w.award > 0) {
            largestTrigger = std::max(largestTrigger, w.thiswin);
        }

        for (int k = 0; k < nshown; ++k) {
            const auto p = static_cast<std::size_t>(shown[static_cast<std::size_t>(k)]);
            const std::int64_t won = prizes[p].pay * lines[p];
            paidSeen[p] += w.paidWeight;
            paidPay[p] += w.paidWeight * won;
            for (int i = 0; i < w.freeCount; ++i) {
                const auto &[factor, weight] = w.free[static_cast<std::size_t>(i)];
                freeSeen[p] += weight;
                freePay[p] += weight * won * factor;
            }
        }
        // Free games that win less than a stake in total can hold no retrigger (three
        // scatters alone pay five stakes), so only such games need their win kept.
        if (w.award == 0) {
            for (int i = 0; i < w.freeCount; ++i) {
                const auto &[factor, weight] = w.free[static_cast<std::size_t>(i)];
                const std::int64_t won = w.thiswin * factor / betCredits;
                if (won < units) {
                    smallWins[smallIndex(state, static_cast<int>(won), w.nextState)]
                        += static_cast<Real>(weight);
                }
            }
        }
    }

    void stateDone(int state, std::int64_t paidWeight, std::int64_t freeWeight) override
    {
        const auto s = static_cast<std::size_t>(state);
        for (std::size_t p = 0; p < kPrizes; ++p) {
            paidChance[p][s] = static_cast<Real>(paidSeen[p]) / static_cast<Real>(paidWeight);
            paidWin[p][s] = static_cast<Real>(paidPay[p]) / static_cast<Real>(paidWeight);
            freeChance[p][s] = static_cast<Real>(freeSeen[p]) / static_cast<Real>(freeWeight);
            freeWin[p][s] = static_cast<Real>(freePay[p]) / static_cast<Real>(freeWeight);
        }
        aboveChance[s] = static_cast<Real>(paidAbove) / static_cast<Real>(paidWeight);
        paidAbove = 0;
        paidSeen = paidPay = freeSeen = freePay = {};
        for (int u = 0; u < units; ++u) {
            for (int to = 0; to < kHoldStates; ++to) {
                smallWins[smallIndex(state, u, to)] /= static_cast<Real>(freeWeight);
            }
        }
    }

    std::size_t smallIndex(int state, int won, int to) const
    {
        return static_cast<std::size_t>((state * units + won) * kHoldStates + to);
    }

    const PartialTable &table;
    int units; // a stake, in credits per line bet
    int betCredits;
    std::vector<Prize> prizes;
    std::array<std::int64_t, kPrizes> paidSeen {}, paidPay {}, freeSeen {}, freePay {};
    PerState paidChance {}, paidWin {}, freeChance {}, freeWin {};
    std::int64_t paidAbove = 0;
    std::array<Real, kHoldStates> aboveChance {};
    // Chance of a free game from a state winning `won` (< one stake) with no award and
    // leaving a state, indexed by smallIndex.
    std::vector<Real> smallWins;
    std::int64_t largestPaid = 0, largestFree = 0, largestTrigger = 0;
};

Real weightedSum(const std::vector<Real> &by, const std::array<Real, kHoldStates> &values)
{
    Real s = 0;
    for (std::size_t h = 0; h < kHoldStates; ++h) {
        s += by[h] * values[h];
    }
    return s;
}

// The chance of every feature length, by following the feature's games left and hold state
// game by game. A retrigger adds 11, 21 or 31 games and a game uses one, so the games left
// move by steps of 10 and only one value in ten is ever occupied: the zero test skips the rest.
void featureLengths(
    const GameKernel &paid, const GameKernel &free, const RoundMoments &m, ParReport &out)
{
    const int most = kLongestListed;
    using Layer = std::vector<std::array<Real, kHoldStates>>; // [games left][state]
    Layer left(static_cast<std::size_t>(most + 1), std::array<Real, kHoldStates> {});
    Real tail = 0;
    for (std::size_t k = 0; k < paid.awards.size(); ++k) {
        const int a = paid.awards[k];
        for (int h = 0; h < kHoldStates && a > 0; ++h) {
            left[static_cast<std::size_t>(a - 1)][static_cast<std::size_t>(h)]
                += m.featureStart[k][static_cast<std::size_t>(h)] / m.trigger;
        }
    }
    for (int played = 1; played <= most; ++played) {
        Layer next(static_cast<std::size_t>(most + 1), std::array<Real, kHoldStates> {});
        Real ended = 0;
        for (int h = 0; h < kHoldStates; ++h) {
            ended += left[0][static_cast<std::size_t>(h)];
        }
        if (ended > 0) {
            out.lengths.push_back({ played, static_cast<double>(ended) });
        }
        for (int r = 1; r <= most; ++r) {
            for (int h = 0; h < kHoldStates; ++h) {
                const Real mass = left[static_cast<std::size_t>(r)][static_cast<std::size_t>(h)];
                if (mass == 0) {
                    continue;
                }
                for (std::size_t k = 0; k < free.awards.size(); ++k) {
                    const int after = r - 1 + free.awards[k];
                    for (int to = 0; to < kHoldStates; ++to) {
                        const Real p = mass * free.next[k].at(h, to);
                        if (p == 0) {
                            continue;
                        }
                        if (played + 1 + after > most) {
                            tail += p;
                        } else {
                            next[static_cast<std::size_t>(after)][static_cast<std::size_t>(to)]
                                += p;
                        }
                    }
                }
            }
        }
        left = std::move(next);
    }
    out.longerChance = static_cast<double>(tail);
}

// The chance that the games after a trigger win less than one stake in all: no retrigger, and
// the small wins of their 10, 20 or 30 games stay below the stake.
double freeWinBelowStake(const GameKernel &paid, const RoundMoments &m, const PrizeCounter &c)
{
    const int units = c.units;
    // mass[won][state] with the games still to play; features of different lengths are
    // followed together, the shorter ones finishing first.
    std::vector<std::vector<Real>> mass(
        static_cast<std::size_t>(units), std::vector<Real>(kHoldStates, 0));
    Real below = 0;
    int longest = 0;
    for (const int a : paid.awards) {
        longest = std::max(longest, a - 1);
    }
    for (int left = longest; left >= 1; --left) {
        for (std::size_t k = 0; k < paid.awards.size(); ++k) {
            if (paid.awards[k] - 1 == left) {
                for (std::size_t h = 0; h < kHoldStates; ++h) {
                    mass[0][h] += m.featureStart[k][h] / m.trigger;
                }
            }
        }
        std::vector<std::vector<Real>> next(
            static_cast<std::size_t>(units), std::vector<Real>(kHoldStates, 0));
        for (int won = 0; won < units; ++won) {
            for (int h = 0; h < kHoldStates; ++h) {
                const Real p = mass[static_cast<std::size_t>(won)][static_cast<std::size_t>(h)];
                if (p == 0) {
                    continue;
                }
                for (int add = 0; won + add < units; ++add) {
                    for (int to = 0; to < kHoldStates; ++to) {
                        const Real q = c.smallWins[c.smallIndex(h, add, to)];
                        if (q != 0) {
                            next[static_cast<std::size_t>(won + add)][static_cast<std::size_t>(to)]
                                += p * q;
                        }
                    }
                }
            }
        }
        mass = std::move(next);
    }
    for (const auto &row : mass) {
        for (Real p : row) {
            below += p;
        }
    }
    return static_cast<double>(below);
}

double sdOf(Real mean, Real square)
{
    return static_cast<double>(std::sqrt(std::max(Real(0), square - mean * mean)));
}

} // namespace

ParReport parReport(int lines, int betIndex)
{
    ParReport out;
    out.lines = lines < 1 ? 1 : lines > kLines ? kLines : lines;
    out.bet = tables::betPerButton[static_cast<std::size_t>(
        betIndex < 1 || betIndex > 6 ? 1 : betIndex)];
    out.stake = static_cast<std::int64_t>(out.bet) * out.lines;
    const PartialTable table(out.lines);
    PrizeCounter counter(table, out.lines, out.bet);
    const GameKernels k = buildKernels(out.lines, out.bet, &counter);
    const RoundMoments m = roundMoments(k.paid, k.free);
    const auto stake = static_cast<Real>(out.stake);

    out.windows = k.windows;
    out.rtp = static_cast<double>(m.mean / stake);
    out.rtpFeature = static_cast<double>(m.meterMean * m.trigger / stake);
    out.rtpBase = out.rtp - out.rtpFeature;
    out.hitFrequency = static_cast<double>(m.hit);
    out.aboveStake = static_cast<double>(weightedSum(m.stationary, counter.aboveChance));
    out.variance = static_cast<double>(m.variance / (stake * stake));
    out.sd = std::sqrt(out.variance);
    out.volatilityIndex = kVolatilityZ * out.sd;
    out.asymptoticVariance = static_cast<double>(m.asymptoticVariance / (stake * stake));
    out.asymptoticSd = std::sqrt(out.asymptoticVariance);
    for (const std::int64_t n : { 1'000, 10'000, 100'000, 1'000'000 }) {
        const double spread = out.asymptoticSd / std::sqrt(static_cast<double>(n));
        out.bands.push_back({ n, out.rtp - kVolatilityZ * spread, out.rtp + kVolatilityZ * spread,
            out.rtp - kBand95Z * spread, out.rtp + kBand95Z * spread });
    }

    out.prizes = counter.prizes;
    for (std::size_t p = 0; p < out.prizes.size(); ++p) {
        Prize &z = out.prizes[p];
        z.paidChance = static_cast<double>(weightedSum(m.stationary, counter.paidChance[p]));
        z.paidShare = static_cast<double>(weightedSum(m.stationary, counter.paidWin[p]) / stake);
        z.freeRate = static_cast<double>(weightedSum(m.featureVisits, counter.freeChance[p]));
        z.freeShare = static_cast<double>(weightedSum(m.featureVisits, counter.freeWin[p]) / stake);
    }

    out.featureChance = static_cast<double>(m.trigger);
    out.meanGames = static_cast<double>(1 + m.freeGamesMean);
    out.sdGames = sdOf(m.freeGamesMean, m.freeGamesSquare);
    out.meanFreeWin = static_cast<double>(m.freeWinMean / stake);
    out.sdFreeWin = sdOf(m.freeWinMean, m.freeWinSquare) / static_cast<double>(stake);
    out.meanMeterWin = static_cast<double>(m.meterMean / stake);
    out.sdMeterWin = sdOf(m.meterMean, m.meterSquare) / static_cast<double>(stake);
    featureLengths(k.paid, k.free, m, out);
    out.freeWinBelowStake = freeWinBelowStake(k.paid, m, counter);

    out.largestPaidWin = counter.largestPaid;
    out.largestFreeWin = counter.largestFree;
    out.largestTriggerWin = counter.largestTrigger;
    out.residual = static_cast<double>(m.residual);
    return out;
}

} // namespace slot
