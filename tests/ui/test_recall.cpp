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
