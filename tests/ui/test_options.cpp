// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The options window on the real cabinet with a real record file in a temporary folder.
#include "gamble/double_panel.hpp"
#include "players/options_window.hpp"
#include "players/record_saving.hpp"
#include "players/record_store.hpp"
#include "support/cabinet.hpp"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace slot;
using namespace slot::test;

namespace
{

// A cabinet whose records live in an INI file, as the game's own do.
struct Stored {
    QTemporaryDir dir;
    SettingsRecordStore store { dir.filePath(QStringLiteral("aust.ini")) };
    Cabinet c { 0 };
    int saves = 0;
    std::vector<std::pair<int, int>> modes;

    Stored()
    {
        c.services.saveRecord = [this](const PlayerState &p) {
            c.saved = p;
            ++saves;
            store.save(p);
        };
        c.services.loadRecordResetting
            = [this](int slot, PlayerState &p) { store.loadResetting(slot, p); };
        c.services.readName = [this](int slot) { return store.readName(slot); };
        c.services.changeRes = [this](int w, int h) { modes.emplace_back(w, h); };
    }
    void put(int slot, PlayerState p)
    {
        p.playerslot = std::to_string(slot);
        store.save(p);
    }
    PlayerState stored(int slot)
    {
        PlayerState p;
        store.loadResetting(slot, p);
        return p;
    }
    frmtarnixoptions &open()
    {
        c.w->mnuplayer->trigger();
        if (!c.w->optionsWindow) {
            qFatal("the options window did not open");
        }
        return *c.w->optionsWindow;
    }
};

PlayerState named(const std::string &name, Money bank = 0)
{
    PlayerState p;
    p.currentplayer = name;
    p.bank = bank;
    p.reelspeed = 1;
    return p;
}

QString ending(const QLabel *label, const char *title)
{
    const QString t = label->text();
    return t.startsWith(QLatin1String(title)) ? t.mid(int(qstrlen(title))) : QStringLiteral("?");
}

} // namespace

class Options : public QObject
{
    Q_OBJECT
private slots:
    void openingSavesFirstThenLabelsEverySlot()
    {
        Stored s;
        s.put(1, named("ann", 40));
        s.put(4, named("Bob"));
        s.c.player.bank = 900; // won since the start, not yet stored
        s.c.player.currentplayer = "ann";
        s.c.sound.played.clear();
        frmtarnixoptions &o = s.open();
        QVERIFY(o.isVisible());
        QVERIFY(!s.c.w->isEnabled());
        QCOMPARE(o.windowTitle(), QStringLiteral("TarNix Options"));
        QCOMPARE(s.stored(1).bank, 900);
        QCOMPARE(s.c.player.bank, 900);
        const char *expected[] = { "ANN", "Vacant", "Vacant", "BOB", "Vacant", "Vacant" };
        for (int k = 1; k <= 6; ++k) {
            QCOMPARE(o.machine(k)->text(), QLatin1String(expected[k - 1]));
        }
        QVERIFY(o.machine(1)->isChecked());
        QCOMPARE(o.lblcurrentplayer->text(), QStringLiteral("Current Player    ANN"));
        QCOMPARE(o.Btndeletedetails->text(), QStringLiteral("Delete Currentplayer  (ann) Details"));
        QCOMPARE(o.lblgames->text(), QStringLiteral("Games Played      "));
        QCOMPARE(o.lblreturned->text(), QStringLiteral("Returned To Player     "));
        QCOMPARE(o.wincounter(2)->text(), QStringLiteral("Wincounter OFF"));
        QVERIFY(o.wincounter(2)->isChecked() && o.wincounter(1)->text().isEmpty());
        QVERIFY(o.setspeed[0]->isChecked());
        QCOMPARE(o.speedlab->text(), QStringLiteral("Current Speed =   1"));
        QCOMPARE(s.c.sound.played, (std::vector<int> { 124, 124 }));
        QCOMPARE(o.Framemain->title(), QStringLiteral("TarNix Options"));
    }

    void workedExampleShowsItsStatistics()
    {
        Stored s;
        PlayerState p = named("cy", 1500);
        p.games = 40;
        p.wager = 800;
        p.total = 700;
        p.amountinvested = 2000;
        p.winroll = 1;
        s.put(3, p);
        frmtarnixoptions &o = s.open();
        o.machine(3)->click();
        QCOMPARE(s.c.player.playerslot, std::string("3"));
        QCOMPARE(ending(o.lblgames, "Games Played            "), QStringLiteral("40"));
        QCOMPARE(ending(o.lblwager, "Total Wagered           "), QStringLiteral("800"));
        QCOMPARE(ending(o.lbltotalwon, "Total Won                   "), QStringLiteral("700"));
        QCOMPARE(ending(o.lblwinlose, "Winning/Losing           "), QStringLiteral("-500"));
        QCOMPARE(ending(o.lblreturned, "Returned To Player     % "), QStringLiteral("87"));
        QCOMPARE(ending(o.lblinvested, "Total Invested             "), QStringLiteral("2000"));
        QCOMPARE(o.lblcurrentplayer->text(), QStringLiteral("Current Player   CY"));
        QCOMPARE(s.c.w->windowTitle(), QStringLiteral("Current Player       CY"));
        QCOMPARE(s.c.w->PANELBANK->text(), QStringLiteral("1500"));
        QCOMPARE(o.machine(3)->text(), QStringLiteral("CY"));
        // Chosen anew, so its own handler writes the caption, without the trailing space.
        QCOMPARE(o.wincounter(1)->text(), QStringLiteral("Wincounter ON"));
        QCOMPARE(s.c.player.winroll, Short(1));
    }

    void vacantSlotStartsFromNothing()
    {
        Stored s;
        s.c.player.bank = 700;
        s.c.player.winroll = 1;
        s.c.player.reelspeed = 8;
        frmtarnixoptions &o = s.open();
        o.machine(5)->click();
        QCOMPARE(s.c.player.bank, 0);
        QCOMPARE(s.c.player.reelspeed, Short(1));
        QCOMPARE(s.c.player.winroll, Short(0));
        QCOMPARE(s.c.w->PANELBANK->text(), QStringLiteral("0"));
        QCOMPARE(o.machine(5)->text(), QStringLiteral("Vacant"));
        QCOMPARE(o.lblcurrentplayer->text(), QStringLiteral("Current Player    "));
        QCOMPARE(o.lblgames->text(), QStringLiteral("Games Played          "));
        QCOMPARE(o.lbltotalwon->text(), QStringLiteral("Total Won          "));
        QCOMPARE(o.lblreturned->text(), QStringLiteral("Returned To Player "));
        QVERIFY(o.wincounter(2)->isChecked());
        QCOMPARE(o.wincounter(2)->text(), QStringLiteral("Wincounter OFF"));
        QVERIFY(o.setspeed[0]->isChecked());
        // Slot 1 was stored as the window opened, so leaving it lost nothing.
        QCOMPARE(s.stored(1).bank, 700);
    }

    void nameEntryRefusesBadNamesCalmly()
    {
        Stored s;
        s.put(1, named("ann", 40));
        s.c.player.currentplayer = "ann";
        frmtarnixoptions &o = s.open();
        const int saves = s.saves;
        QTest::keyClick(o.player1, Qt::Key_Return);
        QTest::keyClicks(o.player1, QStringLiteral("abcdefghijklmnopqrs"));
        QTest::keyClick(o.player1, Qt::Key_Return);
        QCOMPARE(s.c.messages,
            (std::vector<std::string> {
                "Slots_Tarnix|Nothing Entered", "Slots_Tarnix|Name Too Long" }));
        QVERIFY(o.player1->text().isEmpty());
        QCOMPARE(o.lblcurrentplayer->text(), QStringLiteral("Current Player  ANN"));
        QCOMPARE(s.c.player.currentplayer, std::string("ann"));
        QCOMPARE(s.store.readName(1), std::string("ann"));
        QCOMPARE(s.saves, saves);
    }

    void nameIsStoredAsTypedAndShownInCapitals()
    {
        Stored s;
        s.c.player.bank = 320;
        frmtarnixoptions &o = s.open();
        o.machine(2)->click();
        QTest::keyClicks(o.player1, QStringLiteral("ann"));
        QTest::keyClick(o.player1, Qt::Key_Enter);
        QVERIFY(o.player1->text().isEmpty());
        QCOMPARE(o.machine(2)->text(), QStringLiteral("ANN"));
        QCOMPARE(o.lblcurrentplayer->text(), QStringLiteral("Current Player  ANN"));
        QCOMPARE(o.Btndeletedetails->text(), QStringLiteral("Delete Currentplayer  (ann) Details"));
        QCOMPARE(s.c.w->windowTitle(), QStringLiteral("Current Player       ANN"));
        QCOMPARE(s.store.readName(2), std::string("ann"));
        QCOMPARE(s.store.readName(1), std::string());
        QVERIFY(s.c.messages.empty());
    }

    void leftSlotKeepsItsStoredSpeedAndCloseSavesTheNewOne()
    {
        Stored s;
        PlayerState two = named("two");
        two.reelspeed = 4;
        s.put(2, two);
        s.put(3, named("three", 55));
        frmtarnixoptions &o = s.open();
        o.machine(2)->click();
        QVERIFY(o.setspeed[2]->isChecked());
        o.setspeed[4]->click();
        QCOMPARE(s.c.player.reelspeed, Short(10));
        QCOMPARE(o.speedlab->text(), QStringLiteral("Current Speed =   5"));
        o.machine(3)->click();
        QCOMPARE(s.stored(2).reelspeed, Short(4));
        QCOMPARE(s.c.player.reelspeed, Short(1));
        o.setspeed[3]->click();
        o.wincounter(1)->click();
        QCOMPARE(o.wincounter(1)->text(), QStringLiteral("Wincounter ON"));
        QVERIFY(o.wincounter(2)->text().isEmpty());
        o.close();
        QCOMPARE(s.stored(3).reelspeed, Short(8));
        QCOMPARE(s.stored(3).winroll, Short(1));
        QCOMPARE(s.stored(3).bank, 55);
        QCOMPARE(s.stored(2).reelspeed, Short(4));
    }

    void deleteDetailsWipesTheCreditButKeepsTheName()
    {
        Stored s;
        PlayerState p = named("dee", 5000);
        p.games = 12;
        p.wager = 300;
        p.reelspeed = 2;
        s.put(1, p);
        s.c.player = s.stored(1);
        s.c.player.playerslot = "1";
        frmtarnixoptions &o = s.open();
        s.c.sound.played.clear();
        o.Btndeletedetails->click();
        QVERIFY(s.c.sound.played.empty());
        const PlayerState after = s.stored(1);
        QCOMPARE(after.bank + after.games + after.wager + after.total + after.amountinvested, 0);
        QCOMPARE(after.currentplayer, std::string("dee"));
        QCOMPARE(after.reelspeed, Short(2));
        QVERIFY(s.c.w->PANELBANK->text().isEmpty() && s.c.w->Lblcredit->text().isEmpty());
        QCOMPARE(o.lblcurrentplayer->text(), QStringLiteral("Current Player   DEE"));
        QCOMPARE(o.lblgames->text(), QStringLiteral("Games Played            0"));
        QCOMPARE(o.lblwinlose->text(), QStringLiteral("Winning/Losing           0"));
        QCOMPARE(o.lblreturned->text(), QStringLiteral("Returned To Player     % "));
    }

    void okAndCloseBoxGiveTheCabinetBack_data()
    {
        QTest::addColumn<bool>("viaOk");
        QTest::newRow("O.K.") << true;
        QTest::newRow("close box") << false;
    }
    void okAndCloseBoxGiveTheCabinetBack()
    {
        QFETCH(bool, viaOk);
        Stored s;
        s.c.player.reelspeed = 0;
        frmtarnixoptions &o = s.open();
        s.c.w->flasher(3)->show();
        s.c.w->doublebutton->setEnabled(true);
        s.c.sound.played.clear();
        const int saves = s.saves;
        if (viaOk) {
            o.btnokplayer->click();
        } else {
            o.close();
        }
        flushDeletes();
        QVERIFY(!s.c.w->optionsWindow);
        QVERIFY(s.c.w->isEnabled());
        QVERIFY(s.c.w->flasher(3)->isHidden());
        QVERIFY(!s.c.w->doublebutton->isEnabled());
        QCOMPARE(s.c.player.reelspeed, Short(1));
        QCOMPARE(s.c.sound.count(124), viaOk ? 2 : 1);
        QCOMPARE(s.saves, saves + (viaOk ? 2 : 1));
    }

    void screenSizesAskForTheModeAndPlaceTheCabinet()
    {
        Stored s;
        frmtarnixoptions &o = s.open();
        s.c.w->move(40, 30);
        const QSize size = s.c.w->size();
        o.SSOption2->click();
        o.SSOption1->click();
        QCOMPARE(s.modes, (std::vector<std::pair<int, int>> { { 640, 480 }, { 800, 600 } }));
        QCOMPARE(s.c.w->pos(), QPoint(0, 0));
        QCOMPARE(s.c.w->size(), size);
    }

    void aCabinetDrawnToFitTheScreenKeepsItsModeAndSaysSo()
    {
        Stored s;
        s.c.services.fixedScreenNote = "The screen stays as it is.";
        frmtarnixoptions &o = s.open();
        s.c.w->move(40, 30);
        const QString usualNote = o.screennote->text();
        QVERIFY(!usualNote.isEmpty());
        o.SSOption2->click();
        o.SSOption1->click();
        QVERIFY(s.modes.empty());
        QCOMPARE(s.c.w->pos(), QPoint(40, 30));
        QCOMPARE(o.screennote->text(), QStringLiteral("The screen stays as it is."));
    }

    void quittingWithTheWindowOpenStoresTheChosenSlot()
    {
        Stored s;
        s.put(3, named("three", 55));
        frmtarnixoptions &o = s.open();
        o.machine(3)->click();
        o.setspeed[3]->click();
        s.c.w->mnuexit_Click(); // a SIGTERM while the window is open
        QCOMPARE(s.c.ends, 1);
        QCOMPARE(s.stored(3).reelspeed, Short(8));
        QCOMPARE(s.stored(3).bank, 55);
    }

    // A config folder that cannot be made (its name is taken by a file, which stops root too):
    // the player hears of it once, in the game's words, plays on, and the options window shows
    // the credit the store could not keep rather than an empty load.
    void anUnwritableRecordIsToldOnceAndKeptInMemory()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("config")));
        QVERIFY(blocker.open(QIODevice::WriteOnly) && blocker.write("x") == 1);
        blocker.close();
        const QString path = dir.filePath(QStringLiteral("config/aust.ini"));
        SettingsRecordStore store(path);
        Cabinet c(0);
        RecordSaving saving([&store](const PlayerState &p) { return store.save(p); },
            path.toStdString(),
            [&c](const std::string &title, const std::string &text) {
                c.services.information(title, text);
            });
        c.services.saveRecord = [&saving](const PlayerState &p) { saving(p); };
        c.services.loadRecordResetting
            = [&store](int slot, PlayerState &p) { store.loadResetting(slot, p); };
        c.services.readName = [&store](int slot) { return store.readName(slot); };
        c.player.currentplayer = "ann";
        for (int i = 0; i < 3; ++i) {
            c.w->COINSIN->click();
        }
        QCOMPARE(c.messages.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(c.messages[0])
                    .startsWith(QStringLiteral(
                        "Slots_Tarnix|Sorry... Your player details can't be saved.")));
        QVERIFY(c.messages[0].find(path.toStdString()) != std::string::npos);

        const auto open = [&c]() -> frmtarnixoptions & {
            c.w->mnuplayer->trigger();
            return *c.w->optionsWindow;
        };
        frmtarnixoptions &o = open();
        QCOMPARE(c.player.bank, 60);
        QCOMPARE(c.w->PANELBANK->text(), QStringLiteral("60"));
        QCOMPARE(o.machine(1)->text(), QStringLiteral("ANN"));
        o.machine(2)->click();
        QCOMPARE(c.player.bank, 0);
        o.machine(1)->click();
        QCOMPARE(c.player.bank, 60);
        QCOMPARE(c.player.amountinvested, 60);
        QCOMPARE(c.player.currentplayer, std::string("ann"));
        o.close();
        flushDeletes();
        open();
        QCOMPARE(c.player.bank, 60);
        QCOMPARE(c.w->optionsWindow->machine(1)->text(), QStringLiteral("ANN"));
        c.w->optionsWindow->close();
        flushDeletes();
        QCOMPARE(c.messages.size(), std::size_t(1));
        QVERIFY(!QFileInfo(dir.filePath(QStringLiteral("config"))).isDir());
    }

    void optionsRefusedInTheGambleAndInTheFeature()
    {
        Stored s;
        s.c.w->pandouble->show();
        s.c.sound.played.clear();
        s.c.w->mnuplayer->trigger();
        QVERIFY(!s.c.w->optionsWindow && s.c.w->isEnabled());
        QVERIFY(s.c.sound.played.empty());
        s.c.w->pandouble->hide();
        s.c.w->state.freespins = 11;
        s.c.w->mnuplayer->trigger();
        QVERIFY(!s.c.w->optionsWindow && s.c.sound.played.empty());
    }
};

QTEST_MAIN(Options)
#include "test_options.moc"
