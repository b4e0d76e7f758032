// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A stake equal to the whole credit is allowed; only a larger one is refused.
#include "rules/play.hpp"

#include "rules/money_room.hpp"

namespace slot
{

PlayStart startPlay(MainState &s, const PlayerState &p, int index)
{
    if (s.freespins > 0) {
        return PlayStart::FreeGame;
    }
    s.scatterframe = 0;
    s.overlaytop = 0;
    s.wildframe = 0;
    s.wildswingframe = 0;
    s.overlayframe = 0;
    s.lineindex = 0;
    s.wildswingtick = 0;
    s.scattertick = 0;
    s.lastcollect = 0;
    s.atrisk = 0;
    s.winmeter = 0;
    s.rollcount = 0;
    if (index >= 1 && index <= 6) {
        s.betperline = tables::betPerButton[static_cast<std::size_t>(index)];
    }
    if (stakeOf(s) > p.bank) {
        return PlayStart::NotEnoughCredit;
    }
    switch (playRoom(s, p)) {
    case PlayRoom::CreditFull:
        return PlayStart::CreditFull;
    case PlayRoom::StatisticsFull:
        return PlayStart::StatisticsFull;
    case PlayRoom::Fits:
        break;
    }
    return PlayStart::PaidGame;
}

void clearBeforeSpin(MainState &s)
{
    for (std::size_t reel = 1; reel <= kReels; ++reel) {
        s.scattercell[reel] = 0;
    }
    for (std::size_t line = 1; line <= kLines; ++line) {
        s.winlength[line] = 0;
    }
}

} // namespace slot
