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
            &disk, [this] { return now; }, [](Seconds t) { return std::to_string(t / kDay); });
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
};

QTEST_APPLESS_MAIN(PlayerCareRules)
#include "test_player_care.moc"
