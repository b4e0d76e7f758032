// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The presentations' sequences: which payline shows when, what blinks, and the frames.
#include "presentation/win_display.hpp"

#include <QTest>
#include <vector>

using namespace slot;

namespace
{
// The state the game result leaves for the display's first tick.
MainState displayOf(std::initializer_list<std::pair<int, int>> wins, int lines)
{
    MainState s;
    s.linesplayed = static_cast<Short>(lines);
    for (auto [line, length] : wins) {
        s.winline[static_cast<std::size_t>(line)] = static_cast<Short>(line);
        s.winlength[static_cast<std::size_t>(line)] = static_cast<Short>(length);
    }
    s.lineindex = static_cast<Short>(lines + 1);
    s.blink = 26;
    return s;
}

std::vector<int> frames(AnimationTick (*step)(MainState &), MainState &s, int ticks)
{
    std::vector<int> out;
    for (int i = 0; i < ticks; ++i) {
        const AnimationTick t = step(s);
        out.push_back(t.count ? t.cells[0].frame : -1);
    }
    return out;
}

std::vector<int> range(int from, int to)
{
    std::vector<int> out;
    for (int v = from; from <= to ? v <= to : v >= to; v += from <= to ? 1 : -1) {
        out.push_back(v);
    }
    return out;
}

std::vector<int> join(std::initializer_list<std::vector<int>> parts)
{
    std::vector<int> out;
    for (const auto &p : parts) {
        out.insert(out.end(), p.begin(), p.end());
    }
    return out;
}
} // namespace

class WinDisplay : public QObject
{
    Q_OBJECT
private slots:
    void winningPaylinesTakeTurnsFiveTicksEach()
    {
        MainState s = displayOf({ { 3, 3 }, { 7, 4 } }, 10);
        std::vector<int> shown;
        std::vector<bool> on;
        for (int tick = 0; tick < 15; ++tick) {
            const PaylineTick t = paylineStep(s);
            shown.push_back(t.payline);
            on.push_back(t.segmentsVisible);
        }
        QCOMPARE(shown, (std::vector<int> { 3, 3, 3, 3, 3, 7, 7, 7, 7, 7, 3, 3, 3, 3, 3 }));
        // off, on, off, on, off for the first payline; on, off, on, off, off afterwards
        QCOMPARE(on,
            (std::vector<bool> { false, true, false, true, false, true, false, true, false, false,
                true, false, true, false, false }));
    }

    void tabShowsWhileTheLineIsOff()
    {
        MainState s = displayOf({ { 1, 3 } }, 25);
        const PaylineTick off = paylineStep(s);
        const PaylineTick lit = paylineStep(s);
        QVERIFY(off.tabVisible && !off.segmentsVisible);
        QVERIFY(!lit.tabVisible && lit.segmentsVisible);
        QCOMPARE(lit.payline, 1); // tab 1 only; tab 26 is never the display's
    }

    void highPaylinesHaveNoSegments()
    {
        MainState s = displayOf({ { 23, 3 } }, 25);
        const PaylineTick t = paylineStep(s);
        QCOMPARE(t.payline, 23);
        QVERIFY(!t.drawSegments);
        QCOMPARE(t.cellCount, 3);
    }

    void wildCellOfAWinStaysInView()
    {
        MainState s = displayOf({ { 4, 3 } }, 25);
        s.wildcell[2] = 5;
        for (int tick = 0; tick < 10; ++tick) {
            const PaylineTick t = paylineStep(s);
            QCOMPARE(t.cellCount, 3);
            QCOMPARE(t.cells[0].cell, 1);
            QCOMPARE(t.cells[1].cell, 5);
            QCOMPARE(t.cells[2].cell, 9);
            QVERIFY(t.cells[1].visible);
            QCOMPARE(t.cells[0].visible, t.segmentsVisible);
        }
    }

    void oddWinLengthsBlinkNoCells()
    {
        for (int length : { 0, 1, 6 }) {
            MainState s = displayOf({ { 2, length } }, 25);
            paylineStep(s);
            QCOMPARE(paylineStep(s).cellCount, 0);
        }
    }

    void displayStopsWhenNoPlayedLineWon()
    {
        MainState none = displayOf({}, 25);
        QVERIFY(paylineStep(none).stop);

        // The player drops to 5 lines while line 7's win is on show.
        MainState s = displayOf({ { 7, 3 } }, 25);
        paylineStep(s);
        paylineStep(s);
        s.linesplayed = 5;
        QVERIFY(paylineStep(s).stop);
    }

    void linesChangedDuringADisplay()
    {
        MainState s = displayOf({ { 3, 3 }, { 7, 3 } }, 10);
        paylineStep(s);
        paylineStep(s); // payline 3, on
        s.linesplayed = 5;
        std::vector<int> shown;
        for (int tick = 0; tick < 12; ++tick) {
            shown.push_back(paylineStep(s).payline);
        }
        QCOMPARE(shown, (std::vector<int> { 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3 }));
    }

    void scatterFramesSwingAndHoldTwentyTwice()
    {
        MainState s;
        s.scattercell = { 0, 2, 0, 7, 0, 14 };
        const AnimationTick first = scatterStep(s);
        QCOMPARE(first.count, 3);
        QCOMPARE(first.cells[1].cell, 7);
        const auto seq = join({ { 1 }, frames(scatterStep, s, 38), frames(scatterStep, s, 39),
            frames(scatterStep, s, 39) });
        const auto period = join({ range(2, 20), { 20 }, range(19, 1) });
        QCOMPARE(
            std::vector<int>(seq.begin(), seq.begin() + 39), join({ range(1, 20), range(19, 1) }));
        QCOMPARE(std::vector<int>(seq.begin() + 39, seq.begin() + 78), period);
        QCOMPARE(std::vector<int>(seq.begin() + 78, seq.end()), period);
    }

    void scatterCellOffItsReelIsIgnored()
    {
        MainState s;
        s.scattercell = { 0, 4, 0, 0, 0, 0 };
        QCOMPARE(scatterStep(s).count, 0);
    }

    void wildSwingsThroughEighteenFrames()
    {
        MainState s;
        s.wildcell = { 0, 0, 0, 8, 0, 0 };
        const auto seq = join({ frames(wildSwingStep, s, 35), frames(wildSwingStep, s, 35) });
        QCOMPARE(
            std::vector<int>(seq.begin(), seq.begin() + 35), join({ range(1, 18), range(17, 1) }));
        QCOMPARE(std::vector<int>(seq.begin() + 35, seq.end()),
            join({ range(2, 18), { 18 }, range(17, 1) }));
        s.wildcell = { 0, 0, 7, 0, 0, 0 }; // 7 is reel 3's, not reel 2's
        QCOMPARE(wildSwingStep(s).count, 0);
    }

    void multiplierOverlaySequences_data()
    {
        QTest::addColumn<int>("multiplier");
        QTest::addColumn<int>("start");
        QTest::addColumn<std::vector<int>>("overlays");
        QTest::newRow("x2") << 2 << 23 << std::vector<int> { 19, 20, 21, 22, 19, 20 };
        QTest::newRow("x3") << 3 << 27 << std::vector<int> { 23, 24, 25, 26, 23 };
        QTest::newRow("x5") << 5 << 31 << std::vector<int> { 27, 28, 29, 30, 27 };
        QTest::newRow("x10") << 10 << 23
                             << std::vector<int> { 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 31,
                                    32, 33, 34, 31 };
    }
    void multiplierOverlaySequences()
    {
        QFETCH(int, multiplier);
        QFETCH(int, start);
        QFETCH(std::vector<int>, overlays);
        MainState s;
        s.thiswin = 40;
        s.multiplier = static_cast<Short>(multiplier);
        s.overlayframe = static_cast<Short>(start);
        s.wildcell = { 0, 5, 0, 0, 0, 0 };
        s.wildcell[2] = 5;
        std::vector<int> seen, wild;
        for (std::size_t i = 0; i < overlays.size(); ++i) {
            const AnimationTick t = multiplierStep(s);
            QCOMPARE(t.count, 1);
            seen.push_back(t.cells[0].overlay);
            wild.push_back(t.cells[0].frame);
        }
        QCOMPARE(seen, overlays);
        QCOMPARE(wild.front(), 1);
    }

    void noMultiplierNoOverlay()
    {
        MainState s;
        s.wildcell[3] = 8;
        s.thiswin = 40;
        s.multiplier = 1;
        QCOMPARE(multiplierStep(s).count, 0);
        s.multiplier = 3;
        s.thiswin = 0;
        QCOMPARE(multiplierStep(s).count, 0);
        QCOMPARE(s.overlayframe, Short(0));
    }
};

QTEST_APPLESS_MAIN(WinDisplay)
#include "test_win_display.moc"
