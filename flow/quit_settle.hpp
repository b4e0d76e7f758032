// What leaving the game owes the player: money already won but not yet in the credit.
#pragma once

#include "flow/game_state.hpp"

namespace slot
{

// Pays the feature's win meter into the credit as the collect would (charging the feature's
// one stake when free games remain, as its last game would have kept it), and gives an open
// gamble's stake back as TAKE WIN would. Runs once, just before the record is saved.
void settleBeforeQuit(MainState &s, PlayerState &p, bool gambleOpen);

} // namespace slot
