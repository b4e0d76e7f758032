// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The options window's texts and arithmetic, kept free of the toolkit so they can be checked
// on their own: statistics captions, the return percentage, names and the reel speed buttons.
#pragma once

#include "flow/game_state.hpp"

#include <array>
#include <optional>
#include <string>

namespace slot
{

// The statistics titles carry different trailing spaces depending on when they are written;
// players have long read them that way, so each moment keeps its own set.
enum class StatsMoment {
    WithNumbers,
    AtLoad, // the window opens on a player with no games
    AtSlotChoice, // a slot with no games is chosen
};

// lblgames, lblwager, lbltotalwon, lblwinlose, lblreturned, lblinvested, in that order.
inline constexpr int kStatsLabels = 6;
using StatsCaptions = std::array<std::optional<std::string>, kStatsLabels>;

const std::array<const char *, kStatsLabels> &statsTitles(StatsMoment moment);

// Whole percent of the amount staked that came back, rounded towards minus infinity; nothing
// when nothing was staked (the caption then keeps what it showed).
std::optional<long long> returnPercentage(Money total, Money wager);

// Titles followed by the player's figures; an entry without a value leaves its label alone.
StatsCaptions statsWithNumbers(const PlayerState &p);
// Titles alone, as shown for a player who has not played.
StatsCaptions statsWithoutNumbers(StatsMoment moment);

// The current-player caption in its three widths.
inline constexpr const char *kCurrentPlayerAtOpen = "Current Player    ";
inline constexpr const char *kCurrentPlayerAtChoice = "Current Player   ";
inline constexpr const char *kCurrentPlayerAtEntry = "Current Player  ";
inline constexpr const char *kMainCaption = "Current Player       ";

std::string deleteCaption(const std::string &currentplayer);

enum class NameCheck { Accepted, NothingEntered, TooLong };
inline constexpr int kLongestName = 12;
// Counts characters, not bytes, so a name in any script gets the same twelve.
NameCheck checkName(const std::string &utf8);
int characterCount(const std::string &utf8);

// Wipes credit and statistics; the name and both preferences stay with the slot.
void deleteDetails(PlayerState &p);

// setspeed(0)..setspeed(4) choose the reel speeds 1, 2, 4, 8 and 10.
std::optional<Short> speedOfButton(int index);
std::optional<int> buttonOfSpeed(int reelspeed);
std::string speedCaption(int index);

} // namespace slot
