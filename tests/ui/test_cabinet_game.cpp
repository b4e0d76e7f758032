// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole games on the real cabinet: scripted draws, no waiting, every sound noted.
#include "display/line_layer.hpp"
#include "display/twips.hpp"
#include "rules/game_result.hpp"
#include "support/cabinet.hpp"

#include <QTest>
#include <algorithm>
#include <iterator>

using namespace slot;
using namespace slot::test;

namespace
{
bool shows(const Stops &s, int reel, Sym sym)
{
    return showsIn(s, reel, sym);
}

bool plainWindow(const Stops &s)
{
    for (int reel = 1; reel <= kReels; ++reel) {
        if (shows(s, reel, kWild) || shows(s, reel, kScatter)) {
            return false;
        }
    }
    return true;
}

// A window with the scatter on exactly these reels, no wild and no line win.
Stops scattersOn(std::initializer_list<int> reels)
{
    return *findWindow([reels](const Stops &w) {
        for (int reel = 1; reel <= kReels; ++reel) {
            const bool wanted = std::find(reels.begin(), reels.end(), reel) != reels.end();
            if (shows(w, reel, kScatter) != wanted) {
                return false;
            }
        }
        return noWildIn(w) && evaluateWindow(w, kLines).lineUnits == 0;
    });
}

// The reel-stop click and the scatter landings, in the order they sounded.
std::vector<int> stopAndLandingSounds(const std::vector<int> &played)
{
    std::vector<int> out;
    std::copy_if(played.begin(), played.end(), std::back_inserter(out),
        [](int n) { return n == 116 || (n >= 119 && n <= 123); });
    return out;
}
} // namespace

class CabinetGame : public QObject
{
    Q_OBJECT
private slots:
    void startUpShowsSlotOnesCredit()
    {
        Cabinet c(1250);
        QCOMPARE(c.w->PANELBANK->text(), QStringLiteral("1250"));
        QCOMPARE(c.w->Lblcredit->text(), QStringLiteral("$ 12.5"));
        QCOMPARE(c.w->windowTitle(), QStringLiteral("Current Player       "));
        QCOMPARE(c.w->state.linesplayed, Short(25));
        QCOMPARE(c.player.reelspeed, Short(1));
        QCOMPARE(c.player.playerslot, std::string("1"));
        QVERIFY(!c.w->Timer1->isActive() && !c.w->Timerrespin->isActive());
        QVERIFY(!c.w->doublebutton->isEnabled());
    }

    void losingGame()
    {
        Cabinet c(1000);
        const Stops s = blankWindow();
        c.script(s);
        c.rng.keep();
        c.w->play(1)->click();
        QCOMPARE(c.player.bank, 975);
        QCOMPARE(c.w->LABWIN->text(), QStringLiteral("No Win"));
        QCOMPARE(c.w->lbllast->text(), QStringLiteral("25"));
        QVERIFY(!c.w->doublebutton->isEnabled());
        QCOMPARE(c.sound.played.front(), 124);
        QCOMPARE(c.sound.count(116), 5);
        for (int n = 1; n <= 5; ++n) {
            QCOMPARE(c.reelY(n), px(-1500 * s[static_cast<std::size_t>(n)]));
        }
        QVERIFY(c.w->play(1)->isEnabled() && c.w->COINSIN->isEnabled());
        QCOMPARE(c.rng.left(), std::size_t(0));
    }

    void winningGamePaysAndOffersTheGamble()
    {
        const Stops s = *findWindow(
            [](const Stops &w) { return plainWindow(w) && evaluateWindow(w, 25).lineUnits > 0; });
        const int win = evaluateWindow(s, 25).lineUnits;
        Cabinet c(1000);
        c.script(s);
        c.rng.keep();
        c.w->play(1)->click();
        QCOMPARE(c.player.bank, 975 + win);
        QCOMPARE(c.player.total, win);
        QCOMPARE(c.sound.played.back(), winSoundFor(win));
        QVERIFY(c.w->doublebutton->isEnabled());
        QVERIFY(c.w->Timerwincounter->isActive());
        QVERIFY(c.w->Timer1->isActive());
    }

    // The smallest win there is, two scatters at one line and one credit, is a win in every
    // way: shown, counted up, sounded and offered to the gamble.
    void oneCreditWinIsAWin()
    {
        const Stops s = *findWindow([](const Stops &w) {
            const auto r = evaluateWindow(w, 1);
            return r.scatters == 2 && r.lineUnits == 0 && noWildIn(w);
        });
        Cabinet c(1000);
        c.w->payline(1)->click();
        c.script(s);
        c.rng.keep();
        c.w->play(1)->click();
        QCOMPARE(c.w->state.thiswin, 1);
        QCOMPARE(c.player.bank, 1000);
        QCOMPARE(c.player.total, 1);
        QCOMPARE(c.sound.played.back(), winSoundFor(1));
        QVERIFY(winSoundFor(1) != 0);
        QVERIFY(c.w->Timerscatters->isActive());
        QVERIFY(c.w->Timerwincounter->isActive());
        QCOMPARE(c.countOut(), 1);
        QCOMPARE(c.w->LABWIN->text(), QStringLiteral("1"));
        QCOMPARE(c.w->lblwin->text(), QStringLiteral("$ 0.01"));
        QVERIFY(c.w->doublebutton->isEnabled());
        c.w->doublebutton->click();
        QCOMPARE(c.w->state.atrisk, 1);
        QCOMPARE(c.player.bank, 999);
        QCOMPARE(c.rng.left(), std::size_t(0));
    }

    // A win's payline is drawn through the gaps; the next spin takes it all away.
    void paylineDisplayAndTheSpinThatEndsIt()
    {
        const Stops s = *findWindow(
            [](const Stops &w) { return plainWindow(w) && evaluateWindow(w, 1).lineUnits > 0; });
        Cabinet c(1000);
        c.w->payline(1)->click();
        c.script(s);
        c.rng.keep();
        c.w->play(1)->click();
        QVERIFY(c.w->Timer1->isActive());
        const long long before = c.pacing.sleptMs;
        c.w->Timer1_Timer(); // off
        c.w->Timer1_Timer(); // on
        QCOMPARE(c.pacing.sleptMs - before, 300LL); // each tick ends in its pause
        QVERIFY(c.w->Lineflash(1)->isVisible());
        QCOMPARE(c.w->Lineflash(1)->color(), QColor(0x00, 0xff, 0xff));
        QVERIFY(c.w->lin(1)->isHidden() && c.w->lin(26)->isVisible());
        QVERIFY(c.w->flasher(2)->isVisible() && c.w->flasher(5)->isVisible());

        c.script(blankWindow());
        c.rng.keep();
        c.w->play(1)->click();
        QVERIFY(!c.w->Timer1->isActive());
        QVERIFY(!c.w->Lineflash(1)->isVisible());
        QVERIFY(c.w->flasher(2)->isHidden() && c.w->lin(1)->isVisible());
    }

    void refusedForCredit()
    {
        Cabinet c(24);
        c.w->COINSIN->setEnabled(false);
        c.w->play(1)->click();
        QCOMPARE(c.sound.played, (std::vector<int> { 124, 125 }));
        QVERIFY(c.w->pannomoney->isVisible());
        QVERIFY(c.w->COINSIN->isEnabled());
        QCOMPARE(c.w->state.betperline, Short(1));
        QCOMPARE(c.player.bank, 24);
        QCOMPARE(c.player.games, 0);
        QVERIFY(!c.rng.exhausted);
    }

    void discardedResultIsNeverShownOrPaid()
    {
        const Stops big = *findWindow(
            [](const Stops &w) { return plainWindow(w) && evaluateWindow(w, 25).lineUnits > 60; });
        const Stops blank = blankWindow();
        Cabinet c(1000);
        c.script(big);
        c.rng.replace();
        c.script(blank);
        c.rng.keep();
        std::vector<int> firstFrame;
        c.pacing.onSleep = [&] {
            if (firstFrame.empty()) {
                for (int n = 1; n <= 5; ++n) {
                    firstFrame.push_back(c.reelY(n));
                }
            }
        };
        c.w->play(1)->click();
        QCOMPARE(c.player.bank, 975);
        QCOMPARE(c.player.games, 1);
        QCOMPARE(c.player.total, 0);
        QCOMPARE(c.w->LABWIN->text(), QStringLiteral("No Win"));
        QCOMPARE(c.sound.count(116), 5); // one animation only
        for (int n = 1; n <= 5; ++n) {
            QCOMPARE(c.reelY(n), px(-1500 * blank[static_cast<std::size_t>(n)]));
        }
        QCOMPARE(c.rng.left(), std::size_t(0));
    }

    void heldWildReelStandsStillAndClicksNoStop()
    {
        const Stops wild = *findWindow([](const Stops &w) {
            return shows(w, 3, kWild) && !shows(w, 2, kWild) && !shows(w, 4, kWild)
                && evaluateWindow(w, 25).scatters == 0;
        });
        Cabinet c(1000);
        c.script(wild);
        c.rng.keep();
        c.w->play(1)->click();
        const int restY = c.reelY(3);
        c.sound.played.clear();
        c.rng.stops({ 5, 3, 4, 5 }); // reels 1, 2, 4 and 5 draw; reel 3 holds
        c.rng.keep();
        bool moved = false;
        c.pacing.onSleep = [&] { moved = moved || c.reelY(3) != restY; };
        c.w->play(1)->click();
        QVERIFY(!moved);
        QCOMPARE(c.sound.count(116), 4);
        QCOMPARE(c.w->state.wildhold3, Short(0));
        QCOMPARE(c.w->state.held3, Short(0));
        QVERIFY(!c.rng.exhausted);
    }

    // Every stopping reel clicks; a scatter landing on reels 1 to 3 always sounds after its
    // click, one on reel 4 or 5 only when the game shows more than one scatter.
    void scatterLandingSounds_data()
    {
        QTest::addColumn<Stops>("window");
        QTest::addColumn<std::vector<int>>("sounds");
        QTest::newRow("lone scatter on reel 1")
            << scattersOn({ 1 }) << std::vector<int> { 116, 119, 116, 116, 116, 116 };
        QTest::newRow("lone scatter on reel 3")
            << scattersOn({ 3 }) << std::vector<int> { 116, 116, 116, 121, 116, 116 };
        QTest::newRow("lone scatter on reel 4")
            << scattersOn({ 4 }) << std::vector<int> { 116, 116, 116, 116, 116 };
        QTest::newRow("lone scatter on reel 5")
            << scattersOn({ 5 }) << std::vector<int> { 116, 116, 116, 116, 116 };
        QTest::newRow("scatters on reels 4 and 5")
            << scattersOn({ 4, 5 }) << std::vector<int> { 116, 116, 116, 116, 122, 116, 123 };
        QTest::newRow("scatters on reels 2 and 4")
            << scattersOn({ 2, 4 }) << std::vector<int> { 116, 116, 120, 116, 116, 122, 116 };
    }
    void scatterLandingSounds()
    {
        QFETCH(Stops, window);
        QFETCH(std::vector<int>, sounds);
        Cabinet c(1000);
        c.script(window);
        c.rng.keep();
        c.w->play(1)->click();
        QCOMPARE(stopAndLandingSounds(c.sound.played), sounds);
        QCOMPARE(c.rng.left(), std::size_t(0)); // the game stood as scripted
    }

    void featureTrigger()
    {
        const Stops trigger = *findWindow([](const Stops &w) {
            const auto r = evaluateWindow(w, 25);
            return r.scatters == 3 && r.lineUnits == 0 && !shows(w, 2, kWild) && !shows(w, 3, kWild)
                && !shows(w, 4, kWild);
        });
        Cabinet c(1000);
        c.script(trigger);
        c.rng.keep().tune(2);
        c.w->play(1)->click();
        QCOMPARE(c.w->state.freespins, Short(11));
        QCOMPARE(c.w->state.freespinsdone, Short(1));
        QCOMPARE(c.player.bank, 1000);
        QCOMPARE(c.w->spinsleft->text(), QStringLiteral("     Freespins Remaining  10"));
        QCOMPARE(c.w->LABWIN->text(), QStringLiteral("125"));
        QVERIFY(c.sound.count(105) == 1);
        QCOMPARE(c.sound.looped, (std::vector<int> { 118 }));
        QVERIFY(
            c.w->play(1)->isHidden() && c.w->COINSIN->isHidden() && c.w->doublebutton->isHidden());
        QVERIFY(c.w->play(1)->isEnabled()); // the feature presses it from code
        QVERIFY(c.w->LABTHISWIN->isVisible() && c.w->LABLASTBET->isHidden());
        QVERIFY(c.w->Timerwincounter->isActive());
        QVERIFY(!c.w->keyPreview());
        QVERIFY(c.pacing.sleptMs >= 1500);
    }

    // Reel 1 at stop 22 rests below where the scroll starts: it is first placed settling.
    void reelOneAtStopTwentyTwo()
    {
        Stops s = blankWindow();
        s[1] = 22;
        Cabinet c(1000);
        c.script(s);
        c.rng.keep();
        int firstY = 1;
        c.pacing.onSleep = [&] {
            if (firstY == 1) {
                firstY = c.reelY(1);
            }
        };
        c.w->play(1)->click();
        QCOMPARE(firstY, px(-1500 * 22 + 600 - 60));
        QCOMPARE(c.reelY(1), px(-1500 * 22));
    }

    void exitDuringAGameWaitsForItsWin()
    {
        const Stops s = *findWindow(
            [](const Stops &w) { return plainWindow(w) && evaluateWindow(w, 25).lineUnits > 0; });
        const int win = evaluateWindow(s, 25).lineUnits;
        Cabinet c(1000);
        c.script(s);
        c.rng.keep();
        c.pacing.onSleep = [&] { c.w->mnuexit->trigger(); };
        c.w->play(1)->click();
        QCOMPARE(c.ends, 1);
        QCOMPARE(c.saved.bank, 975 + win);
    }
};

QTEST_MAIN(CabinetGame)
#include "test_cabinet_game.moc"
