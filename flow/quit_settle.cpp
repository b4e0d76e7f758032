// Leaving must never cost a player a win that is already decided.
#include "flow/quit_settle.hpp"

#include "gamble/gamble_rules.hpp"
#include "rules/game_result.hpp"

namespace slot
{

void settleBeforeQuit(MainState &s, PlayerState &p, bool gambleOpen)
{
    if (gambleOpen) {
        takeGambleWin(s, p);
        s.atrisk = 0;
    }
    if (s.freespins < 1) {
        return;
    }
    if (s.freespinsdone < s.freespins) {
        // Every counted game got its stake back; the feature still owes the one it costs.
        if (const auto stake = narrow<Short>(stakeOf(s))) {
            addTo(p.wager, *stake);
            addTo(p.games, 1);
            addTo(p.bank, -*stake);
        }
    }
    collectWinmeter(s, p);
}

} // namespace slot
