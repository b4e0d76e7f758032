// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How far the results of a game spread, exactly: second moments carried through the same chain
// of hold states and feature passages whose first moments give the return. Kept apart from
// the reels, like the chain itself, so that small made-up games can check it by hand.
#pragma once

#include "rules/exact_chain.hpp"

#include <vector>

namespace slot
{

// One passage (n games left to n - 1) from each starting state: its reward R and where it ends.
struct PassageMoments {
    Matrix end; // G(h, e): the passage ends in e
    std::vector<Real> mean; // E[R]
    std::vector<Real> square; // E[R^2]
    Matrix weighted; // E[R; the passage ends in e]
    Real residual = 0; // relative change in `weighted` at the last step of its iteration
};

// The reward is the kernel's win (win, winSquare, winNext); every field of `free` but those and
// `next` is ignored.
PassageMoments passageMoments(const GameKernel &free);
// The same with the passage matrix already known (it depends only on `next`).
PassageMoments passageMoments(const GameKernel &free, const Matrix &end, Real endResidual);

// j passages one after the other, for j = 0..top: the sum S_j of their rewards.
struct RunMoments {
    std::vector<Real> mean; // E[S_j]
    std::vector<Real> square; // E[S_j^2]
    Matrix weighted; // E[S_j; the run ends in e]
};
std::vector<RunMoments> runMoments(const PassageMoments &p, int top);

// A round is a paid game and the feature it may start; successive rounds are tied together by
// the state the next paid game starts in. X is what a round wins.
struct RoundMoments {
    std::vector<Real> stationary; // state at the start of a paid game
    Real mean = 0; // E[X]
    Real variance = 0; // Var[X] of one round, the state drawn from `stationary`
    // lim n Var(mean of n rounds): Var[X] plus twice every covariance between rounds, summed
    // through the chain's fundamental matrix.
    Real asymptoticVariance = 0;
    Real hit = 0; // chance a paid game wins
    Real trigger = 0; // chance a paid game starts the feature
    // Given that a feature starts: its games after the trigger (their count and win), and the
    // win with the triggering game's own included.
    Real freeGamesMean = 0, freeGamesSquare = 0;
    Real freeWinMean = 0, freeWinSquare = 0;
    Real meterMean = 0, meterSquare = 0;
    // The state after a triggering game, by award, per paid game: the feature's start.
    std::vector<std::vector<Real>> featureStart;
    // Expected free games played in each state, per paid game.
    std::vector<Real> featureVisits;
    Real residual = 0; // the largest residual of the iterations behind these figures
};

// A paid game's award of a > 0 counts the game itself as the feature's first, so a - 1
// passages follow it.
RoundMoments roundMoments(const GameKernel &paid, const GameKernel &free);

} // namespace slot
