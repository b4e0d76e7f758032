// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The long-run figures of a game whose rounds are tied together by a carried-over state
// (here: the reels that hold a wild) and whose feature can extend itself without bound.
// Kept apart from the reels so that small made-up games can check it by hand.
#pragma once

#include <cstddef>
#include <vector>

namespace slot
{

using Real = long double;

// A square matrix of chances; rows are the state a game starts in.
class Matrix
{
public:
    explicit Matrix(int size = 0)
        : n(size)
        , v(static_cast<std::size_t>(size * size), 0)
    {
    }
    static Matrix identity(int size);
    int size() const { return n; }
    Real &at(int r, int c) { return v[static_cast<std::size_t>(r * n + c)]; }
    Real at(int r, int c) const { return v[static_cast<std::size_t>(r * n + c)]; }
    Matrix operator*(const Matrix &o) const;
    Matrix operator+(const Matrix &o) const;
    std::vector<Real> operator*(const std::vector<Real> &x) const;
    Real maxDifference(const Matrix &o) const;

private:
    int n;
    std::vector<Real> v;
};

// What one counted game does from each starting state: the standing result, after every
// replacement, summarised by its expectations.
struct GameKernel {
    explicit GameKernel(int states = 0, std::vector<int> awardSizes = { 0 });
    int states() const { return static_cast<int>(win.size()); }
    std::vector<int> awards; // games added to the feature; awards[0] must be 0
    std::vector<Matrix> next; // next[k](h, h'): the game awards awards[k] and leaves state h'
    std::vector<Real> win; // expected win (any unit)
    std::vector<Real> triggerWin; // the part of win won by results that award games
    std::vector<Matrix> winNext; // winNext[k](h, h'): expected win counted where next[k] is
    std::vector<Real> winSquare; // expected square of the win
    std::vector<Real> triggerWinSquare; // the part of winSquare from results that award games
    std::vector<Real> hit; // chance the game wins something
    std::vector<Real> discards; // expected results replaced before the one that stands
    std::vector<Real> held; // 1 when the state carries something over, else 0
};

// Expectations per round: a paid game plus every feature game it leads to.
struct RoundFigures {
    Real win = 0;
    Real featureWin = 0; // trigger game and feature games
    Real hit = 0; // the paid game wins
    Real trigger = 0; // the paid game starts a feature
    Real featureGames = 0; // feature games after the trigger game
    Real games = 0; // counted games, paid and free
    Real heldGames = 0;
    Real discards = 0;
    Real residual = 0; // how far the feature's passage matrix misses its own equation
    std::vector<Real> stationary; // state at the start of a paid game
};

// Solves a x = b for each b, by Gaussian elimination with partial pivoting.
std::vector<std::vector<Real>> solveLinear(Matrix a, std::vector<std::vector<Real>> b);
// powers[j] = g^j for j = 0..top.
std::vector<Matrix> powersOf(const Matrix &g, int top);
// The sum of powers[0..count-1].
Matrix powerSum(const std::vector<Matrix> &powers, int count);

// A passage takes the feature from n games left to n - 1, whatever n is.
// passageMatrix: the chance of the state in which the passage ends, by the one it starts in.
Matrix passageMatrix(const GameKernel &free, Real &residual);
// I - sum_k next[k] (I + G + .. + G^(awards[k]-1)): one passage's reward r solves
// passageSystem r = the single game's own reward, since a game's award adds that many passages.
Matrix passageSystem(const GameKernel &free, const std::vector<Matrix> &powers);

// The chance distribution left invariant by a row-stochastic matrix with one recurrent class.
std::vector<Real> stationaryOf(const Matrix &p);

// A paid game's award of a > 0 counts the game itself as the feature's first, so a - 1
// feature games follow; each of those may add its own award to the games still to play.
RoundFigures solveRounds(const GameKernel &paid, const GameKernel &free);

} // namespace slot
