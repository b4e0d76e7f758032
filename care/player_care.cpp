// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The reminder and limit rules, and their small text file per slot.
#include "care/player_care.hpp"

#include "players/durable_file.hpp"

#include <algorithm>
#include <charconv>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace slot
{

void Limit::request(std::int64_t wanted, Seconds now)
{
    if (wanted < 0) {
        return;
    }
    const bool stricter = wanted > 0 && (value == 0 || wanted < value);
    if (stricter || wanted == value) {
        value = wanted;
        pending = 0;
        pendingFrom = 0;
        return;
    }
    // A second raise restarts the wait: otherwise a raise asked long ago could be swapped for
    // a far larger one that applies at once.
    pending = wanted;
    pendingFrom = now;
}

void Limit::applyDue(Seconds now)
{
    if (pendingFrom != 0 && now - pendingFrom >= kRaiseDelay) {
        value = pending;
        pending = 0;
        pendingFrom = 0;
    }
}

namespace
{

bool parse(std::string_view s, std::int64_t &out)
{
    std::int64_t v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || v < 0) {
        return false;
    }
    out = v;
    return true;
}

} // namespace

std::string encodeCare(const CareSettings &c)
{
    std::ostringstream o;
    o << "reminder=" << c.reminderMinutes << "\n"
      << "loss=" << c.lossPerDay.value << "\n"
      << "loss_pending=" << c.lossPerDay.pending << "\n"
      << "loss_pending_from=" << c.lossPerDay.pendingFrom << "\n"
      << "time=" << c.sessionMinutes.value << "\n"
      << "time_pending=" << c.sessionMinutes.pending << "\n"
      << "time_pending_from=" << c.sessionMinutes.pendingFrom << "\n"
      << "day=" << c.day << "\n"
      << "day_staked=" << c.dayStaked << "\n"
      << "day_won=" << c.dayWon << "\n";
    return o.str();
}

CareSettings decodeCare(const std::string &text)
{
    CareSettings c;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        const auto eq = line.find('=');
        if (eq == std::string::npos) {
            continue;
        }
        const std::string key = line.substr(0, eq);
        const std::string_view value = std::string_view(line).substr(eq + 1);
        std::int64_t v = 0;
        if (key == "day") {
            c.day = std::string(value);
            continue;
        }
        if (!parse(value, v)) {
            continue;
        }
        if (key == "reminder") {
            for (const int m : kReminderChoices) {
                if (v == m) {
                    c.reminderMinutes = m;
                }
            }
        } else if (key == "loss") {
            c.lossPerDay.value = v;
        } else if (key == "loss_pending") {
            c.lossPerDay.pending = v;
        } else if (key == "loss_pending_from") {
            c.lossPerDay.pendingFrom = v;
        } else if (key == "time") {
            c.sessionMinutes.value = v;
        } else if (key == "time_pending") {
            c.sessionMinutes.pending = v;
        } else if (key == "time_pending_from") {
            c.sessionMinutes.pendingFrom = v;
        } else if (key == "day_staked") {
            c.dayStaked = v;
        } else if (key == "day_won") {
            c.dayWon = v;
        }
    }
    return c;
}

std::string localDay(Seconds t)
{
    const std::time_t tt = static_cast<std::time_t>(t);
    std::tm tm {};
    localtime_r(&tt, &tm);
    char buf[16];
    std::strftime(buf, sizeof buf, "%Y-%m-%d", &tm);
    return buf;
}

PlayerCare::PlayerCare(CareStorage *store, Clock c, DayOf d)
    : storage(store)
    , clock(std::move(c))
    , dayOf(std::move(d))
{
}

void PlayerCare::beginSession(int slot, const PlayTotals &totals)
{
    current = slot;
    kept = CareSettings {};
    ledger.clear();
    if (storage) {
        if (const auto text = storage->load(slot)) {
            kept = decodeCare(*text);
            ledger = ActivityLedger::fromCsv(*text);
        }
    }
    last = totals;
    figures = {};
    started = remindFrom = lastSeen = clock();
    rollDay();
}

void PlayerCare::rollDay()
{
    const std::string today = dayOf(clock());
    if (kept.day != today) {
        kept.day = today;
        kept.dayStaked = kept.dayWon = 0;
    }
}

void PlayerCare::absorb(const PlayTotals &t, bool game, bool featureEnded)
{
    const Seconds now = clock();
    DayActivity &d = ledger.day(dayOf(now));
    d.secondsPlayed += std::max<Seconds>(0, now - lastSeen);
    lastSeen = now;
    // A record that went back (deleted details, another slot's record) starts a new count.
    // The feature's refunds lower the stake, so only the games are sure to grow.
    if (t.games >= last.games) {
        const std::int64_t staked = t.staked - last.staked, won = t.won - last.won;
        figures.games += t.games - last.games;
        figures.staked += staked;
        figures.won += won;
        kept.dayStaked += staked;
        kept.dayWon += won;
        d.games += t.games - last.games;
        d.staked += staked;
        d.won += won;
        if (game) {
            d.biggestWin = std::max(d.biggestWin, won);
        }
        d.features += featureEnded ? 1 : 0;
    }
    last = t;
}

void PlayerCare::follow(const PlayTotals &totals)
{
    rollDay();
    absorb(totals);
    save();
}

std::int64_t PlayerCare::lossToday() const
{
    return kept.dayStaked - kept.dayWon;
}

CareVerdict PlayerCare::gameEnded(const PlayTotals &totals, bool featureEnded)
{
    const Seconds now = clock();
    rollDay();
    absorb(totals, true, featureEnded);
    const CareVerdict limit = judgeLimits(now);
    save();
    if (limit != CareVerdict::Play) {
        return limit;
    }
    if (kept.reminderMinutes > 0 && now - remindFrom >= Seconds(kept.reminderMinutes) * 60) {
        return CareVerdict::Remind;
    }
    return CareVerdict::Play;
}

CareVerdict PlayerCare::judgeLimits(Seconds now)
{
    rollDay();
    kept.lossPerDay.applyDue(now);
    kept.sessionMinutes.applyDue(now);
    figures.played = now - started;
    if (kept.lossPerDay.reached(lossToday())) {
        return CareVerdict::LossLimit;
    }
    if (kept.sessionMinutes.reached(figures.played / 60)) {
        return CareVerdict::TimeLimit;
    }
    return CareVerdict::Play;
}

CareVerdict PlayerCare::limitNow()
{
    return judgeLimits(clock());
}

void PlayerCare::keepPlaying()
{
    remindFrom = clock();
}

bool PlayerCare::setReminder(int minutes)
{
    for (const int m : kReminderChoices) {
        if (minutes == m) {
            kept.reminderMinutes = m;
            return save();
        }
    }
    return false;
}

bool PlayerCare::requestLossLimit(std::int64_t credits)
{
    kept.lossPerDay.request(credits, clock());
    return save();
}

bool PlayerCare::requestTimeLimit(int minutes)
{
    kept.sessionMinutes.request(minutes, clock());
    return save();
}

void PlayerCare::forget(int slot)
{
    if (storage) {
        storage->remove(slot);
    }
    if (slot == current) {
        kept = CareSettings {};
        ledger.clear();
        rollDay();
    }
}

bool PlayerCare::save()
{
    return !storage || current < 1 || storage->store(current, encodeCare(kept) + ledger.csv());
}

FileCareStorage::FileCareStorage(std::string f)
    : folder(std::move(f))
{
}

std::string FileCareStorage::pathOf(int slot) const
{
    return folder + "/limits-player" + std::to_string(slot) + ".txt";
}

std::optional<std::string> FileCareStorage::load(int slot)
{
    if (folder.empty()) {
        return std::nullopt;
    }
    std::error_code ec;
    const std::string path = pathOf(slot);
    // A statement of many years is some hundred kilobytes; anything far larger is not ours.
    if (!std::filesystem::is_regular_file(path, ec)
        || std::filesystem::file_size(path, ec) > (4u << 20)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in && !in.eof()) {
        return std::nullopt;
    }
    return text.str();
}

bool FileCareStorage::store(int slot, const std::string &text)
{
    if (folder.empty()) {
        return false;
    }
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return !ec && replaceDurably(pathOf(slot), text);
}

bool FileCareStorage::remove(int slot)
{
    std::error_code ec;
    std::filesystem::remove(pathOf(slot), ec);
    return !ec && syncFolderOf(pathOf(slot));
}

} // namespace slot
