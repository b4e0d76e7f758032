// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The about and pay-table windows, the menu guards, and leaving without losing a win.
#include "assets/asset_catalog.hpp"
#include "display/about_window.hpp"
#include "display/paytable_window.hpp"
#include "display/twips.hpp"
#include "flow/quit_signals.hpp"
#include "gamble/double_panel.hpp"
#include "gamble/gamble_rules.hpp"
#include "players/options_window.hpp"
#include "support/cabinet.hpp"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <csignal>

using namespace slot;
using namespace slot::test;

namespace
{

Stops winningWindow()
{
    return *findWindow([](const Stops &w) {
        return noWildIn(w) && evaluateWindow(w, 25).scatters == 0
            && evaluateWindow(w, 25).lineUnits > 0;
    });
}

// Plays a paid game that wins and returns the win.
int playWin(Cabinet &c)
{
    const Stops s = winningWindow();
    c.script(s);
    c.rng.keep();
    c.w->play(1)->click();
    return evaluateWindow(s, 25).lineUnits;
}

void startFeature(Cabinet &c)
{
    c.script(scatterWindow(3));
    c.rng.keep().tune(1);
    c.w->play(1)->click();
}

void playFreeGame(Cabinet &c, const Stops &s)
{
    c.countOut();
    c.script(s);
    c.rng.multiplierDraw(25).keep();
    c.w->Timerrespin_Timer();
}

} // namespace

class MenusAndQuit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initAssets(); }

    void aboutWindowOpensAtTheCornerOverADisabledCabinet()
    {
        Cabinet c(100);
        c.w->move(50, 40);
        c.w->mnuabout->trigger();
        QPointer<abouttarnix> a = c.w->aboutWindow;
        QVERIFY(a && a->isVisible());
        QVERIFY(!c.w->isEnabled());
        QCOMPARE(c.sound.played, (std::vector<int> { 124 }));
        QCOMPARE(a->windowTitle(), QStringLiteral("About slots_tarnix"));
        QCOMPARE(a->pos(), QPoint(0, 0));
        QCOMPARE(a->height(), px(2145));
        QVERIFY(a->lblTitle->isVisible() && a->lblDescription->isVisible());
        QCOMPARE(a->lblDescription->text(),
            QStringLiteral("This is as close as I can get to the machines found in the clubs "
                           "and casinos around Australia. It will return on average 87.5% ."));
        QCOMPARE(a->Label2->text(), QStringLiteral("See More Slots At :-"));
        QCOMPARE(a->Label3->cursor().hotSpot(), QPoint(13, 5));
        // A second command while it is open would stack another window over it.
        c.w->mnuabout->trigger();
        QCOMPARE(c.w->aboutWindow, a);
    }

    void aboutLinkOpensThePageOnTheLeftButtonOnly()
    {
        Cabinet c(100);
        std::vector<std::string> opened;
        c.services.openUrl = [&](const std::string &url) { opened.push_back(url); };
        c.services.projectPage = "file:///usr/share/doc/slots_tarnix/README.md";
        c.w->mnuabout->trigger();
        abouttarnix &a = *c.w->aboutWindow;
        QCOMPARE(a.Label3->text(), QStringLiteral("README.md"));
        QTest::mouseClick(a.Label3, Qt::RightButton);
        QVERIFY(opened.empty());
        QTest::mouseClick(a.Label3, Qt::LeftButton);
        QCOMPARE(opened, (std::vector<std::string> { c.services.projectPage }));
    }

    void auxiliaryWindowsGiveTheCabinetBackHoweverTheyClose_data()
    {
        QTest::addColumn<bool>("paytable");
        QTest::addColumn<bool>("button");
        QTest::newRow("about, OK") << false << true;
        QTest::newRow("about, close box") << false << false;
        QTest::newRow("pay table, Close Paytable") << true << true;
        QTest::newRow("pay table, close box") << true << false;
    }
    void auxiliaryWindowsGiveTheCabinetBackHoweverTheyClose()
    {
        QFETCH(bool, paytable);
        QFETCH(bool, button);
        Cabinet c(100);
        QWidget *window = nullptr;
        QAbstractButton *closer = nullptr;
        if (paytable) {
            c.w->pannomoney->show();
            c.w->mnuptble->trigger();
            QVERIFY(c.w->pannomoney->isHidden());
            window = c.w->paysWindow;
            closer = c.w->paysWindow->btnunloadpays;
            QCOMPARE(closer->text(), QStringLiteral("Close Paytable"));
            QCOMPARE(window->windowTitle(), QStringLiteral("TARNIX PAYTABLE"));
            QCOMPARE(window->size(), QSize(px(7515), px(5685)));
        } else {
            c.w->mnuabout->trigger();
            window = c.w->aboutWindow;
            closer = c.w->aboutWindow->cmdOK;
        }
        QVERIFY(window && window->isVisible() && !c.w->isEnabled());
        QCOMPARE(window->pos(), QPoint(0, 0));
        if (button) {
            closer->click();
        } else {
            window->close();
        }
        flushDeletes();
        QVERIFY(c.w->isEnabled());
        QVERIFY(!c.w->aboutWindow && !c.w->paysWindow);
    }

    void menusDoNothingInTheFeatureOrWhileAGameRuns()
    {
        Cabinet c(1000);
        startFeature(c);
        QVERIFY(c.w->state.freespins >= 1);
        c.sound.played.clear();
        c.w->mnuabout->trigger();
        c.w->mnuptble->trigger();
        c.w->mnuplayer->trigger();
        QVERIFY(c.sound.played.empty() && c.w->isEnabled());
        QVERIFY(!c.w->aboutWindow && !c.w->paysWindow && !c.w->optionsWindow);

        Cabinet d(1000);
        d.script(blankWindow());
        d.rng.keep();
        bool opened = false;
        d.pacing.onSleep = [&] {
            d.w->mnuabout->trigger();
            d.w->mnuplayer->trigger();
            opened = opened || d.w->aboutWindow || d.w->optionsWindow;
        };
        d.w->play(1)->click();
        QVERIFY(!opened && d.w->isEnabled());
    }

    void everySettledGameIsSaved()
    {
        Cabinet c(1000);
        const int win = playWin(c);
        QCOMPARE(c.saved.bank, 975 + win);
        QCOMPARE(c.saved.games, 1);
        QCOMPARE(c.ends, 0);
        startFeature(c);
        const Money afterTrigger = c.player.bank;
        QCOMPARE(c.saved.bank, afterTrigger);
        playFreeGame(c, blankWindow());
        QCOMPARE(c.saved.bank, c.player.bank);
        QCOMPARE(c.ends, 0);
    }

    void collectAndGambleEndingsAreSaved()
    {
        Cabinet c(1000);
        startFeature(c);
        playFreeGame(c, winningWindow());
        for (int i = 2; i <= 10; ++i) {
            playFreeGame(c, blankWindow());
        }
        QVERIFY(c.w->takewin->isVisible());
        const Money meter = c.w->state.winmeter;
        c.w->takewin->click();
        QCOMPARE(c.saved.bank, 975 + meter);

        c.w->doublebutton->click(); // the collect is the stake
        QCOMPARE(c.saved.bank, 975 + meter);
        c.rng.pick(kHearts, 4);
        c.w->pandouble->betred->click();
        c.w->pandouble->cancelbet->click();
        QCOMPARE(c.saved.bank, 975 + 2 * meter);

        playWin(c);
        const Money withWin = c.player.bank;
        c.w->doublebutton->click();
        c.rng.pick(kSpades, 4);
        c.w->pandouble->betred->click(); // lost
        QCOMPARE(c.saved.bank, c.player.bank);
        QVERIFY(c.saved.bank < withWin);
        QCOMPARE(c.ends, 0);
    }

    void quittingMidFeaturePlaysTheFreeGamesItOwes_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("exit menu") << 0;
        QTest::newRow("close box") << 1;
        QTest::newRow("session end") << 2;
        // From outside, given as the signal's negative: a closed terminal, a logout, Ctrl+C.
        QTest::newRow("SIGHUP") << -SIGHUP;
        QTest::newRow("SIGTERM") << -SIGTERM;
        QTest::newRow("SIGINT") << -SIGINT;
    }
    void quittingMidFeaturePlaysTheFreeGamesItOwes()
    {
        QFETCH(int, way);
        Cabinet c(1000);
        startFeature(c);
        playFreeGame(c, winningWindow());
        const Money meter = c.w->state.winmeter;
        QVERIFY(c.w->state.freespinsdone < c.w->state.freespins);
        QCOMPARE(c.player.bank, 1000); // every counted game got its stake back
        // The nine games still owed, one of them a win, drawn from the cabinet's own source.
        for (int i = 3; i <= 11; ++i) {
            c.script(i == 7 ? winningWindow() : blankWindow());
            c.rng.multiplierDraw(25).keep();
        }
        const int win = evaluateWindow(winningWindow(), 25).lineUnits;
        const auto sounds = c.sound.played.size();
        if (way == 0) {
            c.w->mnuexit->trigger();
        } else if (way == 1) {
            c.w->close();
        } else if (way == 2) {
            c.w->sessionEnding();
        } else {
            // Wired as the game wires it; a signal without its handler would end the test.
            QuitSignals quit([&c] { c.w->mnuexit_Click(); });
            QVERIFY(::raise(-way) == 0);
            QCoreApplication::processEvents();
        }
        QCOMPARE(c.ends, 1);
        QCOMPARE(c.rng.left(), std::size_t(0));
        QVERIFY(!c.rng.exhausted);
        QCOMPARE(c.saved.bank, 1000 - 25 + meter + win);
        QCOMPARE(c.saved.games, 1);
        QCOMPARE(c.saved.wager, 25);
        QCOMPARE(c.w->state.freespins, Short(0));
        // Played without their animation or sounds: only the exit's click is heard.
        QCOMPARE(c.sound.played.size(), sounds + 1);
    }

    void quittingWithTheGambleOpenGivesBackTheStake()
    {
        Cabinet c(1000);
        const int win = playWin(c);
        c.w->doublebutton->click();
        QVERIFY(c.w->pandouble->isVisible());
        c.rng.pick(kHearts, 4);
        c.w->pandouble->betred->click(); // won: the stake doubles
        c.w->close(); // the close box
        QCOMPARE(c.ends, 1);
        QCOMPARE(c.saved.bank, 975 + 2 * win);
        QCOMPARE(c.saved.total, 2 * win);
    }

    void quitDuringADrawWaitsForTheCard()
    {
        Cabinet c(1000);
        const int win = playWin(c);
        c.w->doublebutton->click();
        c.rng.pick(kClubs, 4);
        int endsDuringDraw = -1;
        c.pacing.onSleep = [&] {
            c.w->mnuexit_Click(); // as a SIGTERM would arrive
            if (endsDuringDraw < 0) {
                endsDuringDraw = c.ends;
            }
        };
        c.w->pandouble->betred->click(); // lost
        QCOMPARE(endsDuringDraw, 0);
        QCOMPARE(c.ends, 1);
        QCOMPARE(c.saved.bank, 975); // the lost stake stays lost, nothing is paid twice
        Q_UNUSED(win);
    }

    void sessionEndLeavesLikeTheExitCommand()
    {
        Cabinet c(1000);
        const int win = playWin(c);
        c.w->doublebutton->click();
        c.w->sessionSaving(); // the stake is out: the record after the game is the better one
        QCOMPARE(c.saved.bank, 975 + win);
        c.w->sessionEnding();
        QCOMPARE(c.ends, 1);
        QCOMPARE(c.saved.bank, 975 + win);
        QCOMPARE(c.sound.played.back(), 124);
        c.w->sessionEnding();
        QCOMPARE(c.ends, 1);
    }
};

QTEST_MAIN(MenusAndQuit)
#include "test_menus_and_quit.moc"
