// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The options window's rules: captions exactly as players know them, and exact arithmetic.
#include "players/options_rules.hpp"

namespace slot
{

namespace
{
constexpr std::array<Short, 5> kSpeeds = { 1, 2, 4, 8, 10 };

// Floor division that also holds for negative figures (a hand-edited record, say).
long long floorDiv(long long a, long long b)
{
    const long long q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}
} // namespace

const std::array<const char *, kStatsLabels> &statsTitles(StatsMoment moment)
{
    static const std::array<const char *, kStatsLabels> withNumbers = {
        "Games Played            ",
        "Total Wagered           ",
        "Total Won                   ",
        "Winning/Losing           ",
        "Returned To Player     % ",
        "Total Invested             ",
    };
    static const std::array<const char *, kStatsLabels> atLoad = {
        "Games Played      ",
        "Total Wagered     ",
        "Total Won      ",
        "Winning/Losing     ",
        "Returned To Player     ",
        "Total Invested      ",
    };
    static const std::array<const char *, kStatsLabels> atChoice = {
        "Games Played          ",
        "Total Wagered         ",
        "Total Won          ",
        "Winning/Losing      ",
        "Returned To Player ",
        "Total Invested     ",
    };
    switch (moment) {
    case StatsMoment::AtLoad:
        return atLoad;
    case StatsMoment::AtSlotChoice:
        return atChoice;
    case StatsMoment::WithNumbers:
        break;
    }
    return withNumbers;
}

std::optional<long long> returnPercentage(Money total, Money wager)
{
    if (wager == 0) {
        return std::nullopt;
    }
    // In whole numbers: a real division would turn 29 of 100 into 28.999...%.
    return floorDiv(static_cast<long long>(total) * 100, wager);
}

StatsCaptions statsWithNumbers(const PlayerState &p)
{
    const auto &t = statsTitles(StatsMoment::WithNumbers);
    StatsCaptions c;
    c[0] = t[0] + std::to_string(p.games);
    c[1] = t[1] + std::to_string(p.wager);
    c[2] = t[2] + std::to_string(p.total);
    c[3] = t[3] + std::to_string(static_cast<long long>(p.bank) - p.amountinvested);
    if (const auto percent = returnPercentage(p.total, p.wager)) {
        c[4] = t[4] + std::to_string(*percent);
    }
    c[5] = t[5] + std::to_string(p.amountinvested);
    return c;
}

StatsCaptions statsWithoutNumbers(StatsMoment moment)
{
    const auto &t = statsTitles(moment);
    StatsCaptions c;
    for (std::size_t i = 0; i < c.size(); ++i) {
        c[i] = t[i];
    }
    return c;
}

std::string deleteCaption(const std::string &currentplayer)
{
    return "Delete Currentplayer  (" + currentplayer + ") Details";
}

int characterCount(const std::string &utf8)
{
    int count = 0;
    for (const char c : utf8) {
        // Continuation bytes of a multi-byte character do not start a character.
        if ((static_cast<unsigned char>(c) & 0xC0U) != 0x80U) {
            ++count;
        }
    }
    return count;
}

NameCheck checkName(const std::string &utf8)
{
    if (utf8.empty()) {
        return NameCheck::NothingEntered;
    }
    return characterCount(utf8) > kLongestName ? NameCheck::TooLong : NameCheck::Accepted;
}

void deleteDetails(PlayerState &p)
{
    p.amountinvested = 0;
    p.wager = 0;
    p.total = 0;
    p.bank = 0;
    p.games = 0;
}

std::optional<Short> speedOfButton(int index)
{
    if (index < 0 || index >= static_cast<int>(kSpeeds.size())) {
        return std::nullopt;
    }
    return kSpeeds[static_cast<std::size_t>(index)];
}

std::optional<int> buttonOfSpeed(int reelspeed)
{
    for (std::size_t i = 0; i < kSpeeds.size(); ++i) {
        if (kSpeeds[i] == reelspeed) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

std::string speedCaption(int index)
{
    return "Current Speed =   " + std::to_string(index + 1);
}

} // namespace slot
