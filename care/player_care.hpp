// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Care for the player: a reminder every so many minutes of play, a loss limit per day and a
// time limit per session, per slot. The rules run on an injected clock so that their
// boundaries can be tested exactly; the cabinet only asks at the end of a game.
#pragma once

#include "care/activity_ledger.hpp"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace slot
{

using Seconds = std::int64_t; // since the epoch

inline constexpr Seconds kRaiseDelay = 24 * 60 * 60;
inline constexpr int kReminderChoices[] = { 0, 15, 30, 60 }; // minutes; 0 is off
inline constexpr int kDefaultReminder = 60;

// A limit of 0 is no limit. A stricter value applies at once; a looser one (or none) waits a
// day, so that a decision taken calmly cannot be undone in the heat of a losing run.
struct Limit {
    std::int64_t value = 0;
    std::int64_t pending = 0;
    Seconds pendingFrom = 0; // 0: nothing pending
    void request(std::int64_t wanted, Seconds now);
    void applyDue(Seconds now);
    bool reached(std::int64_t amount) const { return value > 0 && amount >= value; }
};

// What a slot keeps across runs.
struct CareSettings {
    int reminderMinutes = kDefaultReminder;
    Limit lossPerDay; // credits
    Limit sessionMinutes;
    std::string day; // the local date of the losses below
    std::int64_t dayStaked = 0, dayWon = 0; // credits
};

std::string encodeCare(const CareSettings &c);
// Missing or damaged lines keep their defaults: a damaged file never stops play.
CareSettings decodeCare(const std::string &text);

// The record's running totals the care follows (PlayerState's games, wager and total).
struct PlayTotals {
    std::int64_t games = 0, staked = 0, won = 0;
};

struct SessionFigures {
    Seconds played = 0;
    std::int64_t games = 0, staked = 0, won = 0;
    std::int64_t net() const { return won - staked; }
};

enum class CareVerdict { Play, Remind, LossLimit, TimeLimit };

class CareStorage
{
public:
    virtual ~CareStorage() = default;
    virtual std::optional<std::string> load(int slot) = 0;
    virtual bool store(int slot, const std::string &text) = 0;
    virtual bool remove(int slot) = 0;
};

class PlayerCare
{
public:
    using Clock = std::function<Seconds()>;
    using DayOf = std::function<std::string(Seconds)>;
    PlayerCare(CareStorage *storage, Clock clock, DayOf dayOf);

    // A session on a slot starts (the program starts, or another slot is chosen).
    void beginSession(int slot, const PlayTotals &totals);
    // The end of a game outside the feature: counts what the record gained since the last
    // call, and says whether play may go on. Limits come before the reminder.
    // featureEnded: the game was a feature, collected now (it counts in the statement).
    CareVerdict gameEnded(const PlayTotals &totals, bool featureEnded = false);
    // The record changed outside a game (a gamble settled): counted, nothing judged.
    void follow(const PlayTotals &totals);
    void keepPlaying(); // the reminder was seen: the next one a whole interval later
    // Before a paid game: a limit reached (or lowered below what is already played) refuses
    // it; a new day lifts the loss limit's stop.
    CareVerdict limitNow();

    const SessionFigures &session() const { return figures; }
    const CareSettings &settings() const { return kept; }
    std::int64_t lossToday() const;
    // From Options; true when it was stored.
    bool setReminder(int minutes);
    bool requestLossLimit(std::int64_t credits);
    bool requestTimeLimit(int minutes);
    // Delete details: the slot starts again with the defaults and no stored file.
    void forget(int slot);
    int slot() const { return current; }
    const ActivityLedger &activity() const { return ledger; }
    std::string today() const { return dayOf(clock()); }
    Seconds now() const { return clock(); }

private:
    void absorb(const PlayTotals &totals, bool game = false, bool featureEnded = false);
    CareVerdict judgeLimits(Seconds now);
    void rollDay();
    bool save();

    CareStorage *storage;
    Clock clock;
    DayOf dayOf;
    int current = -1; // no session yet
    CareSettings kept;
    PlayTotals last;
    SessionFigures figures;
    Seconds started = 0;
    Seconds remindFrom = 0;
    ActivityLedger ledger;
    Seconds lastSeen = 0; // the statement's time played runs from here
};

// One small text file per slot beside the recall files.
class FileCareStorage final : public CareStorage
{
public:
    explicit FileCareStorage(std::string folder);
    std::optional<std::string> load(int slot) override;
    bool store(int slot, const std::string &text) override;
    bool remove(int slot) override;
    std::string pathOf(int slot) const;

private:
    std::string folder;
};

// The local calendar date of a moment, "YYYY-MM-DD".
std::string localDay(Seconds t);

} // namespace slot
