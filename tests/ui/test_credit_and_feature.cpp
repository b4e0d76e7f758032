// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Coins, quick and zero credit, the space bar, and a whole feature through to its collect.
#include "rules/money_room.hpp"
#include "support/cabinet.hpp"

#include <QTest>
#include <limits>

using namespace slot;
using namespace slot::test;

constexpr const char *kLimitBox = "Slots_Tarnix|Sorry... You've reached the limit, \n"
                                  "Please lose some more first\n(Shouldn't take long !!!)";
constexpr long long kMax = std::numeric_limits<Money>::max();

class CreditAndFeature : public QObject
{
    Q_OBJECT

    static void playFreeGame(Cabinet &c, const Stops &s, bool trigger = false)
    {
        c.countOut();
        QVERIFY(c.w->Timerrespin->isActive());
        c.script(s);
        c.rng.multiplierDraw(25).keep();
        if (trigger) {
            c.rng.tune(1);
        }
        c.w->Timerrespin_Timer();
    }

private slots:
    void coinsAndLines()
    {
        Cabinet c(0);
        c.w->pannomoney->show();
        c.w->COINSIN->click();
        QCOMPARE(c.player.bank, 20);
        QCOMPARE(c.player.amountinvested, 20);
        QCOMPARE(c.w->PANELBANK->text(), QStringLiteral("20"));
        QVERIFY(c.w->pannomoney->isHidden());
        c.w->payline(1)->click();
        QCOMPARE(c.w->state.linesplayed, Short(1));
        QCOMPARE(c.w->state.blink, Short(16));
    }

    // Money put in or given up is stored by the command itself, not only with the next game.
    void creditCommandsStoreTheRecordAtOnce()
    {
        Cabinet c(45000);
        c.w->COINSIN->click();
        c.w->COINSIN->click();
        QCOMPARE(c.saved.bank, 45040);
        QCOMPARE(c.saved.amountinvested, 40);
        c.player.bank = 40000;
        c.w->mnuquickcredit->trigger();
        QCOMPARE(c.saved.bank, 45000);
        QCOMPARE(c.saved.amountinvested, 5040);
        c.w->mnuzerocredit->trigger();
        QCOMPARE(c.saved.bank, 0);
        QCOMPARE(c.saved.amountinvested, 5040 - 45000);
    }

    // A coin is taken whole or not at all: the credit and the amount invested move together.
    void aCoinAtTheTopOfTheRangeChangesNothing_data()
    {
        QTest::addColumn<int>("bank");
        QTest::addColumn<int>("invested");
        QTest::addColumn<bool>("taken");
        QTest::newRow("credit one coin short of the top") << 2147483627 << 0 << true;
        QTest::newRow("credit at the top") << 2147483647 << 0 << false;
        QTest::newRow("credit 19 below the top") << 2147483628 << 0 << false;
        QTest::newRow("amount invested at the top") << 100 << 2147483640 << false;
    }
    void aCoinAtTheTopOfTheRangeChangesNothing()
    {
        QFETCH(int, bank);
        QFETCH(int, invested);
        QFETCH(bool, taken);
        Cabinet c(bank);
        c.player.amountinvested = invested;
        c.saved.bank = -1;
        c.w->COINSIN->click();
        QCOMPARE(c.player.bank, taken ? bank + 20 : bank);
        QCOMPARE(c.player.amountinvested, taken ? invested + 20 : invested);
        QCOMPARE(c.w->PANELBANK->text(), QString::number(c.player.bank));
        QCOMPARE(c.saved.bank, taken ? bank + 20 : -1); // nothing changed, nothing to store
        // A refused coin says so, in Quick Credit's words.
        QCOMPARE(c.messages.size(), std::size_t(taken ? 0 : 1));
        if (!taken) {
            QCOMPARE(c.messages[0], std::string(kLimitBox));
        }
        if (bank <= 45000) {
            c.w->mnuquickcredit->trigger();
            QCOMPARE(c.player.bank, bank);
            QCOMPARE(c.player.amountinvested, invested);
            QCOMPARE(c.messages.back(), std::string(kLimitBox));
        }
    }

    void quickCreditLimit_data()
    {
        QTest::addColumn<int>("bank");
        QTest::addColumn<int>("after");
        QTest::addColumn<bool>("refused");
        QTest::newRow("45000") << 45000 << 50000 << false;
        QTest::newRow("45001") << 45001 << 45001 << true;
        QTest::newRow("60000 from coins") << 60000 << 60000 << true;
    }
    void quickCreditLimit()
    {
        QFETCH(int, bank);
        QFETCH(int, after);
        QFETCH(bool, refused);
        Cabinet c(bank);
        c.w->mnuquickcredit->trigger();
        QCOMPARE(c.player.bank, after);
        QCOMPARE(c.player.amountinvested, refused ? 0 : 5000);
        QCOMPARE(c.sound.played, (std::vector<int> { 124 }));
        QCOMPARE(c.messages.size(), std::size_t(refused ? 1 : 0));
        if (refused) {
            QCOMPARE(c.messages[0], std::string(kLimitBox));
            QCOMPARE(c.w->PANELBANK->text(), QString::number(bank));
        }
    }

    // Above the ceiling the game is refused with the limit box and nothing moves; at it the
    // game is played and its win is all in the credit, as Recall and the statistics say.
    void aGamePastTheCeilingIsRefusedWithTheLimitBox()
    {
        const Stops s = *findWindow([](const Stops &w) {
            return noWildIn(w) && evaluateWindow(w, 25).scatters == 0
                && evaluateWindow(w, 25).lineUnits > 0;
        });
        MainState bet;
        bet.linesplayed = 25;
        bet.betperline = 1;
        const auto ceiling = static_cast<Money>(kMax - largestReach(bet));
        Cabinet c(ceiling + 1);
        c.w->play(1)->click();
        QCOMPARE(c.messages,
            (std::vector<std::string> { "Slots_Tarnix|Sorry... You've reached the limit, \n"
                                        "A win at this bet could not fit in the credit\n"
                                        "(Bet less, or use Zero Credit)" }));
        QCOMPARE(c.player.bank, ceiling + 1);
        QCOMPARE(c.player.games, 0);
        QCOMPARE(c.player.wager, 0);
        QVERIFY(c.w->play(1)->isEnabled() && c.w->COINSIN->isEnabled());
        QCOMPARE(c.services.recall->session(1).paidGames, 0);

        c.player.total = kMax - 1000; // Total Won is nearly full too
        c.w->play(1)->click();
        QCOMPARE(c.messages.back(),
            std::string("Slots_Tarnix|Sorry... You've reached the limit, \n"
                        "This player's statistics are full\n"
                        "(Delete the player's details in Options)"));
        c.player.total = 0;

        c.player.bank = ceiling;
        c.script(s);
        c.rng.keep();
        c.w->play(1)->click();
        QCOMPARE(c.messages.size(), std::size_t(2));
        const Money win = c.w->state.thiswin;
        QVERIFY(win > 0);
        QCOMPARE(c.player.bank, ceiling - 25 + win);
        QCOMPARE(c.services.recall->session(1).net(), static_cast<long long>(win) - 25);
        QCOMPARE(c.player.total - c.player.wager, win - 25);
    }

    // A retrigger whose games could win more than the credit can hold is not added, and the
    // player hears why when the feature is collected.
    void aRefusedRetriggerIsToldAtTheCollect()
    {
        Cabinet c(1000);
        c.script(scatterWindow(3));
        c.rng.keep().tune(1);
        c.w->play(1)->click();
        // One credit more than the 20 games a retrigger would leave could win (24,300 each).
        c.player.bank = static_cast<Money>(kMax - 20LL * 24300 - 250 + 1);
        const Money bank = c.player.bank;
        playFreeGame(c, scatterWindow(3));
        QCOMPARE(c.w->state.freespins, Short(11));
        for (int i = 2; i <= 10; ++i) {
            playFreeGame(c, blankWindow());
        }
        QVERIFY(c.messages.empty());
        c.w->takewin->click();
        QCOMPARE(c.player.bank, bank - 25 + 250);
        QCOMPARE(c.messages,
            (std::vector<std::string> { "Slots_Tarnix|Sorry... You've reached the limit, \n"
                                        "Scatters could not add free games in this feature\n"
                                        "(What they might win would not fit in the credit)" }));
        QCOMPARE(c.rng.left(), std::size_t(0));
    }

    void zeroCreditGivesUpTheCreditAndTheGamble()
    {
        const Stops s = *findWindow([](const Stops &w) {
            return noWildIn(w) && evaluateWindow(w, 25).scatters == 0
                && evaluateWindow(w, 25).lineUnits > 0;
        });
        Cabinet c(1259);
        c.script(s);
        c.rng.keep();
        c.w->play(1)->click();
        QVERIFY(c.w->doublebutton->isEnabled());
        c.player.bank = 1234;
        c.player.amountinvested = 2000;
        c.w->mnuzerocredit->trigger();
        QCOMPARE(c.player.bank, 0);
        QCOMPARE(c.player.amountinvested, 766);
        QCOMPARE(c.w->Lblcredit->text(), QStringLiteral("$ 0"));
        QVERIFY(!c.w->doublebutton->isEnabled());
    }

    void spaceBeforeAnyBetDoesNothingAndBlocksKeys()
    {
        Cabinet c(1000);
        QTest::keyClick(c.w->play(1), Qt::Key_Space);
        QCOMPARE(c.w->state.keyguard, Short(1));
        QCOMPARE(c.player.games, 0);
        QTest::keyClick(c.w->play(1), Qt::Key_Space);
        QCOMPARE(c.player.games, 0); // ignored until a bet button has played a game
        QVERIFY(!c.rng.exhausted);
    }

    // The guard counts the space that found no bet; a bet refused for credit is no game, so
    // once coins make the stake good the next space is still held, until a game is played.
    void keyGuardHoldsTheSecondSpaceAfterARefusedBet()
    {
        Cabinet c(24);
        QTest::keyClick(c.w->play(1), Qt::Key_Space);
        QCOMPARE(c.w->state.keyguard, Short(1));
        c.w->play(1)->click(); // 25 lines at 1: refused, but the bet is now 1
        QVERIFY(c.w->pannomoney->isVisible());
        QCOMPARE(c.w->state.betperline, Short(1));
        c.w->COINSIN->click();
        c.w->COINSIN->click();
        QCOMPARE(c.player.bank, 64);
        QTest::keyClick(c.w->play(1), Qt::Key_Space);
        QCOMPARE(c.w->state.keyguard, Short(2));
        QCOMPARE(c.player.games, 0);
        QCOMPARE(c.player.bank, 64);
        QVERIFY(!c.rng.exhausted);

        c.script(blankWindow());
        c.rng.keep();
        c.w->play(1)->click();
        QCOMPARE(c.w->state.keyguard, Short(0));
        c.script(blankWindow());
        c.rng.keep();
        QTest::keyClick(c.w->play(1), Qt::Key_Space);
        QCOMPARE(c.player.games, 2);
        QCOMPARE(c.rng.left(), std::size_t(0));
    }

    void spaceRepeatsTheLastBet()
    {
        Cabinet c(1000);
        c.script(blankWindow());
        c.rng.keep();
        c.w->play(4)->click();
        c.w->payline(4)->click(); // 20 lines at 5 a line: 100
        c.player.bank = 99;
        c.sound.played.clear();
        QTest::keyClick(c.w->play(1), Qt::Key_Space);
        QCOMPARE(c.sound.played, (std::vector<int> { 125 }));
        QVERIFY(c.w->pannomoney->isVisible());
        QCOMPARE(c.player.games, 1);

        c.player.bank = 100;
        c.script(blankWindow());
        c.rng.keep();
        QTest::keyClick(c.w->play(1), Qt::Key_Space);
        QCOMPARE(c.player.games, 2);
        QCOMPARE(c.player.bank, 0);
        QCOMPARE(c.w->state.keyguard, Short(0));
        QCOMPARE(c.rng.left(), std::size_t(0));
    }

    // Three scatters: one stake, eleven counted games, one game in the statistics.
    void wholeFeatureToTheCollect()
    {
        Cabinet c(1000);
        c.player.games = 5;
        c.script(scatterWindow(3));
        c.rng.keep().tune(1);
        c.w->play(1)->click();
        QCOMPARE(c.sound.looped, (std::vector<int> { 117 }));
        for (int i = 1; i <= 10; ++i) {
            playFreeGame(c, blankWindow());
        }
        QCOMPARE(c.w->spinsleft->text(), QStringLiteral("Freespins Completed          "));
        QVERIFY(c.w->takewin->isVisible() && c.w->takewin->isEnabled());
        QVERIFY(!c.w->Timerwincounter->isActive() && !c.w->Timerrespin->isActive());
        QCOMPARE(c.player.bank, 975);
        QCOMPARE(c.player.games, 6);
        QCOMPARE(c.sound.looped.size(), std::size_t(1)); // no sound interrupts the tune

        c.mnuMenusDoNothingInTheFeature();
        c.w->takewin->click();
        QCOMPARE(c.player.bank, 1100);
        QCOMPARE(c.w->LABWIN->text(), QStringLiteral("125"));
        QCOMPARE(c.w->state.lastcollect, 125);
        QCOMPARE(c.sound.played.back(), 110);
        QVERIFY(c.w->play(1)->isVisible() && c.w->COINSIN->isVisible()
            && c.w->doublebutton->isEnabled());
        QVERIFY(c.w->takewin->isHidden() && c.w->spinsleft->isHidden());
        QVERIFY(c.w->keyPreview());
        QCOMPARE(c.rng.left(), std::size_t(0));
    }

    void retriggerInTheFifthFreeGame()
    {
        Cabinet c(1000);
        c.script(scatterWindow(3));
        c.rng.keep().tune(1);
        c.w->play(1)->click();
        for (int i = 1; i <= 4; ++i) {
            playFreeGame(c, blankWindow());
        }
        playFreeGame(c, scatterWindow(4), true);
        QCOMPARE(c.w->state.freespins, Short(32));
        QCOMPARE(c.w->state.freespinsdone, Short(6));
        QCOMPARE(c.w->spinsleft->text(), QStringLiteral("     Freespins Remaining  26"));
        QCOMPARE(c.sound.count(105), 1);
    }
};

QTEST_MAIN(CreditAndFeature)
#include "test_credit_and_feature.moc"
