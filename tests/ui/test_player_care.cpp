// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The player information window on the real cabinet: the odds of the setting in play, the
// guards of the other windows, and the cabinet given back when it closes.
#include "care/care_notice.hpp"
#include "care/limits_window.hpp"
#include "care/odds_window.hpp"
#include "care/statement_window.hpp"
#include "gamble/double_panel.hpp"
#include "gamble/gamble_rules.hpp"
#include "players/options_window.hpp"
#include "support/cabinet.hpp"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace slot;
using namespace slot::test;

namespace
{

// The cabinet's care on a clock the test moves; its session starts at once.
struct CareClock {
    Seconds now = 1'000'000'000;
    std::shared_ptr<PlayerCare> care;
    explicit CareClock(Cabinet &c)
        : care(std::make_shared<PlayerCare>(
            nullptr, [this] { return now; }, localDay))
    {
        c.services.care = care;
        c.w->careFollowSlot();
    }
};

void quietGame(Cabinet &c)
{
    c.script(blankWindow());
    c.rng.keep();
    c.w->play(1)->click();
    c.countOut();
}

} // namespace

class CareWindows : public QObject
{
    Q_OBJECT
private slots:
    void oddsShowTheLinesAndBetInPlay()
    {
        Cabinet c(1000);
        c.w->payline_Click(1); // 1 line
        c.script(blankWindow());
        c.rng.keep();
        c.w->play(3)->click(); // 3 credits a line
        c.countOut();
        c.w->mnuodds->trigger();
        QPointer<tarnixodds> o = c.w->oddsWindow;
        QVERIFY(o && !c.w->isEnabled());
        const OddsFigures &f = *oddsFor(1, 3);
        QVERIFY(o->lblSetting->text().contains(QStringLiteral("1 line at 3 credits")));
        QVERIFY(o->lblChances->text().contains(QStringLiteral("104.78 %")));
        QVERIFY(o->lblChances->text().contains(QString::fromStdString(oneIn(f.feature))));
        QVERIFY(o->lblChances->text().contains(QString::fromStdString(oneIn(f.aboveStake))));
        QVERIFY(o->lblChances->text().contains(
            QString::fromStdString(groupedNumber(f.largestPaidWin))));
        const SessionBand b = sessionBand(f, 10'000);
        QVERIFY(o->lblSession->text().contains(
            QStringLiteral("after 10,000 games, 9 players in 10 end with between %1 and %2")
                .arg(QString::fromStdString(percent(b.low, 0)),
                    QString::fromStdString(percent(b.high, 0)))));
        // Every paying prize, scatters included, each with its own chance.
        int paying = 0;
        for (const OddsPrize &p : f.prizes) {
            paying += p.pay > 0;
        }
        QCOMPARE(o->prizeTable->rowCount(), paying);
        QCOMPARE(
            o->prizeTable->item(paying - 1, 0)->text(), QStringLiteral("5 scatters (elephant)"));
        QCOMPARE(o->prizeTable->item(paying - 1, 2)->text(),
            QString::fromStdString(oneIn(f.prizes[kOddsPrizes - 1].chance)));

        c.w->mnuodds->trigger(); // a second window would stack on the first
        QCOMPARE(c.w->oddsWindow, o);
        o->btnClose->click();
        flushDeletes();
        QVERIFY(!o);
        QVERIFY(c.w->isEnabled());
    }

    // Before the first game no bet is chosen: the odds of 25 lines at 1 credit.
    void oddsBeforeTheFirstGameAreThoseOfABetOfOne()
    {
        Cabinet c(1000);
        c.w->mnuodds->trigger();
        QVERIFY(c.w->oddsWindow);
        QVERIFY(c.w->oddsWindow->lblChances->text().contains(QStringLiteral("98.13 %")));
        c.w->oddsWindow->close();
        flushDeletes();
        QVERIFY(c.w->isEnabled());
    }

    void oddsAreRefusedInTheFeatureAndWhileAGameRuns()
    {
        Cabinet c(1000);
        c.script(scatterWindow(3));
        c.rng.keep().tune(1);
        c.w->play(1)->click();
        QVERIFY(c.w->state.freespins >= 1);
        c.sound.played.clear();
        c.w->mnuodds->trigger();
        QVERIFY(!c.w->oddsWindow && c.w->isEnabled() && c.sound.played.empty());

        Cabinet d(1000);
        d.script(blankWindow());
        d.rng.keep();
        bool opened = false;
        d.pacing.onSleep = [&] {
            d.w->mnuodds->trigger();
            opened = opened || d.w->oddsWindow;
        };
        d.w->play(1)->click();
        QVERIFY(!opened && d.w->isEnabled());
    }

    // The reminder comes at the end of the first game after the interval, with the session's
    // figures; never inside the feature, and Keep playing starts a new interval.
    void reminderAtTheEndOfTheNextGame()
    {
        Cabinet c(1000);
        CareClock clock(c);
        quietGame(c); // 25 credits staked, the session begins
        clock.care->setReminder(15);
        clock.now += 15 * 60;
        c.script(scatterWindow(3));
        c.rng.keep().tune(1);
        c.w->play(1)->click();
        QVERIFY(c.w->state.freespins >= 1);
        QVERIFY(!c.w->careWindow);

        Cabinet d(1000);
        CareClock dclock(d);
        quietGame(d);
        dclock.care->setReminder(15);
        QVERIFY(!d.w->careWindow);
        dclock.now += 15 * 60;
        quietGame(d);
        QPointer<tarnixcare> n = d.w->careWindow;
        QVERIFY(n && !d.w->isEnabled());
        QCOMPARE(n->btnKeepPlaying->text(), QStringLiteral("Keep playing"));
        QCOMPARE(n->btnLeave->text(), QStringLiteral("Leave"));
        QCOMPARE(n->lblNotice->text(), careNoticeText(CareVerdict::Remind, *dclock.care));
        QVERIFY(n->lblNotice->text().contains(QStringLiteral("Time played: 15 min\nPaid games: 2\n"
                                                             "Staked: 50 credits ($ 0.5)")));
        n->btnKeepPlaying->click();
        flushDeletes();
        QVERIFY(!n && d.w->isEnabled());
        dclock.now += 15 * 60 - 1;
        quietGame(d);
        QVERIFY(!d.w->careWindow);
        dclock.now += 1;
        quietGame(d);
        QVERIFY(d.w->careWindow);
        d.w->careWindow->btnLeave->click();
        QCOMPARE(d.ends, 1);
    }

    // At the loss limit play stops; coins still go in, and the next bet is refused calmly.
    void lossLimitStopsPlayButNotCoins()
    {
        Cabinet c(1000);
        CareClock clock(c);
        quietGame(c);
        clock.care->requestLossLimit(50);
        quietGame(c); // 50 lost: exactly the limit
        QPointer<tarnixcare> n = c.w->careWindow;
        QVERIFY(n);
        QCOMPARE(n->why, CareVerdict::LossLimit);
        QCOMPARE(n->btnKeepPlaying->text(), QStringLiteral("OK"));
        n->btnKeepPlaying->click();
        flushDeletes();
        QVERIFY(c.w->isEnabled());
        const Money bank = c.player.bank;
        const Money games = c.player.games;
        c.w->play(1)->click();
        QCOMPARE(c.player.bank, bank);
        QCOMPARE(c.player.games, games);
        QVERIFY(c.w->careWindow);
        c.w->careWindow->close();
        flushDeletes();
        c.w->COINSIN_Click();
        QVERIFY(c.player.bank > bank);
        // The next day the limit lets play go on.
        clock.now += 86400;
        quietGame(c);
        QCOMPARE(c.player.games, games + 1);
    }

    // From Options: a lower limit is saved at once, a raise is shown waiting its day.
    void limitsAreChosenInOptions()
    {
        Cabinet c(1000);
        CareClock clock(c);
        c.w->mnuplayer_Click();
        QVERIFY(c.w->optionsWindow);
        c.w->optionsWindow->btnlimits->click();
        auto *l = c.w->optionsWindow->findChild<tarnixlimits *>();
        QVERIFY(l);
        QCOMPARE(l->cboReminder->currentData().toInt(), 60);
        l->cboReminder->setCurrentIndex(l->cboReminder->findData(30));
        l->spnLoss->setValue(500);
        l->cboTime->setCurrentIndex(l->cboTime->findData(90));
        l->btnSave->click();
        QCOMPARE(clock.care->settings().reminderMinutes, 30);
        QCOMPARE(clock.care->settings().lossPerDay.value, 500);
        QCOMPARE(clock.care->settings().sessionMinutes.value, 90);
        flushDeletes();
        c.w->optionsWindow->btnlimits->click();
        l = c.w->optionsWindow->findChild<tarnixlimits *>();
        QVERIFY(l);
        QCOMPARE(l->spnLoss->value(), 500);
        l->spnLoss->setValue(0);
        l->btnSave->click();
        QCOMPARE(clock.care->settings().lossPerDay.value, 500);
        QVERIFY(l->isVisible());
        QVERIFY(l->lblPending->text().startsWith(QStringLiteral("Loss limit none from")));
    }

    // Many games of every kind (losses, wins, gambles won and lost, features with their
    // refunds and collect): the statement's sums are what the record gained, and its CSV says
    // the same.
    void statementAgreesWithTheRecordOverASoak()
    {
        Cabinet c(100000);
        CareClock clock(c);
        clock.care->setReminder(0);
        const PlayerState before = c.player;
        const Stops win = *findWindow([](const Stops &w) {
            const auto r = evaluateWindow(w, kLines);
            return noWildIn(w) && r.scatters == 0 && r.lineUnits > 0 && r.lineUnits <= 50;
        });
        for (int round = 0; round < 40; ++round) {
            clock.now += 3600 * 7; // several days go by
            quietGame(c);
            c.script(win);
            c.rng.keep();
            c.w->play(2)->click();
            c.countOut();
            if (round % 2 == 0) {
                c.w->doublebutton->click();
                c.rng.pick(round % 4 == 0 ? kHearts : kSpades, 4);
                c.w->pandouble->betred->click();
                if (c.w->pandouble->isVisible()) {
                    c.w->pandouble->cancelbet->click();
                }
            }
            if (round % 10 == 5) {
                c.script(scatterWindow(3));
                c.rng.keep().tune(1);
                c.w->play(1)->click();
                while (c.w->state.freespins >= 1 && !c.w->takewin->isVisible()) {
                    c.countOut();
                    c.script(blankWindow());
                    c.rng.multiplierDraw(25).keep();
                    c.w->Timerrespin_Timer();
                }
                c.countOut();
                c.w->takewin->click();
            }
        }
        QVERIFY(!c.w->careWindow);
        c.w->mnustatement->trigger();
        QPointer<tarnixstatement> st = c.w->statementWindow;
        QVERIFY(st && !c.w->isEnabled());
        std::int64_t games = 0, staked = 0, won = 0, features = 0;
        for (const DayActivity &d : clock.care->activity().days()) {
            games += d.games;
            staked += d.staked;
            won += d.won;
            features += d.features;
        }
        QCOMPARE(games, std::int64_t(c.player.games - before.games));
        QCOMPARE(games, 40 * 2 + 4);
        QCOMPARE(staked, std::int64_t(c.player.wager - before.wager));
        QCOMPARE(won, std::int64_t(c.player.total - before.total));
        QCOMPARE(features, 4);
        const auto shown = clock.care->activity().lastDays(clock.care->today(), kStatementDays);
        QVERIFY(shown.size() >= 2);
        QCOMPARE(st->days->rowCount(), int(shown.size()));
        QCOMPARE(st->days->item(0, 0)->text(), QString::fromStdString(shown.back().date));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("statement.csv"));
        QVERIFY(st->exportTo(path));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll().toStdString(), clock.care->activity().csv());
        QVERIFY(!st->exportTo(dir.filePath(QStringLiteral("no/such/folder.csv"))));
        QVERIFY(st->lblExport->text().startsWith(QStringLiteral("Could not write")));
        st->btnClose->click();
        flushDeletes();
        QVERIFY(!st && c.w->isEnabled());
    }
};

QTEST_MAIN(CareWindows)
#include "test_player_care.moc"
