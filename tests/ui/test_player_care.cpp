// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The player information window on the real cabinet: the odds of the setting in play, the
// guards of the other windows, and the cabinet given back when it closes.
#include "care/odds_window.hpp"
#include "support/cabinet.hpp"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace slot;
using namespace slot::test;

class PlayerCare : public QObject
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
};

QTEST_MAIN(PlayerCare)
#include "test_player_care.moc"
