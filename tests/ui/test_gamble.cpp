// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The double-up on the real cabinet: opening on a win or a collect, draws, endings, TAKE WIN.
#include "display/twips.hpp"
#include "gamble/double_panel.hpp"
#include "gamble/gamble_rules.hpp"
#include "support/cabinet.hpp"

#include <QKeyEvent>
#include <QTest>
#include <limits>

using namespace slot;
using namespace slot::test;

namespace
{

bool plainWindow(const Stops &s)
{
    for (int reel = 1; reel <= kReels; ++reel) {
        if (showsIn(s, reel, kWild) || showsIn(s, reel, kScatter)) {
            return false;
        }
    }
    return true;
}

struct WinningGame {
    Stops stops {};
    int button = 0;
};

// A paid game at 25 lines that wins exactly win, with nothing held or triggered.
WinningGame gameWinning(int win)
{
    for (int button = 1; button <= 6; ++button) {
        const int bet = tables::betPerButton[static_cast<std::size_t>(button)];
        if (win % bet != 0) {
            continue;
        }
        const auto s = findWindow([units = win / bet](const Stops &w) {
            return plainWindow(w) && evaluateWindow(w, kLines).lineUnits == units;
        });
        if (s) {
            return { *s, button };
        }
    }
    qFatal("no game wins %d", win);
}

const WinningGame &win150()
{
    static const WinningGame g = gameWinning(150);
    return g;
}

void playWin(Cabinet &c, const WinningGame &g = win150())
{
    c.script(g.stops);
    c.rng.keep();
    c.w->play(g.button)->click();
}

// Plays a game that wins 150 and opens the gamble on it.
DoublePanel &openOn150(Cabinet &c)
{
    playWin(c);
    c.w->doublebutton->click();
    return *c.w->pandouble;
}

bool allEnabled(const auto &row, bool enabled)
{
    bool all = true;
    row.each([&](QWidget *b) { all = all && b->isEnabled() == enabled; });
    return all;
}

QString risk(int amount)
{
    return QStringLiteral("At Risk  ") + QString::number(amount);
}

void checkAmounts(const DoublePanel &g, int atrisk)
{
    QCOMPARE(g.risklab->text(), risk(atrisk));
    QCOMPARE(
        g.lblblackred->text(), QStringLiteral("Black/Red Win = ") + QString::number(2 * atrisk));
    QCOMPARE(g.lblsuit->text(), QStringLiteral("Suit Win = ") + QString::number(4 * atrisk));
}

} // namespace

class Gamble : public QObject
{
    Q_OBJECT
private slots:
    void openingStakesTheWinAndFreezesTheCabinet()
    {
        Cabinet c(10000);
        playWin(c);
        const Money bankWithWin = c.player.bank;
        const Money total = c.player.total;
        c.sound.played.clear();
        c.w->flasher(4)->show();
        c.w->doublebutton->click();
        DoublePanel &g = *c.w->pandouble;
        QVERIFY(g.isVisible());
        checkAmounts(g, 150);
        QVERIFY(g.lblblackred->isVisible() && g.lblsuit->isVisible());
        QCOMPARE(c.w->LABWIN->text(), QStringLiteral("150"));
        QCOMPARE(c.w->lblwin->text(), QStringLiteral("$ 1.5"));
        QCOMPARE(c.player.bank, bankWithWin - 150);
        QCOMPARE(c.player.total, total);
        QCOMPARE(c.w->PANELBANK->text(), QString::number(bankWithWin - 150));
        QCOMPARE(c.sound.played, (std::vector<int> { 124 }));
        QCOMPARE(g.piccardholder->pictureIndex(), 5);
        g.suitbet.each([](PictureButton *b) { QVERIFY(!b->face().isNull()); });
        QVERIFY(g.gamblewin->isHidden() && g.gamblelose->isHidden());
        QVERIFY(c.w->flasher(4)->isHidden());
        QVERIFY(!c.w->Timer1->isActive() && !c.w->Timerwincounter->isActive());
        QVERIFY(!c.w->doublebutton->isEnabled() && !c.w->COINSIN->isEnabled());
        QVERIFY(allEnabled(c.w->play, false) && allEnabled(c.w->payline, false));
        QVERIFY(g.betred->isEnabled() && g.betblack->isEnabled() && g.cancelbet->isEnabled());
        QVERIFY(allEnabled(g.suitbet, true));
        QVERIFY(!c.w->keyPreview());
        QCOMPARE(c.w->state.lastcollect, 0);
        // Leaving now takes the win, as TAKE WIN would: the stake is not lost on the way out.
        c.w->mnuexit->trigger();
        QCOMPARE(c.ends, 1);
        QCOMPARE(c.saved.bank, bankWithWin);
    }

    void takeWinStraightAfterOpeningGivesBackTheStake()
    {
        Cabinet c(10000);
        playWin(c);
        const Money bank = c.player.bank;
        const Money total = c.player.total;
        DoublePanel &g = *c.w->pandouble;
        c.w->doublebutton->click();
        c.sound.played.clear();
        g.cancelbet->click();
        QVERIFY(g.isHidden());
        QCOMPARE(c.player.bank, bank);
        QCOMPARE(c.player.total, total);
        QCOMPARE(c.sound.played, (std::vector<int> { 107 }));
        QCOMPARE(c.w->LABWIN->text(), QStringLiteral("150"));
        QCOMPARE(c.w->lblwin->text(), QStringLiteral("$ 1.5"));
        QCOMPARE(c.w->PANELBANK->text(), QString::number(bank));
        QVERIFY(allEnabled(c.w->play, true) && allEnabled(c.w->payline, true));
        QVERIFY(c.w->COINSIN->isEnabled() && c.w->keyPreview());
        // The same amount cannot be gambled twice.
        QVERIFY(!c.w->doublebutton->isEnabled());
        c.w->doublebutton->click();
        QVERIFY(g.isHidden());
        QCOMPARE(c.player.bank, bank);
    }

    void wonDrawsMultiplyTheStakeWithTheirSound_data()
    {
        QTest::addColumn<int>("button"); // 0 red, -1 black, 1..4 the suit
        QTest::addColumn<int>("card");
        QTest::addColumn<int>("atrisk");
        QTest::addColumn<int>("sound");
        QTest::newRow("red on diamonds") << 0 << kDiamonds << 300 << 108;
        QTest::newRow("red on hearts") << 0 << kHearts << 300 << 108;
        QTest::newRow("black on clubs") << -1 << kClubs << 300 << 103;
        QTest::newRow("hearts") << 1 << kHearts << 600 << 112;
        QTest::newRow("clubs") << 2 << kClubs << 600 << 111;
        QTest::newRow("diamonds") << 3 << kDiamonds << 600 << 111;
        QTest::newRow("spades") << 4 << kSpades << 600 << 107;
    }
    void wonDrawsMultiplyTheStakeWithTheirSound()
    {
        QFETCH(int, button);
        QFETCH(int, card);
        QFETCH(int, atrisk);
        QFETCH(int, sound);
        Cabinet c(10000);
        DoublePanel &g = openOn150(c);
        const Money bank = c.player.bank;
        std::vector<int> bannerTops;
        c.pacing.onSleep = [&] { bannerTops.push_back(g.gamblewin->y()); };
        c.sound.played.clear();
        c.rng.pick(card, 4);
        (button == 0 ? g.betred : button < 0 ? g.betblack : g.suitbet(button))->click();
        QCOMPARE(c.sound.played, (std::vector<int> { 124, sound }));
        QCOMPARE(c.w->state.atrisk, atrisk);
        checkAmounts(g, atrisk);
        QCOMPARE(g.piccardholder->pictureIndex(), card);
        // The banner travels down the panel and rests at the bottom.
        QCOMPARE(bannerTops.front(), px(10));
        QCOMPARE(bannerTops.back(), px(5000));
        QVERIFY(g.gamblewin->isVisible());
        QCOMPARE(g.gamblewin->pos(), QPoint(px(700), px(5000)));
        QVERIFY(g.isVisible() && g.cancelbet->isEnabled() && g.betred->isEnabled());
        QCOMPARE(c.player.bank, bank);
        QCOMPARE(c.w->LABWIN->text(), QStringLiteral("150"));
        // The next draw takes the banner away before its card is shown.
        bool bannerGone = false;
        c.pacing.onProcessEvents = [&] { bannerGone = g.gamblewin->isHidden(); };
        c.rng.pick(kClubs, 4);
        g.suitbet(2)->click();
        QVERIFY(bannerGone);
    }

    void colourThenSuitThenTakeWinPaysTheResult()
    {
        Cabinet c(10000);
        DoublePanel &g = openOn150(c);
        const Money bank = c.player.bank;
        const Money total = c.player.total;
        c.rng.pick(kHearts, 4).pick(kSpades, 4);
        g.betred->click();
        g.suitbet(4)->click();
        QCOMPARE(c.w->state.atrisk, 1200);
        g.cancelbet->click();
        QCOMPARE(c.player.bank, bank + 1200);
        QCOMPARE(c.player.total, total - 150 + 1200);
        QCOMPARE(c.w->LABWIN->text(), QStringLiteral("1200"));
        QCOMPARE(c.w->lblwin->text(), QStringLiteral("$ 1.5"));
    }

    // Only the suit bet's loss clears the dollars of the stake.
    void lostDrawPausesThenClosesThePanel_data()
    {
        QTest::addColumn<bool>("suit");
        QTest::addColumn<QString>("lblwin");
        QTest::newRow("red on clubs") << false << QStringLiteral("$ 1.5");
        QTest::newRow("hearts on spades") << true << QStringLiteral(" ");
    }
    void lostDrawPausesThenClosesThePanel()
    {
        QFETCH(bool, suit);
        QFETCH(QString, lblwin);
        Cabinet c(10000);
        DoublePanel &g = openOn150(c);
        const Money bank = c.player.bank;
        const Money total = c.player.total;
        c.sound.played.clear();
        c.rng.pick(suit ? kSpades : kClubs, 4);
        bool paused = false;
        long long before = 0;
        c.pacing.onSleep = [&] {
            if (c.pacing.sleptMs - before == 3000) {
                paused = true;
                QVERIFY(g.isVisible() && g.gamblelose->isVisible());
                QCOMPARE(g.gamblelose->pos(), QPoint(px(700), px(5000)));
                QCOMPARE(g.risklab->text(), QStringLiteral("No Win  "));
                QVERIFY(g.lblblackred->isHidden() && g.lblsuit->isHidden());
                QVERIFY(!g.betred->isEnabled() && !g.cancelbet->isEnabled());
                QCOMPARE(g.piccardholder->pictureIndex(), suit ? kSpades : kClubs);
            }
            before = c.pacing.sleptMs;
        };
        (suit ? g.suitbet(1) : g.betred)->click();
        QVERIFY(paused);
        QVERIFY(g.isHidden());
        QCOMPARE(c.sound.played, (std::vector<int> { 124, 125 }));
        QCOMPARE(c.w->LABWIN->text(), QStringLiteral("No Win"));
        QCOMPARE(c.w->lblwin->text(), lblwin);
        QCOMPARE(c.player.bank, bank);
        QCOMPARE(c.player.total, total - 150); // nothing won, as the credit already shows
        QCOMPARE(c.w->PANELBANK->text(), QString::number(bank));
        QVERIFY(!c.w->doublebutton->isEnabled());
        QVERIFY(allEnabled(c.w->play, true) && allEnabled(c.w->payline, true));
        QVERIFY(c.w->COINSIN->isEnabled() && c.w->keyPreview());
    }

    // Keys typed during a draw or the pause after a loss wait in the queue until the panel
    // has gone; they must neither start a paid game then nor press a button of the panel.
    void keysTypedAtALostGambleStartNoGame()
    {
        Cabinet c(10000);
        DoublePanel &g = openOn150(c);
        const Money bank = c.player.bank;
        const Money games = c.player.games;
        const auto space = [&] {
            QCoreApplication::postEvent(c.w.get(),
                new QKeyEvent(
                    QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" ")));
        };
        // A focused button of the panel takes no key either: the draw is the mouse's.
        g.betred->setFocus();
        QTest::keyClick(g.betred, Qt::Key_Space);
        QCOMPARE(c.w->state.historycount, Short(0));
        c.pacing.onSleep = space;
        c.pacing.onProcessEvents = [&] {
            space();
            QCoreApplication::sendPostedEvents();
        };
        c.rng.pick(kHearts, 4);
        g.betred->click(); // won: the panel stays, with keys queued behind the slide
        QCoreApplication::processEvents();
        QVERIFY(g.isVisible());
        c.rng.pick(kClubs, 4);
        g.betred->click(); // lost
        c.pacing.onSleep = nullptr;
        c.pacing.onProcessEvents = nullptr;
        QCoreApplication::processEvents();
        QVERIFY(g.isHidden());
        QCOMPARE(c.player.games, games);
        QCOMPARE(c.player.bank, bank);
        QVERIFY(!c.rng.exhausted);
        QCOMPARE(c.w->state.keyguard, Short(0));

        // The keys are back once the panel has gone.
        c.script(blankWindow());
        c.rng.keep();
        space();
        QCoreApplication::processEvents();
        QCOMPARE(c.player.games, games + 1);
    }

    // Five cells show the last five cards, newest on the right, across gambles.
    void historyStripAfterTheFirstSixthAndEleventhDraw()
    {
        Cabinet c(100000);
        DoublePanel &g = openOn150(c);
        auto placeOf = [&](int cell) { return g.historypic(cell)->x(); };
        auto place = [](int p) { return px(360 + 600 * (p - 1)); };

        c.rng.pick(kHearts, 4);
        g.suitbet(1)->click();
        QVERIFY(g.historypic(1)->isVisible());
        QCOMPARE(placeOf(1), place(1));
        QCOMPARE(g.historypic(1)->pictureIndex(), kHearts + 5);
        for (int k = 2; k <= 5; ++k) {
            QVERIFY(g.historypic(k)->isHidden());
        }
        for (int card : { kClubs, kDiamonds, kSpades, kClubs }) {
            c.rng.pick(card, 4);
            g.suitbet(card)->click();
        }
        c.rng.pick(kDiamonds, 4);
        g.betblack->click(); // the sixth draw loses and ends this gamble
        QVERIFY(g.isHidden());
        const int order6[] = { 2, 3, 4, 5, 1 };
        const int cards6[] = { kClubs, kDiamonds, kSpades, kClubs, kDiamonds };
        for (int p = 1; p <= 5; ++p) {
            QCOMPARE(placeOf(order6[p - 1]), place(p));
            QCOMPARE(g.historypic(order6[p - 1])->pictureIndex(), cards6[p - 1] + 5);
            QCOMPARE(g.historypic(order6[p - 1])->y(), px(3960));
        }

        playWin(c);
        c.w->doublebutton->click();
        for (int card : { kHearts, kHearts, kSpades, kDiamonds, kClubs }) {
            c.rng.pick(card, 4);
            g.suitbet(card)->click();
        }
        QCOMPARE(c.w->state.historycount, Short(6));
        const int cards11[] = { kHearts, kHearts, kSpades, kDiamonds, kClubs };
        for (int p = 1; p <= 5; ++p) {
            QCOMPARE(placeOf(order6[p - 1]), place(p));
            QCOMPARE(g.historypic(order6[p - 1])->pictureIndex(), cards11[p - 1] + 5);
            QVERIFY(g.historypic(p)->isVisible());
        }
    }

    // A click queued while a card is drawn arrives at the draw's event points.
    void clicksQueuedDuringADrawAreIgnored()
    {
        Cabinet c(10000);
        DoublePanel &g = openOn150(c);
        const Money bank = c.player.bank;
        auto queued = [&] {
            g.cancelbet->press();
            g.betred->press();
            g.betblack->press();
            g.suitbet.each([](PictureButton *b) { b->press(); });
        };
        c.pacing.onProcessEvents = queued;
        c.rng.pick(kHearts, 4);
        g.betred->click();
        QCOMPARE(c.w->state.atrisk, 300);
        QCOMPARE(c.w->state.historycount, Short(1));
        QCOMPARE(c.player.bank, bank);
        QVERIFY(g.isVisible());

        c.rng.pick(kClubs, 4);
        g.betred->click(); // lost: its own event point comes with the suit buttons still on
        QCOMPARE(c.w->state.historycount, Short(2));
        QVERIFY(!c.rng.exhausted);
        QVERIFY(g.isHidden());
        QCOMPARE(c.player.bank, bank);
        QCOMPARE(c.sound.count(125), 1);
    }

    // The offer comes on inside the game; a click on it queued during the spin must not open
    // the panel while the game still has the bet buttons to switch back on.
    void doubleUpQueuedDuringTheGameDoesNotOpen()
    {
        Cabinet c(10000);
        c.pacing.onProcessEvents = [&] { c.w->doublebutton->press(); };
        playWin(c);
        QVERIFY(c.w->pandouble->isHidden());
        QVERIFY(c.w->doublebutton->isEnabled());
        c.pacing.onProcessEvents = nullptr;
        c.w->doublebutton->click();
        QVERIFY(c.w->pandouble->isVisible());
        QVERIFY(allEnabled(c.w->play, false));
    }

    void stakeFromACollectIsTheWinMeter()
    {
        Cabinet c(1000);
        c.script(scatterWindow(3));
        c.rng.keep().tune(1);
        c.w->play(1)->click();
        const Stops lastWin = *findWindow([](const Stops &w) {
            return plainWindow(w) && evaluateWindow(w, kLines).lineUnits > 0;
        });
        for (int i = 1; i <= 10; ++i) {
            c.countOut();
            c.script(i == 10 ? lastWin : blankWindow());
            c.rng.multiplierDraw(25).keep();
            c.w->Timerrespin_Timer();
        }
        c.w->takewin->click();
        const Money collected = c.w->state.lastcollect;
        const Money bank = c.player.bank;
        const Money total = c.player.total;
        QVERIFY(c.w->state.thiswin > 0 && c.w->state.thiswin != collected);
        c.w->doublebutton->click();
        QCOMPARE(c.w->state.atrisk, collected);
        QCOMPARE(c.w->state.lastcollect, 0);
        QCOMPARE(c.player.bank, bank - collected);
        QCOMPARE(c.w->pandouble->risklab->text(), risk(collected));
        c.rng.pick(kDiamonds, 4);
        c.w->pandouble->betred->click();
        c.w->pandouble->cancelbet->click();
        QCOMPARE(c.player.bank, bank + collected);
        // The feature's wins are counted once: the gamble adds only what it won.
        QCOMPARE(c.player.total, total + collected);
    }

    void betsThatCouldOverflowTheCreditAreOff()
    {
        constexpr Money kMax = std::numeric_limits<Money>::max();
        Cabinet c(10000);
        playWin(c);
        c.player.bank = kMax - 300 + 150; // 300 once the stake of 150 is out
        c.w->doublebutton->click();
        DoublePanel &g = *c.w->pandouble;
        QVERIFY(g.betred->isEnabled() && g.betblack->isEnabled());
        QVERIFY(allEnabled(g.suitbet, false));
        c.sound.played.clear();
        c.w->suitbet_Click(1); // refused even when called directly
        QVERIFY(c.sound.played.empty());
        c.rng.pick(kHearts, 4);
        g.betred->click();
        QVERIFY(!g.betred->isEnabled() && !g.betblack->isEnabled());
        QVERIFY(g.cancelbet->isEnabled());
        g.cancelbet->click();
        QCOMPARE(c.player.bank, kMax);
    }
};

QTEST_MAIN(Gamble)
#include "test_gamble.moc"
