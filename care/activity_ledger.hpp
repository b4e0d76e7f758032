// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The activity statement: what a slot staked and won, day by day, like a casino's statement.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace slot
{

struct DayActivity {
    std::string date; // local, "YYYY-MM-DD"
    std::int64_t secondsPlayed = 0;
    std::int64_t games = 0; // paid games
    std::int64_t staked = 0, won = 0; // credits, as the record counts them
    std::int64_t biggestWin = 0; // one game, its feature included
    std::int64_t features = 0;
    std::int64_t net() const { return won - staked; }
};

class ActivityLedger
{
public:
    // The row of `date`, made in date order when it is new.
    DayActivity &day(const std::string &date);
    const std::vector<DayActivity> &days() const { return rows; }
    // The days within `count` days up to and including `today` (dates compare as text).
    std::vector<DayActivity> lastDays(const std::string &today, int count) const;
    void clear() { rows.clear(); }

    // One line per day, the CSV the player exports; the same text is what the slot keeps.
    std::string csv() const;
    // Lines that do not read as a day are skipped; a date seen twice adds up.
    static ActivityLedger fromCsv(const std::string &text);

private:
    std::vector<DayActivity> rows;
};

inline constexpr const char *kActivityCsvHeader
    = "date,seconds_played,paid_games,staked,won,net,biggest_win,features";

// "2026-12-09" moved by `days` on the calendar; nullopt for a date that is not one.
std::optional<std::string> shiftDate(const std::string &date, int days);

} // namespace slot
