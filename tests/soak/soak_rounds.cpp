// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The unattended player's longer rounds: the double-up, the feature, and the clicks an
// impatient player makes while a game or a draw runs.
#include "gamble/double_panel.hpp"
#include "soak/soak_player.hpp"

#include <QTest>

namespace slot::test
{

namespace
{
std::string str(long long v)
{
    return std::to_string(v);
}
} // namespace

void SoakPlayer::gamble()
{
    if (!w->doublebutton->isVisible() || !w->doublebutton->isEnabled()) {
        return;
    }
    const Money bank = player.bank;
    w->doublebutton->click();
    if (w->pandouble->isHidden()) {
        fault("the double-up did not open");
        return;
    }
    ++gambles;
    const long long stake = static_cast<long long>(bank) - player.bank;
    note("gamble opened, stake " + str(stake) + " (offer " + str(ledger.offer) + ")");
    if (stake != ledger.offer) {
        fault("the gamble staked " + str(stake) + " but the last win paid " + str(ledger.offer));
    }
    ledger.gambleStake = ledger.atRisk = stake;
    ledger.offer = 0;
    gambleDraws();
}

void SoakPlayer::gambleDraws()
{
    DoublePanel &g = *w->pandouble;
    while (!g.isHidden()) {
        const int r = std::uniform_int_distribution<int>(1, 100)(choose);
        if (r <= 2) {
            quitAndReload();
            return;
        }
        if (r <= 4) {
            quickCredit(); // the menus work beside the open panel
            continue;
        }
        if (r == 5) {
            zeroCredit();
            continue;
        }
        if (r <= 35) {
            const Money bank = player.bank;
            g.cancelbet->click();
            const long long paid = static_cast<long long>(player.bank) - bank;
            note("take win " + str(paid));
            if (paid != ledger.atRisk) {
                fault("TAKE WIN paid " + str(paid) + " for " + str(ledger.atRisk) + " at risk");
            }
            ledger.gambleStake = ledger.atRisk = 0;
            return;
        }
        const bool suit = r > 80;
        PictureButton *bet = suit ? g.suitbet(std::uniform_int_distribution<int>(1, 4)(choose))
                                  : (r % 2 ? g.betred : g.betblack);
        if (!bet->isEnabled()) {
            continue; // a win this big may not be doubled further; take it next
        }
        bet->click();
        if (g.isHidden()) {
            note(std::string(suit ? "suit" : "colour") + " lost");
            ledger.gambleStake = ledger.atRisk = 0;
        } else {
            ledger.atRisk *= suit ? 4 : 2;
            note(std::string(suit ? "suit" : "colour") + " won, at risk " + str(ledger.atRisk));
        }
    }
}

void SoakPlayer::runFeature()
{
    // With the win counter on, every free game takes a tick per step of its climb.
    for (int guard = 0; guard < 200000 && w->takewin->isHidden(); ++guard) {
        if (w->Timerwincounter->isActive()) {
            w->Timerwincounter_Timer();
        } else if (w->Timerrespin->isActive()) {
            w->Timerrespin_Timer();
            ++games;
        } else {
            fault("the feature stalled: no counter, no next game and no collect");
            return;
        }
    }
    if (std::uniform_int_distribution<int>(1, 100)(choose) <= 2) {
        quitAndReload();
        return;
    }
    const Money meter = w->state.winmeter;
    const Money bank = player.bank;
    w->takewin->click();
    const long long paid = static_cast<long long>(player.bank) - bank;
    note("collect " + str(paid));
    if (paid != meter) {
        fault("the collect paid " + str(paid) + " of a win meter of " + str(meter) + " (collect "
            + (w->takewin->isEnabled() ? "enabled" : "disabled") + ", freespins "
            + str(w->state.freespins) + "/" + str(w->state.freespinsdone) + ")");
    }
    ledger.offer = paid;
    if (!atRest()) {
        fault("the cabinet is not at rest after the collect");
    }
}

void SoakPlayer::impatient()
{
    const bool drawing = w && w->pandouble->drawRunning;
    if (inImpatience || !w || !(w->gameRunning() || drawing)) {
        return;
    }
    if (std::uniform_int_distribution<int>(1, 4)(choose) != 1) {
        return;
    }
    inImpatience = true;
    ++impatientClicks;
    const Figures before = figures();
    const Short lines = w->state.linesplayed;
    // The menus stay open to the player while the gamble panel is up; only games guard them.
    const int pick = std::uniform_int_distribution<int>(1, 8)(choose);
    switch (drawing && (pick == 4 || pick == 5) ? 8 : pick) {
    case 1:
        w->play(std::uniform_int_distribution<int>(1, 6)(choose))->click();
        break;
    case 2:
        QTest::keyClick(w.get(), Qt::Key_Space);
        break;
    case 3:
        w->COINSIN->click();
        break;
    case 4:
        w->mnuquickcredit->trigger();
        break;
    case 5:
        w->mnuzerocredit->trigger();
        break;
    case 6:
        w->doublebutton->click();
        break;
    case 7:
        w->payline(std::uniform_int_distribution<int>(1, 5)(choose))->click();
        break;
    default:
        (drawing ? w->pandouble->cancelbet : w->pandouble->betred)->click();
        break;
    }
    if (!(figures() == before) || w->state.linesplayed != lines) {
        fault("click " + str(pick) + (drawing ? " during a draw" : " during a game")
            + " changed the credit, statistics or lines");
    }
    inImpatience = false;
}

} // namespace slot::test
