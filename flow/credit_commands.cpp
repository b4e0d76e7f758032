// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Lines, coins, quick and zero credit, and the space bar that repeats the last bet.
#include "display/pacing.hpp"
#include "flow/money_in.hpp"
#include "flow/sound_out.hpp"
#include "flow/tarnix.hpp"

#include <QKeyEvent>

namespace slot
{

void Tarnix::payline_Click(int Index)
{
    if (Index < 1 || Index > 5) {
        return;
    }
    state.linesplayed = tables::linesPerButton[static_cast<std::size_t>(Index)];
    applyTabRule();
    for (state.blink = 1; state.blink <= 15; ++state.blink) {
        flasher(state.blink)->hide();
    }
}

void Tarnix::COINSIN_Click()
{
    pannomoney->hide();
    const bool taken = putIn(player, kCoin);
    refreshCredit();
    setFocus();
    KeyPreview = true;
    if (taken) {
        storeSettled();
    } else {
        // The credit (or the amount invested) is at the top of its range.
        showLimit("Please lose some more first", "(Shouldn't take long !!!)");
    }
}

void Tarnix::mnuquickcredit_Click()
{
    if (state.freespins >= 1 || gameRunning()) {
        return;
    }
    services.sound.play(124);
    // Checked before the credit changes, so it never stands inflated behind the message.
    if (static_cast<long long>(player.bank) + kQuickCredit <= kQuickCreditLimit) {
        const bool taken = putIn(player, kQuickCredit);
        pannomoney->hide();
        refreshCredit();
        KeyPreview = true;
        if (taken) {
            storeSettled();
            return;
        }
    }
    showLimit("Please lose some more first", "(Shouldn't take long !!!)");
}

void Tarnix::showLimit(const char *why, const char *hint)
{
    services.information(
        "Slots_Tarnix", std::string("Sorry... You've reached the limit, \n") + why + "\n" + hint);
}

void Tarnix::mnuzerocredit_Click()
{
    if (state.freespins >= 1 || gameRunning()) {
        return;
    }
    services.sound.play(124);
    addTo(player.amountinvested, -static_cast<long long>(player.bank));
    player.bank = 0;
    refreshCredit();
    // A win given up with the credit must not be gambled afterwards.
    doublebutton->setEnabled(false);
    storeSettled();
}

bool Tarnix::Form_KeyPress(int key, const QString &text)
{
    if (state.freespins >= 1 || text.isEmpty()) {
        return false;
    }
    const bool space = key == Qt::Key_Space;
    if (stakeOf(state) > player.bank) {
        services.sound.play(125);
        pannomoney->show();
        setFocus();
        return space; // a space must not click the focused button behind the warning
    }
    addTo(state.keyguard, 1);
    if (state.keyguard >= 2) {
        return true;
    }
    if (space) {
        if (PictureButton *b = play(buttonForBet(state.betperline))) {
            b->press();
            state.keyguard = 0;
        }
        return true;
    }
    // Any other key reaches the control as a space, which our buttons take as nothing.
    state.keyguard = 0;
    return true;
}

} // namespace slot
