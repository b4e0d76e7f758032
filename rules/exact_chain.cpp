// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A feature's remaining count only ever falls by one game at a time, so the way from n games
// left to none is n passages from one count to the next lower one, each alike except for the
// state it starts in. One passage matrix G and one expected reward per starting state then
// describe a feature of any length, retriggers included, with nothing cut off.
#include "rules/exact_chain.hpp"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace slot
{

Matrix Matrix::identity(int size)
{
    Matrix m(size);
    for (int i = 0; i < size; ++i) {
        m.at(i, i) = 1;
    }
    return m;
}

Matrix Matrix::operator*(const Matrix &o) const
{
    Matrix out(n);
    for (int r = 0; r < n; ++r) {
        for (int k = 0; k < n; ++k) {
            const Real a = at(r, k);
            if (a == 0) {
                continue;
            }
            for (int c = 0; c < n; ++c) {
                out.at(r, c) += a * o.at(k, c);
            }
        }
    }
    return out;
}

Matrix Matrix::operator+(const Matrix &o) const
{
    Matrix out(*this);
    for (std::size_t i = 0; i < v.size(); ++i) {
        out.v[i] += o.v[i];
    }
    return out;
}

std::vector<Real> Matrix::operator*(const std::vector<Real> &x) const
{
    std::vector<Real> out(static_cast<std::size_t>(n), 0);
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            out[static_cast<std::size_t>(r)] += at(r, c) * x[static_cast<std::size_t>(c)];
        }
    }
    return out;
}

Real Matrix::maxDifference(const Matrix &o) const
{
    Real d = 0;
    for (std::size_t i = 0; i < v.size(); ++i) {
        d = std::max(d, std::fabs(v[i] - o.v[i]));
    }
    return d;
}

GameKernel::GameKernel(int states, std::vector<int> awardSizes)
    : awards(std::move(awardSizes))
    , next(awards.size(), Matrix(states))
    , win(static_cast<std::size_t>(states), 0)
    , triggerWin(win)
    , winNext(awards.size(), Matrix(states))
    , winSquare(win)
    , triggerWinSquare(win)
    , hit(win)
    , discards(win)
    , held(win)
{
}

// Solves a x = b for each column of b by Gaussian elimination with partial pivoting.
std::vector<std::vector<Real>> solveLinear(Matrix a, std::vector<std::vector<Real>> b)
{
    const int n = a.size();
    for (int col = 0; col < n; ++col) {
        int pivot = col;
        for (int r = col + 1; r < n; ++r) {
            if (std::fabs(a.at(r, col)) > std::fabs(a.at(pivot, col))) {
                pivot = r;
            }
        }
        if (a.at(pivot, col) == 0) {
            throw std::runtime_error("singular system in the game chain");
        }
        for (int c = 0; c < n; ++c) {
            std::swap(a.at(col, c), a.at(pivot, c));
        }
        for (auto &rhs : b) {
            std::swap(rhs[static_cast<std::size_t>(col)], rhs[static_cast<std::size_t>(pivot)]);
        }
        for (int r = 0; r < n; ++r) {
            if (r == col || a.at(r, col) == 0) {
                continue;
            }
            const Real f = a.at(r, col) / a.at(col, col);
            for (int c = col; c < n; ++c) {
                a.at(r, c) -= f * a.at(col, c);
            }
            for (auto &rhs : b) {
                rhs[static_cast<std::size_t>(r)] -= f * rhs[static_cast<std::size_t>(col)];
            }
        }
    }
    for (auto &rhs : b) {
        for (int r = 0; r < n; ++r) {
            rhs[static_cast<std::size_t>(r)] /= a.at(r, r);
        }
    }
    return b;
}

namespace
{

Real dot(const std::vector<Real> &a, const std::vector<Real> &b)
{
    Real s = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        s += a[i] * b[i];
    }
    return s;
}

std::vector<Real> plus(std::vector<Real> a, const std::vector<Real> &b)
{
    for (std::size_t i = 0; i < a.size(); ++i) {
        a[i] += b[i];
    }
    return a;
}

} // namespace

std::vector<Matrix> powersOf(const Matrix &g, int top)
{
    std::vector<Matrix> p { Matrix::identity(g.size()) };
    for (int j = 1; j <= top; ++j) {
        p.push_back(p.back() * g);
    }
    return p;
}

Matrix powerSum(const std::vector<Matrix> &powers, int count)
{
    Matrix s(powers.front().size());
    for (int j = 0; j < count; ++j) {
        s = s + powers[static_cast<std::size_t>(j)];
    }
    return s;
}

namespace
{

int largestAward(const GameKernel &k)
{
    return *std::max_element(k.awards.begin(), k.awards.end());
}

Matrix passageStep(const GameKernel &free, const Matrix &g)
{
    const auto powers = powersOf(g, largestAward(free));
    Matrix out(free.states());
    for (std::size_t k = 0; k < free.awards.size(); ++k) {
        out = out + free.next[k] * powers[static_cast<std::size_t>(free.awards[k])];
    }
    return out;
}

} // namespace

// The iteration shrinks its error by about the expected award per game at every step.
Matrix passageMatrix(const GameKernel &free, Real &residual)
{
    Matrix g(free.states());
    for (const auto &m : free.next) {
        g = g + m;
    }
    for (int i = 0; i < 400; ++i) {
        Matrix step = passageStep(free, g);
        const Real change = step.maxDifference(g);
        g = std::move(step);
        if (change < 1e-18L) {
            break;
        }
    }
    residual = passageStep(free, g).maxDifference(g);
    return g;
}

Matrix passageSystem(const GameKernel &free, const std::vector<Matrix> &powers)
{
    const int n = free.states();
    Matrix system = Matrix::identity(n);
    for (std::size_t k = 0; k < free.awards.size(); ++k) {
        const Matrix back = free.next[k] * powerSum(powers, free.awards[k]);
        for (int r = 0; r < n; ++r) {
            for (int c = 0; c < n; ++c) {
                system.at(r, c) -= back.at(r, c);
            }
        }
    }
    return system;
}

namespace
{

// Expected win, games, held games and replaced results of one passage, from each state.
std::vector<std::vector<Real>> passageRewards(
    const GameKernel &free, const std::vector<Matrix> &powers)
{
    const std::vector<Real> ones(static_cast<std::size_t>(free.states()), 1);
    return solveLinear(passageSystem(free, powers), { free.win, ones, free.held, free.discards });
}

} // namespace

std::vector<Real> stationaryOf(const Matrix &p)
{
    const int n = p.size();
    Matrix a(n);
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            a.at(r, c) = (r == c ? 1 : 0) - p.at(c, r);
        }
    }
    // One balance equation is implied by the others; the total of one replaces it.
    std::vector<Real> b(static_cast<std::size_t>(n), 0);
    for (int c = 0; c < n; ++c) {
        a.at(n - 1, c) = 1;
    }
    b[static_cast<std::size_t>(n - 1)] = 1;
    return solveLinear(a, { b }).front();
}

RoundFigures solveRounds(const GameKernel &paid, const GameKernel &free)
{
    RoundFigures f;
    const int n = free.states();
    const Matrix g = passageMatrix(free, f.residual);
    const auto powers = powersOf(g, std::max(largestAward(free), largestAward(paid)));
    const auto u = passageRewards(free, powers);
    const std::vector<Real> ones(static_cast<std::size_t>(n), 1);

    // From the paid game's award to the state the next paid game starts in.
    Matrix round = paid.next[0];
    std::vector<std::vector<Real>> feature(
        u.size(), std::vector<Real>(static_cast<std::size_t>(n), 0));
    std::vector<Real> trigger(static_cast<std::size_t>(n), 0);
    for (std::size_t k = 0; k < paid.awards.size(); ++k) {
        const int a = paid.awards[k];
        if (a == 0) {
            continue;
        }
        round = round + paid.next[k] * powers[static_cast<std::size_t>(a - 1)];
        const Matrix toEnd = paid.next[k] * powerSum(powers, a - 1);
        for (std::size_t x = 0; x < u.size(); ++x) {
            feature[x] = plus(feature[x], toEnd * u[x]);
        }
        trigger = plus(trigger, paid.next[k] * ones);
    }
    f.stationary = stationaryOf(round);
    const auto &pi = f.stationary;
    f.win = dot(pi, paid.win) + dot(pi, feature[0]);
    f.featureWin = dot(pi, paid.triggerWin) + dot(pi, feature[0]);
    f.hit = dot(pi, paid.hit);
    f.trigger = dot(pi, trigger);
    f.featureGames = dot(pi, feature[1]);
    f.games = 1 + f.featureGames;
    f.heldGames = dot(pi, paid.held) + dot(pi, feature[2]);
    f.discards = dot(pi, paid.discards) + dot(pi, feature[3]);
    return f;
}

} // namespace slot
