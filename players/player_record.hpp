// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The player record's text form: eight keys in a fixed order, numbers as plain decimal text.
#pragma once

#include "flow/game_state.hpp"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace slot {

inline constexpr int kPlayerSlots = 6;

// Written and read in exactly this order: the resetting load depends on it, because a failed
// key resets `reelspeed` and only a later "reelspeed" can set it again.
inline constexpr std::array<std::string_view, 8> kRecordKeys = {
    "winroll", "reelspeed", "amountinvested", "wager", "total", "bank", "games", "currentplayer",
};

// An optional minus and decimal digits whose value fits the type; anything else is nothing.
std::optional<Short> parseShort(std::string_view text);
std::optional<Money> parseMoney(std::string_view text);

// A name the game could have stored: the options window takes at most twelve characters, so
// anything longer is damage, not a name, and reads as a vacant slot.
bool isStorableName(std::string_view text);
// Whether `text` is something the game itself could have stored under `key`, one of the eight.
bool isStorableText(std::string_view key, std::string_view text);

// "player1" .. "player6"; empty for a slot outside 1..6.
std::string sectionOf(int slot);
// The slot that `playerslot` names ("1" .. "6"), or nothing.
std::optional<int> slotOf(std::string_view playerslot);

// The stored text of a key; a missing key reads as empty text.
using RecordLookup = std::function<std::string(std::string_view key)>;
using RecordTexts = std::array<std::pair<std::string_view, std::string>, 8>;

// Keeps a variable whose key is missing or not a number.
void loadLenient(PlayerState &state, const RecordLookup &lookup);
// Starts from zeros and an empty name; every failed number also sets `reelspeed` to 1.
void loadResetting(PlayerState &state, const RecordLookup &lookup);
// The eight key/text pairs of the current record, in the order they are written.
RecordTexts recordTexts(const PlayerState &state);

} // namespace slot
