// Complete games with no window: the same steps the cabinet takes, minus the pictures.
#pragma once

#include "flow/game_state.hpp"
#include "rules/game_result.hpp"
#include "rules/play.hpp"
#include "rules/rng.hpp"

namespace slot
{

struct GameReport {
    PlayStart start = PlayStart::PaidGame;
    Settlement settlement = Settlement::PaidNoWin;
    ResultPlan plan;
    int discards = 0; // results the payback check replaced
    bool heldGame = false; // a reel held its wild in the game that stood
};

class HeadlessGame
{
public:
    explicit HeadlessGame(Rng &source)
        : rng(source)
    {
    }

    // The Play command of bet button index (1..6), with every replacement game.
    GameReport play(int index);
    // Plays the running feature's remaining games, as its timer would.
    int playFeatureToEnd();
    // The collect of a completed feature.
    void collect();
    bool featureRunning() const { return s.freespins > 0 && s.freespinsdone < s.freespins; }
    bool featureComplete() const { return s.freespins > 0 && s.freespinsdone >= s.freespins; }

    MainState s;
    PlayerState p;

private:
    Rng &rng;
};

} // namespace slot
