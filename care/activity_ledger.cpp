// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The day-by-day ledger and its CSV text.
#include "care/activity_ledger.hpp"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <sstream>

namespace slot
{

DayActivity &ActivityLedger::day(const std::string &date)
{
    auto it = std::lower_bound(rows.begin(), rows.end(), date,
        [](const DayActivity &d, const std::string &key) { return d.date < key; });
    if (it == rows.end() || it->date != date) {
        it = rows.insert(it, DayActivity { date });
    }
    return *it;
}

std::optional<std::string> shiftDate(const std::string &date, int days)
{
    int y = 0;
    unsigned m = 0, d = 0;
    char tail = 0;
    if (date.size() != 10 || std::sscanf(date.c_str(), "%4d-%2u-%2u%c", &y, &m, &d, &tail) != 3) {
        return std::nullopt;
    }
    const std::chrono::year_month_day ymd { std::chrono::year(y), std::chrono::month(m),
        std::chrono::day(d) };
    if (!ymd.ok()) {
        return std::nullopt;
    }
    const std::chrono::year_month_day moved { std::chrono::sys_days(ymd)
        + std::chrono::days(days) };
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02u-%02u", static_cast<int>(moved.year()),
        static_cast<unsigned>(moved.month()), static_cast<unsigned>(moved.day()));
    return std::string(buf);
}

std::vector<DayActivity> ActivityLedger::lastDays(const std::string &today, int count) const
{
    std::vector<DayActivity> out;
    const auto first = shiftDate(today, 1 - count);
    if (!first || count < 1) {
        return out;
    }
    for (const DayActivity &d : rows) {
        if (d.date >= *first && d.date <= today) {
            out.push_back(d);
        }
    }
    return out;
}

std::string ActivityLedger::csv() const
{
    std::ostringstream o;
    o << kActivityCsvHeader << "\n";
    for (const DayActivity &d : rows) {
        o << d.date << ',' << d.secondsPlayed << ',' << d.games << ',' << d.staked << ',' << d.won
          << ',' << d.net() << ',' << d.biggestWin << ',' << d.features << "\n";
    }
    return o.str();
}

ActivityLedger ActivityLedger::fromCsv(const std::string &text)
{
    ActivityLedger ledger;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        std::vector<std::string> cells;
        std::istringstream fields(line);
        for (std::string cell; std::getline(fields, cell, ',');) {
            cells.push_back(cell);
        }
        if (cells.size() != 8 || !shiftDate(cells[0], 0) || *shiftDate(cells[0], 0) != cells[0]) {
            continue;
        }
        std::int64_t v[7] {};
        bool good = true;
        for (std::size_t i = 1; i < 8 && good; ++i) {
            const std::string &c = cells[i];
            const auto [end, ec] = std::from_chars(c.data(), c.data() + c.size(), v[i - 1]);
            good = ec == std::errc() && end == c.data() + c.size();
        }
        // Net is written for the reader and follows from the others.
        if (!good || v[0] < 0 || v[1] < 0 || v[5] < 0 || v[6] < 0 || v[4] != v[3] - v[2]) {
            continue;
        }
        DayActivity &d = ledger.day(cells[0]);
        d.secondsPlayed += v[0];
        d.games += v[1];
        d.staked += v[2];
        d.won += v[3];
        d.biggestWin = std::max(d.biggestWin, v[5]);
        d.features += v[6];
    }
    return ledger;
}

} // namespace slot
