// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every window is weighted by integers (a stop is 1 in 22, a kept result 4 against 1, a
// multiplier 1, 4, 9 or 11 in 25) so that the counts are exact before any division.
#include "rules/exact_return.hpp"

#include "rules/fast_game.hpp"
#include "rules/game_tables.hpp"

#include <array>

namespace slot
{

namespace
{

int wildIndex(int reel, int stop)
{
    if (reel == 2) {
        return stop == 1 || stop == 2 ? stop : 0;
    }
    return stop >= 9 && stop <= 11 ? stop - 8 : 0;
}

int wildStop(int reel, int i)
{
    return i == 0 ? 0 : reel == 2 ? i : i + 8;
}

constexpr std::array<int, 4> kAwards { 0, 11, 21, 31 };
constexpr int kKeep = 4; // a result that can be replaced stands 1 time in 4
constexpr int kMultipliers = 25;
constexpr std::array<std::array<int, 2>, 4> kMultiplierChances { { { 10, 1 }, { 5, 4 }, { 3, 9 },
    { 2, 11 } } };

// Squares of the largest wins times their weights outgrow 64 bits at the top bets.
__extension__ using Wide = __int128;

struct Tally {
    std::array<std::array<std::int64_t, kHoldStates>, kAwards.size()> next {};
    std::array<std::array<std::int64_t, kHoldStates>, kAwards.size()> nextWin {};
    std::int64_t weight = 0, win = 0, triggerWin = 0, hit = 0;
    Wide winSquare = 0, triggerWinSquare = 0;
    std::int64_t raw = 0; // the weight if nothing were ever replaced

    void add(std::int64_t w, std::int64_t thiswin, std::size_t award, int nextState)
    {
        const auto to = static_cast<std::size_t>(nextState);
        next[award][to] += w;
        nextWin[award][to] += w * thiswin;
        weight += w;
        win += w * thiswin;
        const Wide square = static_cast<Wide>(w) * thiswin * thiswin;
        winSquare += square;
        if (award > 0) {
            triggerWin += w * thiswin;
            triggerWinSquare += square;
        }
        hit += thiswin > 0 ? w : 0;
    }
};

struct Window {
    std::int64_t thiswin = 0; // before any multiplier
    int scatters = 0;
    bool wildWin = false;
    int nextState = 0;
};

struct Rules {
    std::int64_t bet;
    std::int64_t stake;
    // Without a held reel a big win or a trigger is replaced unless the 1-in-4 chance keeps it.
    std::int64_t keepWeight(bool held, std::int64_t thiswin, int scatters) const
    {
        const bool replaceable = !held && (thiswin > 2 * stake || scatters > 2);
        return replaceable ? 1 : kKeep;
    }
};

WeightedWindow tallyWindow(const Rules &rules, bool held, const Window &w, Tally &paid, Tally &free)
{
    WeightedWindow out;
    out.thiswin = w.thiswin;
    out.award = w.scatters >= 3 ? static_cast<std::size_t>(w.scatters - 2) : 0;
    out.nextState = w.nextState;
    out.paidWeight = rules.keepWeight(held, w.thiswin, w.scatters);
    paid.add(out.paidWeight, w.thiswin, out.award, w.nextState);
    paid.raw += kKeep;
    free.raw += kKeep * kMultipliers;
    if (!w.wildWin) {
        out.free[0] = { 1, kMultipliers * rules.keepWeight(held, w.thiswin, w.scatters) };
        out.freeCount = 1;
    } else {
        // The multiplier is drawn before the payback check, so it decides what can be replaced.
        for (const auto &[factor, chance] : kMultiplierChances) {
            out.free[static_cast<std::size_t>(out.freeCount++)]
                = { factor, chance * rules.keepWeight(held, w.thiswin * factor, w.scatters) };
        }
    }
    for (int i = 0; i < out.freeCount; ++i) {
        const auto &[factor, weight] = out.free[static_cast<std::size_t>(i)];
        free.add(weight, w.thiswin * factor, out.award, w.nextState);
    }
    return out;
}

// A held reel holds again only when reel 1 rests at its last stop; a free reel that shows the
// wild holds in the next game.
int nextHold(const HoldState &start, const std::array<int, kReels + 1> &stops)
{
    const bool again = stops[1] == kStops;
    const int held[] = { start.stop2, start.stop3, start.stop4 };
    int i[3];
    for (int reel = 2; reel <= 4; ++reel) {
        const int h = held[reel - 2];
        i[reel - 2] = h != 0 ? (again ? wildIndex(reel, h) : 0)
                             : wildIndex(reel, stops[static_cast<std::size_t>(reel)]);
    }
    return (i[0] * 4 + i[1]) * 4 + i[2];
}

void tallyState(const PartialTable &table, const Rules &rules, int state, Tally &paid, Tally &free,
    std::uint64_t &windows, WindowObserver *observer)
{
    const HoldState start = holdStateAt(state);
    std::array<int, kReels + 1> stops { 0, 1, start.stop2 ? start.stop2 : 1,
        start.stop3 ? start.stop3 : 1, start.stop4 ? start.stop4 : 1, 1 };
    const bool fixed[]
        = { true, false, start.stop2 != 0, start.stop3 != 0, start.stop4 != 0, false };
    for (;;) {
        const FastWindow fw = judgeWindow(table, stops);
        Window w;
        w.thiswin = rules.bet
            * (fw.lineUnits
                + tables::scatterPay[static_cast<std::size_t>(fw.scatters)] * table.lines());
        w.scatters = fw.scatters;
        w.wildWin = fw.wildWin;
        w.nextState = nextHold(start, stops);
        const WeightedWindow weighted = tallyWindow(rules, start.any(), w, paid, free);
        if (observer) {
            observer->window(state, stops, fw, weighted);
        }
        ++windows;
        int reel = kReels;
        for (; reel >= 1; --reel) {
            auto &s = stops[static_cast<std::size_t>(reel)];
            if (fixed[reel]) {
                continue;
            }
            if (s < kStops) {
                ++s;
                break;
            }
            s = 1;
        }
        if (reel < 1) {
            return;
        }
    }
}

void fillKernel(GameKernel &k, int state, const Tally &t, bool held)
{
    const auto s = static_cast<std::size_t>(state);
    const auto weight = static_cast<Real>(t.weight);
    for (std::size_t a = 0; a < kAwards.size(); ++a) {
        for (int to = 0; to < kHoldStates; ++to) {
            k.next[a].at(state, to)
                = static_cast<Real>(t.next[a][static_cast<std::size_t>(to)]) / weight;
        }
    }
    for (std::size_t a = 0; a < kAwards.size(); ++a) {
        for (int to = 0; to < kHoldStates; ++to) {
            k.winNext[a].at(state, to)
                = static_cast<Real>(t.nextWin[a][static_cast<std::size_t>(to)]) / weight;
        }
    }
    k.win[s] = static_cast<Real>(t.win) / weight;
    k.triggerWin[s] = static_cast<Real>(t.triggerWin) / weight;
    k.winSquare[s] = static_cast<Real>(t.winSquare) / weight;
    k.triggerWinSquare[s] = static_cast<Real>(t.triggerWinSquare) / weight;
    k.hit[s] = static_cast<Real>(t.hit) / weight;
    // Results are tried until one stands: a geometric count with the keep chance weight/raw.
    k.discards[s] = static_cast<Real>(t.raw - t.weight) / weight;
    k.held[s] = held ? 1 : 0;
}

} // namespace

int holdIndex(const HoldState &h)
{
    const int i2 = wildIndex(2, h.stop2), i3 = wildIndex(3, h.stop3), i4 = wildIndex(4, h.stop4);
    if ((h.stop2 && !i2) || (h.stop3 && !i3) || (h.stop4 && !i4)) {
        return -1;
    }
    return (i2 * 4 + i3) * 4 + i4;
}

HoldState holdStateAt(int index)
{
    return { wildStop(2, index / 16), wildStop(3, index / 4 % 4), wildStop(4, index % 4) };
}

GameKernels buildKernels(int lines, int bet, WindowObserver *observer)
{
    const std::vector<int> awards(kAwards.begin(), kAwards.end());
    GameKernels k { GameKernel(kHoldStates, awards), GameKernel(kHoldStates, awards) };
    const PartialTable table(lines);
    const Rules rules { bet, static_cast<std::int64_t>(bet) * table.lines() };
    for (int state = 0; state < kHoldStates; ++state) {
        const bool held = holdStateAt(state).any();
        Tally paid, free;
        tallyState(table, rules, state, paid, free, k.windows, observer);
        fillKernel(k.paid, state, paid, held);
        fillKernel(k.free, state, free, held);
        if (observer) {
            observer->stateDone(state, paid.weight, free.weight);
        }
    }
    return k;
}

ExactFigures exactReturn(int lines, int betIndex)
{
    ExactFigures f;
    f.lines = lines < 1 ? 1 : lines > kLines ? kLines : lines;
    f.bet = tables::betPerButton[static_cast<std::size_t>(
        betIndex < 1 || betIndex > 6 ? 1 : betIndex)];
    const GameKernels k = buildKernels(f.lines, f.bet);
    const RoundFigures r = solveRounds(k.paid, k.free);
    const Real stake = static_cast<Real>(f.bet) * f.lines;
    f.rtp = static_cast<double>(r.win / stake);
    f.rtpFeature = static_cast<double>(r.featureWin / stake);
    f.rtpBase = static_cast<double>((r.win - r.featureWin) / stake);
    f.hitFrequency = static_cast<double>(r.hit);
    f.gamesPerFeature = static_cast<double>(1 / r.trigger);
    f.freeGamesPerFeature = static_cast<double>(r.featureGames / r.trigger);
    f.meanFeatureWin = static_cast<double>(r.featureWin / stake / r.trigger);
    f.discardRate = static_cast<double>(r.discards / (r.discards + r.games));
    f.heldGameShare = static_cast<double>(r.heldGames / r.games);
    f.residual = static_cast<double>(r.residual);
    f.windows = k.windows;
    return f;
}

} // namespace slot
