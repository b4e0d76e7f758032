// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The reminder and the limits at their boundaries, on a clock the test moves by hand.
#include "care/player_care.hpp"

#include <QTest>
#include <map>

using namespace slot;

namespace
{

struct MemoryStorage final : CareStorage {
    std::map<int, std::string> files;
    bool failing = false;
    std::optional<std::string> load(int slot) override
    {
        const auto it = files.find(slot);
        return it == files.end() ? std::nullopt : std::optional(it->second);
    }
    bool store(int slot, const std::string &text) override
    {
        if (failing) {
            return false;
        }
        files[slot] = text;
        return true;
    }
    bool remove(int slot) override { return files.erase(slot) > 0; }
};

constexpr Seconds kDay = 24 * 60 * 60;
constexpr Seconds kStart = 1000 * kDay + 8 * 3600; // 8 in the morning

struct Rig {
    MemoryStorage disk;
    Seconds now = kStart;
    PlayTotals totals;
    std::unique_ptr<PlayerCare> care;

    Rig() { restart(); }
    void restart()
    {
        care = std::make_unique<PlayerCare>(
            &disk, [this] { return now; },
            [](Seconds t) { return *shiftDate("2026-01-01", static_cast<int>(t / kDay - 1000)); });
        care->beginSession(1, totals);
    }
    // One paid game of `stake` that wins `win`, ending `after` seconds from now.
    CareVerdict game(std::int64_t stake, std::int64_t win, Seconds after = 10)
    {
        now += after;
        totals.games += 1;
        totals.staked += stake;
        totals.won += win;
        return care->gameEnded(totals);
    }
};

} // namespace

class PlayerCareRules : public QObject
{
    Q_OBJECT
private slots:
    // The loss limit stops play at the end of the game that reaches it, not one game later,
    // and lets the player play again on the next day.
    void lossLimitStopsAtTheGameThatReachesIt()
    {
        Rig r;
        QVERIFY(r.care->requestLossLimit(100));
        r.care->setReminder(0);
        QCOMPARE(r.game(99, 0), CareVerdict::Play);
        QCOMPARE(r.game(25, 24), CareVerdict::LossLimit); // 99 + 1 = exactly the limit
        QCOMPARE(r.care->lossToday(), 100);
        QCOMPARE(r.care->limitNow(), CareVerdict::LossLimit);
        r.now += 16 * 3600; // the next day has begun
        QCOMPARE(r.care->limitNow(), CareVerdict::Play);
        QCOMPARE(r.care->lossToday(), 0);
        // Wins count against the losses of the same day.
        QCOMPARE(r.game(50, 0), CareVerdict::Play);
        QCOMPARE(r.game(50, 60), CareVerdict::Play);
        QCOMPARE(r.care->lossToday(), 40);
    }

    void timeLimitCountsTheSessionToTheSecond()
    {
        Rig r;
        QVERIFY(r.care->requestTimeLimit(30));
        QCOMPARE(r.game(1, 0, 30 * 60 - 1), CareVerdict::Play);
        QCOMPARE(r.game(1, 0, 1), CareVerdict::TimeLimit);
        QCOMPARE(r.care->session().played, 30 * 60);
        // A new session (a restart) has its own time.
        r.restart();
        QCOMPARE(r.care->limitNow(), CareVerdict::Play);
    }

    // Lowering applies at once, also below what has been lost already; a raise, or taking the
    // limit away, waits 24 hours, across a restart too.
    void raisesWaitADayAndLoweringsDoNot()
    {
        Rig r;
        r.care->requestLossLimit(500);
        QCOMPARE(r.game(200, 0), CareVerdict::Play);
        r.care->requestLossLimit(150);
        QCOMPARE(r.care->limitNow(), CareVerdict::LossLimit);
        const Seconds asked = r.now;
        r.care->requestLossLimit(1000);
        QCOMPARE(r.care->settings().lossPerDay.value, 150);
        QCOMPARE(r.care->limitNow(), CareVerdict::LossLimit);

        r.now = asked + kDay - 1;
        r.restart();
        QCOMPARE(r.care->settings().lossPerDay.pending, 1000);
        // A day later, one second short of the raise: the lower limit still holds.
        QCOMPARE(r.game(160, 0, 0), CareVerdict::LossLimit);
        r.now = asked + kDay;
        QCOMPARE(r.care->limitNow(), CareVerdict::Play);
        QCOMPARE(r.care->settings().lossPerDay.value, 1000);

        r.care->requestLossLimit(0); // no limit is the largest raise
        QCOMPARE(r.care->settings().lossPerDay.value, 1000);
        r.care->requestLossLimit(1000); // asking for what holds withdraws the raise
        QCOMPARE(r.care->settings().lossPerDay.pendingFrom, 0);
        r.now += 2 * kDay;
        QCOMPARE(r.care->limitNow(), CareVerdict::Play);
        QCOMPARE(r.care->settings().lossPerDay.value, 1000);
    }

    void reminderComesEveryIntervalAfterTheLastOneSeen()
    {
        Rig r;
        QCOMPARE(r.care->settings().reminderMinutes, 60);
        QVERIFY(r.care->setReminder(15));
        QVERIFY(!r.care->setReminder(20));
        QCOMPARE(r.game(25, 0, 15 * 60 - 1), CareVerdict::Play);
        QCOMPARE(r.game(25, 10, 1), CareVerdict::Remind);
        const SessionFigures s = r.care->session();
        QCOMPARE(s.games, 2);
        QCOMPARE(s.staked, 50);
        QCOMPARE(s.won, 10);
        QCOMPARE(s.net(), -40);
        QCOMPARE(s.played, 15 * 60);
        QCOMPARE(r.game(25, 0), CareVerdict::Remind); // until it is seen
        r.care->keepPlaying();
        QCOMPARE(r.game(25, 0, 15 * 60 - 1), CareVerdict::Play);
        QCOMPARE(r.game(25, 0, 1), CareVerdict::Remind);
        r.care->keepPlaying();
        // A limit is told before a reminder.
        r.care->requestTimeLimit(1);
        QCOMPARE(r.game(25, 0, 15 * 60), CareVerdict::TimeLimit);
        r.care->requestTimeLimit(0);
        r.care->setReminder(0);
        r.now += kDay + 1;
        QCOMPARE(r.game(25, 0, 100 * 60), CareVerdict::Play);
    }

    // The day's losses and the limits are the slot's own, kept across runs, and gone after
    // Delete details.
    void keptPerSlotAcrossRunsAndForgotten()
    {
        Rig r;
        r.care->requestLossLimit(300);
        r.care->setReminder(30);
        r.game(100, 0);
        r.restart();
        QCOMPARE(r.care->lossToday(), 100);
        QCOMPARE(r.care->settings().reminderMinutes, 30);
        r.care->beginSession(2, r.totals);
        QCOMPARE(r.care->settings().lossPerDay.value, 0);
        r.care->beginSession(1, r.totals);
        QCOMPARE(r.care->settings().lossPerDay.value, 300);
        r.care->forget(1);
        QVERIFY(!r.disk.files.count(1));
        QCOMPARE(r.care->settings().lossPerDay.value, 0);
        QCOMPARE(r.care->lossToday(), 0);
        // A record that went back (details deleted) is a new start, not a huge win.
        r.totals = {};
        QCOMPARE(r.care->gameEnded(r.totals), CareVerdict::Play);
        QCOMPARE(r.care->session().won, 0);
        // A store that fails says so.
        r.disk.failing = true;
        QVERIFY(!r.care->requestLossLimit(10));
    }

    void damagedFileKeepsTheDefaults()
    {
        CareSettings c;
        c.reminderMinutes = 15;
        c.lossPerDay = { 200, 400, kStart };
        c.sessionMinutes = { 90, 0, 0 };
        c.day = "2026-12-09";
        c.dayStaked = 1234;
        c.dayWon = 56;
        const CareSettings back = decodeCare(encodeCare(c));
        QCOMPARE(encodeCare(back), encodeCare(c));
        const CareSettings bad = decodeCare("reminder=17\nloss=-5\ntime=abc\nloss_pending=9x\n"
                                            "garbage\n=\nday_won=99999999999999999999999\n");
        QCOMPARE(encodeCare(bad), encodeCare(CareSettings {}));
    }

    // The statement's rows: one per local day, in date order, and their CSV read back.
    void ledgerRowsAndTheirCsv()
    {
        ActivityLedger l;
        l.day("2026-12-09").staked = 100;
        l.day("2026-01-31").won = 7;
        l.day("2026-12-09").won = 40;
        QCOMPARE(l.days().size(), std::size_t(2));
        QCOMPARE(l.days()[0].date, std::string("2026-01-31"));
        const std::string csv = l.csv();
        QCOMPARE(csv,
            std::string("date,seconds_played,paid_games,staked,won,net,biggest_win,features\n"
                        "2026-01-31,0,0,0,7,7,0,0\n2026-12-09,0,0,100,40,-60,0,0\n"));
        QCOMPARE(ActivityLedger::fromCsv(csv).csv(), csv);
        // A line that does not add up, or is not a day, is left out; a day seen twice adds.
        const ActivityLedger back = ActivityLedger::fromCsv(csv
            + "2026-12-09,60,1,25,0,-25,0,1\n2026-02-30,0,0,0,0,0,0,0\n2026-03-01,0,0,5,0,0,0,0\n"
              "2026-03-02,0,0,x,0,0,0,0\n2026-03-03,0,0,0,0,0,0\nreminder=60\n");
        QCOMPARE(back.days().size(), std::size_t(2));
        QCOMPARE(back.days()[1].staked, 125);
        QCOMPARE(back.days()[1].features, 1);

        QCOMPARE(*shiftDate("2024-03-01", -1), std::string("2024-02-29"));
        QCOMPARE(*shiftDate("2026-12-31", 1), std::string("2027-01-01"));
        QVERIFY(!shiftDate("2026-13-01", 0));
        QVERIFY(!shiftDate("26-1-1", 0));
        ActivityLedger w;
        w.day("2026-09-10"); // 91 days before 2026-12-09: out
        w.day("2026-09-11"); // the 90th day back: in
        w.day("2026-12-09");
        w.day("2026-12-10"); // after today: out
        const auto shown = w.lastDays("2026-12-09", 90);
        QCOMPARE(shown.size(), std::size_t(2));
        QCOMPARE(shown.front().date, std::string("2026-09-11"));
    }

    // Games on both sides of midnight land on their own days, kept across a restart; the rows
    // add up to what the record gained, refunds and gambles included.
    void statementFollowsTheRecordDayByDay()
    {
        Rig r;
        r.care->setReminder(0);
        const PlayTotals before = r.totals;
        r.now = kStart + 16 * 3600 - 100; // 100 s before midnight
        r.restart();
        r.game(25, 0, 0);
        r.game(25, 500, 50); // a feature's win, collected
        r.totals.staked -= 10; // a refund the record made
        r.care->gameEnded(r.totals, true);
        r.totals.won -= 200; // a gamble lost
        r.care->follow(r.totals);
        r.restart();
        r.game(25, 30, 100); // after midnight
        const auto &days = r.care->activity().days();
        QCOMPARE(days.size(), std::size_t(2));
        QCOMPARE(days[0].games, 2);
        QCOMPARE(days[0].staked, 40);
        QCOMPARE(days[0].won, 300);
        QCOMPARE(days[0].biggestWin, 500);
        QCOMPARE(days[0].features, 1);
        QCOMPARE(days[0].secondsPlayed, 50); // from the session's start to its last event
        QCOMPARE(days[1].games, 1);
        QCOMPARE(days[1].secondsPlayed, 100);
        std::int64_t games = 0, staked = 0, won = 0;
        for (const DayActivity &d : days) {
            games += d.games;
            staked += d.staked;
            won += d.won;
        }
        QCOMPARE(games, r.totals.games - before.games);
        QCOMPARE(staked, r.totals.staked - before.staked);
        QCOMPARE(won, r.totals.won - before.won);
    }
};

QTEST_APPLESS_MAIN(PlayerCareRules)
#include "test_player_care.moc"
