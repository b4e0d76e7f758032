// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One entry of the crash journal: everything a slot's game in progress has decided, as whole
// values rather than changes, so that applying it twice leaves what applying it once does.
#pragma once

#include "flow/game_state.hpp"
#include "gamble/gamble_rules.hpp"
#include "players/game_recall.hpp"
#include "rules/rng.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace slot
{

// Where the game stood when the entry was written; a restart goes on from there.
enum class JournalPhase {
    Idle, // nothing in progress: the generator's state, and the double-up if it is offered
    Stands, // a game's result stood; the reels have yet to show it
    FeatureNext, // a free game settled; the feature goes on with the next one
    CollectWaiting, // the last free game settled; its win waits for the collect
    GambleOpen, // the gamble is open with its stake and card history
    GambleDrawn, // the last draw's card is decided but not yet shown or paid
    Settled, // the money is final; only the record and the recall remain to be stored
};

struct JournalDraw {
    GambleBet bet = GambleBet::Red;
    int card = 0;
    bool won = false;
    Money stake = 0; // at risk when the card was drawn
    Short history = 0; // historycount once the card was drawn: its place in the history strip
    bool operator==(const JournalDraw &) const = default;
};

struct JournalEntry {
    JournalPhase phase = JournalPhase::Idle;
    int slot = 1;
    std::uint64_t sequence = 0; // grows with every entry the program writes, over all slots
    std::optional<RngState> rng;
    MainState state;
    PlayerState player; // the money and the settings; the name stays the record's own
    std::vector<JournalDraw> draws; // the open gamble's cards, oldest first
    bool offered = false; // settled with the double-up offered on the win
    // Closed by a settled game rather than by leaving: the lines, the bet and a wild held
    // for the next game stand as they were, and a start after a crash puts them back.
    bool table = false;
    RecallSlotState recall;
};

std::string encodeJournal(const JournalEntry &entry);

// Nothing for text that is cut short, altered or holds a value no game can have.
std::optional<JournalEntry> decodeJournal(std::string_view text);

const char *phaseName(JournalPhase phase);

} // namespace slot
