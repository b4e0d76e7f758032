// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A passage is one game followed by as many passages as the game awards, each starting where
// the one before ended. So its reward R = w + R_1 + .. + R_a, and squaring that needs, besides
// each part's own square, how a reward and the state it leaves behind go together: the
// matrix E[R; ends in e]. With it, every cross term is a chain of known matrices.
#include "rules/exact_moments.hpp"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace slot
{

namespace
{

using Vec = std::vector<Real>;

Real dot(const Vec &a, const Vec &b)
{
    Real s = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        s += a[i] * b[i];
    }
    return s;
}

Vec plus(Vec a, const Vec &b, Real factor = 1)
{
    for (std::size_t i = 0; i < a.size(); ++i) {
        a[i] += factor * b[i];
    }
    return a;
}

// The row vector x times m.
Vec rowTimes(const Vec &x, const Matrix &m)
{
    Vec out(x.size(), 0);
    for (int r = 0; r < m.size(); ++r) {
        const Real a = x[static_cast<std::size_t>(r)];
        if (a == 0) {
            continue;
        }
        for (int c = 0; c < m.size(); ++c) {
            out[static_cast<std::size_t>(c)] += a * m.at(r, c);
        }
    }
    return out;
}

int largestAward(const GameKernel &k)
{
    return *std::max_element(k.awards.begin(), k.awards.end());
}

// The weighted-end iteration is the one heavy step (some thousand 48 x 48 products); it runs
// in double, whose sixteen digits are well beyond any figure the sheet prints.
struct Dense {
    int n = 0;
    std::vector<double> v;
    explicit Dense(int size)
        : n(size)
        , v(static_cast<std::size_t>(size * size), 0)
    {
    }
    explicit Dense(const Matrix &m)
        : Dense(m.size())
    {
        for (int r = 0; r < n; ++r) {
            for (int c = 0; c < n; ++c) {
                v[static_cast<std::size_t>(r * n + c)] = static_cast<double>(m.at(r, c));
            }
        }
    }
    Matrix matrix() const
    {
        Matrix m(n);
        for (int r = 0; r < n; ++r) {
            for (int c = 0; c < n; ++c) {
                m.at(r, c) = v[static_cast<std::size_t>(r * n + c)];
            }
        }
        return m;
    }
    double largestChange(const Dense &o) const
    {
        double d = 0;
        for (std::size_t i = 0; i < v.size(); ++i) {
            d = std::max(d, std::fabs(v[i] - o.v[i]));
        }
        return d;
    }
};

// out += a b
void multiplyAdd(const Dense &a, const Dense &b, Dense &out)
{
    const auto n = static_cast<std::size_t>(a.n);
    for (std::size_t r = 0; r < n; ++r) {
        double *row = &out.v[r * n];
        for (std::size_t k = 0; k < n; ++k) {
            const double x = a.v[r * n + k];
            if (x == 0) {
                continue;
            }
            const double *from = &b.v[k * n];
            for (std::size_t c = 0; c < n; ++c) {
                row[c] += x * from[c];
            }
        }
    }
}

// own + sum_k next[k] sum_{j < a_k} G^j m G^(a_k - 1 - j): each passage an award adds carries
// the weighted end m, moved along by the passages before and after it.
Dense spread(const Dense &own, const std::vector<int> &awards, const std::vector<Dense> &next,
    const std::vector<Dense> &powers, const Dense &m)
{
    const int top = *std::max_element(awards.begin(), awards.end());
    std::vector<Dense> t(static_cast<std::size_t>(top + 1), Dense(m.n));
    if (top >= 1) {
        t[1] = m;
    }
    for (std::size_t j = 1; j < static_cast<std::size_t>(top); ++j) {
        multiplyAdd(t[j], powers[1], t[j + 1]);
        multiplyAdd(powers[j], m, t[j + 1]);
    }
    Dense out = own;
    for (std::size_t k = 0; k < awards.size(); ++k) {
        if (awards[k] > 0) {
            multiplyAdd(next[k], t[static_cast<std::size_t>(awards[k])], out);
        }
    }
    return out;
}

} // namespace

std::vector<RunMoments> runMoments(const PassageMoments &p, int top)
{
    const int n = p.end.size();
    std::vector<RunMoments> runs { { Vec(static_cast<std::size_t>(n), 0),
        Vec(static_cast<std::size_t>(n), 0), Matrix(n) } };
    Matrix power = Matrix::identity(n); // G^j
    for (int j = 0; j < top; ++j) {
        const RunMoments &last = runs.back();
        RunMoments next;
        next.mean = plus(last.mean, power * p.mean);
        // (S + R)^2 = S^2 + 2 S R + R^2, and R depends on S only through where S ended.
        next.square = plus(plus(last.square, last.weighted * p.mean, 2), power * p.square);
        next.weighted = last.weighted * p.end + power * p.weighted;
        runs.push_back(std::move(next));
        power = power * p.end;
    }
    return runs;
}

PassageMoments passageMoments(const GameKernel &free)
{
    Real residual = 0;
    Matrix end = passageMatrix(free, residual);
    return passageMoments(free, end, residual);
}

PassageMoments passageMoments(const GameKernel &free, const Matrix &end, Real endResidual)
{
    const int n = free.states();
    const int top = largestAward(free);
    PassageMoments p;
    p.end = end;
    p.residual = endResidual;
    const auto powers = powersOf(p.end, top);
    const Matrix system = passageSystem(free, powers);
    p.mean = solveLinear(system, { free.win }).front();

    // E[R; end] = sum_k winNext[k] G^a_k + spread(E[R; end]): the game's own win travels
    // through all a_k passages; each passage's reward through those after it. The map shrinks
    // by the expected award per game, as the passage matrix's own iteration does.
    Matrix own(n);
    for (std::size_t k = 0; k < free.awards.size(); ++k) {
        own = own + free.winNext[k] * powers[static_cast<std::size_t>(free.awards[k])];
    }
    std::vector<Dense> next, fastPowers;
    for (const auto &m : free.next) {
        next.emplace_back(m);
    }
    for (const auto &m : powers) {
        fastPowers.emplace_back(m);
    }
    const Dense fastOwn(own);
    Dense weighted = fastOwn;
    double change = 0, size = 1;
    for (int i = 0; i < 200; ++i) {
        Dense step = spread(fastOwn, free.awards, next, fastPowers, weighted);
        change = step.largestChange(weighted);
        weighted = std::move(step);
        size = std::max(1.0, weighted.largestChange(Dense(n)));
        if (change <= 1e-16 * size) {
            break;
        }
    }
    p.weighted = weighted.matrix();
    p.residual = std::max(p.residual, static_cast<Real>(change / size));

    // E[R^2] = E[w^2] + 2 E[w S_a] + E[S_a^2], where S_a's square is the part known now plus
    // (I + G + .. + G^(a-1)) E[R^2] again.
    p.square.assign(static_cast<std::size_t>(n), 0);
    const auto known = runMoments(p, top); // square still 0: the cross terms only
    Vec c = free.winSquare;
    for (std::size_t k = 0; k < free.awards.size(); ++k) {
        const auto &run = known[static_cast<std::size_t>(free.awards[k])];
        c = plus(c, free.winNext[k] * run.mean, 2);
        c = plus(c, free.next[k] * run.square);
    }
    p.square = solveLinear(system, { c }).front();
    return p;
}

RoundMoments roundMoments(const GameKernel &paid, const GameKernel &free)
{
    const int n = free.states();
    const auto sz = static_cast<std::size_t>(n);
    RoundMoments m;
    Real residual = 0;
    const Matrix end = passageMatrix(free, residual);
    const PassageMoments win = passageMoments(free, end, residual);
    GameKernel counting = free; // one per game: the same chain gives the feature's length
    counting.win.assign(sz, 1);
    counting.winSquare.assign(sz, 1);
    counting.winNext = counting.next;
    const PassageMoments games = passageMoments(counting, end, residual);
    m.residual = std::max(win.residual, games.residual);

    const int top = std::max(largestAward(paid), 1) - 1;
    const auto runs = runMoments(win, top);
    const auto gameRuns = runMoments(games, top);
    const auto powers = powersOf(win.end, std::max(top, largestAward(free)));

    Vec mean = paid.win, square = paid.winSquare;
    Matrix chain = paid.next[0], weighted = paid.winNext[0];
    for (std::size_t k = 0; k < paid.awards.size(); ++k) {
        const int a = paid.awards[k];
        if (a == 0) {
            continue;
        }
        const auto &run = runs[static_cast<std::size_t>(a - 1)];
        const Matrix &to = paid.next[k];
        mean = plus(mean, to * run.mean);
        square = plus(square, paid.winNext[k] * run.mean, 2);
        square = plus(square, to * run.square);
        chain = chain + to * powers[static_cast<std::size_t>(a - 1)];
        weighted = weighted + paid.winNext[k] * powers[static_cast<std::size_t>(a - 1)]
            + to * run.weighted;
    }
    m.stationary = stationaryOf(chain);
    const Vec &pi = m.stationary;
    m.mean = dot(pi, mean);
    m.hit = dot(pi, paid.hit);
    m.variance = dot(pi, square) - m.mean * m.mean;

    // Cov(X_0, X_k) = pi Q P^(k-1) (x - mean) for k >= 1; summed over k that is pi Q g with
    // (I - P + 1 pi) g = x - mean, the chain's Poisson equation.
    Matrix fundamental(n);
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            fundamental.at(r, c)
                = (r == c ? 1 : 0) - chain.at(r, c) + pi[static_cast<std::size_t>(c)];
        }
    }
    const Vec g = solveLinear(fundamental, { plus(mean, Vec(sz, 1), -m.mean) }).front();
    m.asymptoticVariance = m.variance + 2 * dot(pi, weighted * g);

    // The feature, per paid game first and then given that it starts.
    Vec passagesAhead(sz, 0); // expected passages begun in each state, per paid game
    Real meterCross = 0;
    for (std::size_t k = 0; k < paid.awards.size(); ++k) {
        const int a = paid.awards[k];
        m.featureStart.push_back(a > 0 ? rowTimes(pi, paid.next[k]) : Vec(sz, 0));
        if (a == 0) {
            continue;
        }
        const Vec &start = m.featureStart.back();
        const auto &run = runs[static_cast<std::size_t>(a - 1)];
        const auto &gameRun = gameRuns[static_cast<std::size_t>(a - 1)];
        m.trigger += std::accumulate(start.begin(), start.end(), Real(0));
        m.freeWinMean += dot(start, run.mean);
        m.freeWinSquare += dot(start, run.square);
        m.freeGamesMean += dot(start, gameRun.mean);
        m.freeGamesSquare += dot(start, gameRun.square);
        meterCross += dot(pi, paid.winNext[k] * run.mean);
        passagesAhead = plus(passagesAhead, rowTimes(start, powerSum(powers, a - 1)));
    }
    if (m.trigger > 0) {
        m.meterMean = (dot(pi, paid.triggerWin) + m.freeWinMean) / m.trigger;
        m.meterSquare
            = (dot(pi, paid.triggerWinSquare) + 2 * meterCross + m.freeWinSquare) / m.trigger;
        for (Real *x : { &m.freeWinMean, &m.freeWinSquare, &m.freeGamesMean, &m.freeGamesSquare }) {
            *x /= m.trigger;
        }
    }
    // Games played per passage begun: the row vector y solves y (passage system) = passages.
    const Matrix system = passageSystem(free, powers);
    Matrix transposed(n);
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            transposed.at(r, c) = system.at(c, r);
        }
    }
    m.featureVisits = solveLinear(transposed, { passagesAhead }).front();
    return m;
}

} // namespace slot
