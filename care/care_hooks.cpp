// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The cabinet's side of the reminders and limits: asked before a paid game and where a game
// has settled outside the feature, never in the middle of a game, a draw or the feature.
#include "care/care_notice.hpp"
#include "flow/sound_out.hpp"
#include "flow/tarnix.hpp"
#include "players/player_record.hpp"

namespace slot
{

namespace
{

PlayTotals totalsOf(const PlayerState &p)
{
    return { p.games, p.wager, p.total };
}

} // namespace

void Tarnix::careFollowSlot()
{
    const int slot = slotOf(player.playerslot).value_or(0);
    if (slot != services.care->slot()) {
        services.care->beginSession(slot, totalsOf(player));
    }
}

bool Tarnix::careRefuses()
{
    careFollowSlot();
    const CareVerdict limit = services.care->limitNow();
    if (limit == CareVerdict::Play) {
        return false;
    }
    services.sound.play(125);
    showCareNotice(limit);
    return true;
}

void Tarnix::careAtGameEnd(bool featureEnded)
{
    if (ended || state.freespins >= 1 || drawRunning()) {
        return;
    }
    careFollowSlot();
    const CareVerdict verdict = services.care->gameEnded(totalsOf(player), featureEnded);
    if (verdict != CareVerdict::Play) {
        showCareNotice(verdict);
    }
}

void Tarnix::showCareNotice(CareVerdict why)
{
    // Another window open (or a notice already up) waits: the next game's end asks again.
    if (careWindow || !isEnabled()) {
        return;
    }
    setEnabled(false);
    auto keep = [care = services.care, why] {
        if (why == CareVerdict::Remind) {
            care->keepPlaying();
        }
    };
    auto *notice = new tarnixcare(*this, why, *services.care, keep, [this] { mnuexit_Click(); });
    careWindow = notice;
    keepAbove(notice);
    notice->show();
}

} // namespace slot
