// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The win counter's climb: the amounts it shows tick by tick, in normal play and the feature.
#include "flow/win_counter.hpp"

#include <QTest>
#include <vector>

using namespace slot;

namespace
{
struct Run {
    std::vector<Money> shown;
    std::vector<Money> current;
};

Run count(MainState &s, Short winroll)
{
    Run r;
    for (int tick = 0; tick < 1000; ++tick) {
        const CounterTick t = winCounterStep(s, winroll);
        r.shown.push_back(t.winShown);
        r.current.push_back(t.currentWin);
        if (t.finished) {
            break;
        }
    }
    return r;
}
} // namespace

class WinCounter : public QObject
{
    Q_OBJECT
private slots:
    void normalPlayClimbsInGrowingSteps()
    {
        MainState s;
        s.thiswin = 30;
        s.rollstep = 1;
        const Run r = count(s, 1);
        QCOMPARE(r.shown, (std::vector<Money> { 1, 2, 3, 4, 5, 6, 8, 10, 12, 16, 24, 30 }));
        QCOMPARE(s.rollcount, 0);
    }

    void counterOffJumpsAtTheFirstTick()
    {
        MainState s;
        s.thiswin = 30;
        s.rollstep = 1;
        QCOMPARE(count(s, 0).shown, (std::vector<Money> { 30 }));
    }

    void featureGameClimbsFromTheOldTotal()
    {
        MainState s;
        s.freespins = 11;
        s.freespinsdone = 3;
        s.thiswin = 200;
        s.winmeter = 700;
        s.rollstep = 1;
        const Run r = count(s, 1);
        QCOMPARE(r.current.size(), std::size_t(55));
        const std::vector<Money> start(r.current.begin(), r.current.begin() + 10);
        QCOMPARE(start, (std::vector<Money> { 1, 2, 3, 4, 5, 6, 8, 10, 12, 14 }));
        QCOMPARE(r.current[53], 192);
        QCOMPARE(r.current[54], 200);
        QCOMPARE(r.shown[0], 501);
        QCOMPARE(r.shown[54], 700);
        QCOMPARE(s.rollstep, Short(0));
    }

    void freeGameWithoutWinEndsAtOnce()
    {
        MainState s;
        s.freespins = 11;
        s.freespinsdone = 2;
        s.winmeter = 40;
        const Run r = count(s, 1);
        QCOMPARE(r.shown, (std::vector<Money> { 40 }));
        QCOMPARE(r.current, (std::vector<Money> { 0 }));
    }

    // The feature's band for 151 to 200 is deliberately steeper than its neighbours.
    void stepTables()
    {
        QCOMPARE(rollStepFor(0, false), Short(0));
        QCOMPARE(rollStepFor(-5, true), Short(0));
        QCOMPARE(rollStepFor(150, true), Short(4));
        QCOMPARE(rollStepFor(151, true), Short(8));
        QCOMPARE(rollStepFor(201, true), Short(5));
        QCOMPARE(rollStepFor(1500, false), Short(150));
        QCOMPARE(rollStepFor(1501, false), Short(500));
        QCOMPARE(rollStepFor(1501, true), Short(100));
    }
};

QTEST_APPLESS_MAIN(WinCounter)
#include "test_win_counter.moc"
