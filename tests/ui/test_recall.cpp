// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Recall window on the real cabinet: the drawn reel window against the symbol pictures,
// paging, the guards of the other windows, and the cabinet given back however it closes.
#include "assets/asset_catalog.hpp"
#include "gamble/double_panel.hpp"
#include "gamble/gamble_rules.hpp"
#include "players/options_window.hpp"
#include "players/recall_window.hpp"
#include "support/cabinet.hpp"

#include <QApplication>
#include <QFontMetrics>
#include <QPushButton>
#include <QTest>

using namespace slot;
using namespace slot::test;

namespace
{

Stops winningWindow()
{
    return *findWindow([](const Stops &w) {
        const auto r = evaluateWindow(w, 25);
        return noWildIn(w) && r.scatters == 0 && r.lineUnits > 0 && r.lineUnits <= 50
            && __builtin_popcount(r.winLines) >= 2;
    });
}

void play(Cabinet &c, const Stops &s)
{
    c.script(s);
    c.rng.keep();
    c.w->play(1)->click();
    c.countOut();
}

QImage rgb(const QImage &i)
{
    return i.convertToFormat(QImage::Format_RGB32);
}

// Whether the drawn window shows the stops' symbols, cell by cell. With winning lines over
// it only a strip along each cell's top edge is compared, which no line crosses.
bool showsWindow(RecallEntryView &view, const Stops &s, bool whole)
{
    const QImage drawn = rgb(view.grab().toImage());
    const int cell = RecallEntryView::kCell;
    const QRect part = whole ? QRect(0, 0, cell, cell) : QRect(cell / 2 - 5, 1, 10, 6);
    for (int reel = 1; reel <= kReels; ++reel) {
        for (int row = 1; row <= 3; ++row) {
            const Sym sym = symbolAt(reel, s[static_cast<std::size_t>(reel)], row);
            const QImage expected = rgb(RecallEntryView::cellPicture(sym, cell).toImage());
            const QRect at = RecallEntryView::cellRect(reel, row);
            if (drawn.copy(part.translated(at.topLeft())) != expected.copy(part)) {
                qWarning("reel %d row %d does not show %d", reel, row, index(sym));
                return false;
            }
        }
    }
    return true;
}

} // namespace

class RecallWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initAssets(); }

    void showsTheLastGameAndPagesThroughTheOlderOnes()
    {
        Cabinet c(1000);
        const Stops blank = blankWindow();
        const Stops win = winningWindow();
        play(c, blank);
        play(c, win);
        c.sound.played.clear();
        c.w->mnurecall->trigger();
        QPointer<tarnixrecall> r = c.w->recallWindow;
        QVERIFY(r && r->isVisible());
        QCOMPARE(c.sound.played, (std::vector<int> { 124 }));
        QCOMPARE(r->pos(), QPoint(0, 0));
        QCOMPARE(r->page(), 0);
        QVERIFY(showsWindow(*r->entryView, win, false));
        QVERIFY(!showsWindow(*r->entryView, blank, false));
        QVERIFY(!r->btnnewer->isEnabled() && r->btnolder->isEnabled());

        r->btnolder->click();
        QCOMPARE(r->page(), 1);
        QVERIFY(showsWindow(*r->entryView, blank, true)); // no lines: every pixel of every cell
        QVERIFY(r->btnnewer->isEnabled() && !r->btnolder->isEnabled());
        r->btnolder->click();
        QCOMPARE(r->page(), 1);
        r->btnnewer->click();
        QCOMPARE(r->page(), 0);
        QVERIFY(showsWindow(*r->entryView, win, false));
    }

    void theCabinetIsDisabledUntilTheWindowClosesHoweverItCloses()
    {
        for (const bool byButton : { true, false }) {
            Cabinet c(1000);
            c.w->move(30, 20);
            c.w->mnurecall->trigger();
            QPointer<tarnixrecall> r = c.w->recallWindow;
            QVERIFY(r && !c.w->isEnabled());
            QCOMPARE(r->btnunloadrecall->text(), QStringLiteral("Close Recall"));
            // A second command while it is open would stack another window over it.
            c.w->mnurecall->trigger();
            QCOMPARE(c.w->recallWindow, r);
            if (byButton) {
                r->btnunloadrecall->click();
            } else {
                r->close();
            }
            flushDeletes();
            QVERIFY(!r);
            QVERIFY(c.w->isEnabled());
        }
    }

    void doesNothingInTheFeatureWhileAGameOrDrawRunsOrWithTheGambleOpen()
    {
        Cabinet c(1000);
        c.script(scatterWindow(3));
        c.rng.keep().tune(1);
        c.w->play(1)->click();
        QVERIFY(c.w->state.freespins >= 1);
        c.sound.played.clear();
        c.w->mnurecall->trigger();
        QVERIFY(!c.w->recallWindow && c.w->isEnabled() && c.sound.played.empty());

        Cabinet d(1000);
        d.script(blankWindow());
        d.rng.keep();
        bool opened = false;
        d.pacing.onSleep = [&] {
            d.w->mnurecall->trigger();
            opened = opened || d.w->recallWindow;
        };
        d.w->play(1)->click();
        QVERIFY(!opened && d.w->isEnabled());

        Cabinet g(1000);
        play(g, winningWindow());
        g.w->doublebutton->click();
        g.rng.pick(kHearts, 4);
        int tries = 0;
        g.pacing.onProcessEvents = [&] {
            if (g.w->drawRunning()) {
                ++tries;
                g.w->mnurecall->trigger();
                opened = opened || g.w->recallWindow;
            }
        };
        g.w->pandouble->betred->click();
        g.pacing.onProcessEvents = nullptr;
        QVERIFY(tries > 0 && !opened);
        // Between draws, with the gamble panel up, Recall is not offered either, as Options.
        g.sound.played.clear();
        g.w->mnurecall->trigger();
        g.w->mnuplayer->trigger();
        QVERIFY(!g.w->recallWindow && !g.w->optionsWindow && g.w->isEnabled());
        QVERIFY(g.sound.played.empty());
        g.w->pandouble->cancelbet->click();
        // The gamble is in the game's entry once it has ended.
        g.w->mnurecall->trigger();
        QVERIFY(g.w->recallWindow);
        const RecallEntry &e = g.services.recall->ring(1).front();
        QCOMPARE(e.gamble.ending, GambleEnding::TakeWin);
        QCOMPARE(e.gamble.draws.size(), std::size_t(1));
        QCOMPARE(e.creditAfter, g.player.bank);
    }

    // The pay table's 10, 20 and 30 free games: a trigger's caption and the list of free games
    // give the same number, and a retrigger's caption the games it added to the list.
    void theFreeGamesCaptionedAreTheFreeGamesListed()
    {
        Cabinet c(1000);
        c.script(scatterWindow(4));
        c.rng.keep().tune(1);
        c.w->play(1)->click();
        const auto freeGame = [&c](const Stops &s, bool retrigger) {
            c.countOut();
            c.script(s);
            c.rng.multiplierDraw(25).keep();
            if (retrigger) {
                c.rng.tune(1);
            }
            c.w->Timerrespin_Timer();
        };
        for (int k = 1; c.w->state.freespinsdone < c.w->state.freespins; ++k) {
            freeGame(k == 5 ? scatterWindow(3) : blankWindow(), k == 5);
        }
        c.w->takewin->click();
        const RecallEntry &e = c.services.recall->ring(1).front();
        QCOMPARE(RecallEntryView::awardCaption(e.game, true), QStringLiteral("20 free games won"));
        QCOMPARE(
            RecallEntryView::awardCaption(e.freeGames[4], false), QStringLiteral("+11 free games"));
        QCOMPARE(e.freeGames.size(), std::size_t(20 + 11));
    }

    // The chart's labels are measured, so the credit's ten digits and its dollars are shown
    // whole beside the plot; one game is "1 game".
    void chartLabelsAreWholeAtAnyCredit_data()
    {
        QTest::addColumn<QList<int>>("credit");
        QTest::newRow("small") << QList<int> { 1000, 975 };
        QTest::newRow("one game near the top") << QList<int> { 2132887147, 2132887122 };
        QTest::newRow("a wide swing") << QList<int> { 100, 2147483647, 2000000000, 5 };
        QTest::newRow("below zero") << QList<int> { -2147483647, 0 };
    }
    void chartLabelsAreWholeAtAnyCredit()
    {
        QFETCH(QList<int>, credit);
        const std::vector<Money> values(credit.begin(), credit.end());
        QFont font = QApplication::font();
        font.setPixelSize(11);
        const QFontMetrics metrics(font);
        const QRect area(230, 4, 406, 164);
        const ChartLayout c = RecallSessionView::chartLayout(area, metrics, values);
        QVERIFY(c.plot.width() > 100);
        bool gamesShown = false;
        for (const ChartLabel &label : c.labels) {
            QVERIFY2(metrics.horizontalAdvance(label.text) <= label.rect.width(),
                qPrintable(label.text));
            QVERIFY2(label.rect.left() >= area.left() && label.rect.right() <= area.right(),
                qPrintable(label.text));
            if (label.rect.top() < c.plot.bottom()) {
                // Beside the plot, not over it.
                QVERIFY(label.rect.right() < c.plot.left() || label.rect.left() > c.plot.right());
            }
            gamesShown = gamesShown
                || label.text
                    == (values.size() == 2 ? QStringLiteral("1 game")
                                           : QStringLiteral("%1 games").arg(values.size() - 1));
        }
        QVERIFY(gamesShown);
    }

    void deletingTheDetailsClearsTheSlotsRecall()
    {
        Cabinet c(1000);
        play(c, blankWindow());
        QCOMPARE(c.services.recall->ring(1).size(), std::size_t(1));
        c.w->mnuplayer->trigger();
        QVERIFY(c.w->optionsWindow);
        c.w->optionsWindow->Btndeletedetails->click();
        QVERIFY(c.services.recall->ring(1).empty());
        QCOMPARE(c.services.recall->session(1).paidGames, 0);
    }
};

QTEST_MAIN(RecallWindowTest)
#include "test_recall.moc"
