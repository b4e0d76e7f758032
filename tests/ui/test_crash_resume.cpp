// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The cabinet killed at the moments that used to cost money: the power is cut right after a
// journal entry reaches the disk, a new cabinet starts on what the disk holds, and it must end
// with the record of a cabinet that was never interrupted.
#include "flow/tarnix.hpp"
#include "gamble/double_panel.hpp"
#include "journal/game_journal.hpp"
#include "players/options_window.hpp"
#include "support/fakes.hpp"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <memory>

using namespace slot;
using namespace slot::test;

namespace
{

// Files of one machine; after `cut` nothing more reaches them.
struct Disk {
    QTemporaryDir dir;
    FileJournalStore files { dir.path().toStdString() };
    std::map<int, PlayerState> records;
    std::function<bool(const JournalEntry &)> cutAfter;
    bool cut = false;
    bool full = false; // every journal write fails
    Disk()
    {
        records[1].bank = 20000;
        records[1].amountinvested = 20000;
    }
};

struct CuttingStore final : JournalStore {
    Disk &d;
    explicit CuttingStore(Disk &disk)
        : d(disk)
    {
    }
    bool write(int slot, const std::string &bytes) override
    {
        if (d.cut) {
            return true;
        }
        if (d.full) {
            return false;
        }
        const bool ok = d.files.write(slot, bytes);
        const auto entry = decodeJournal(bytes);
        d.cut = d.cutAfter && entry && d.cutAfter(*entry);
        return ok;
    }
    Found read(int slot, std::string &bytes) override { return d.files.read(slot, bytes); }
    void setAside(int slot) override { d.files.setAside(slot); }
    bool remove(int slot) override { return d.files.remove(slot); }
};

// One run of the program on the disk.
struct Run {
    GameRng rng;
    ZeroPacing pacing;
    RecordingSound sound;
    PlayerState player;
    Services services { rng, pacing, sound };
    CuttingStore store;
    std::vector<std::string> notes;
    std::unique_ptr<Tarnix> w;

    Run(Disk &d, std::uint64_t seed)
        : rng(seed)
        , store(d)
    {
        if (d.cut) { // the power is back: this run is not cut again
            d.cut = false;
            d.cutAfter = {};
        }
        services.loadRecord = [&d](int slot, PlayerState &p) {
            p = d.records[slot];
            p.playerslot = std::to_string(slot);
        };
        services.saveRecord = [&d](const PlayerState &p) {
            if (!d.cut)
                d.records[std::stoi(p.playerslot)] = p;
        };
        services.saveRecordChecked = [&d](const PlayerState &p) {
            if (!d.cut) {
                d.records[std::stoi(p.playerslot)] = p;
            }
            return true;
        };
        services.journal = std::make_shared<GameJournal>(&store);
        services.note = [this](const std::string &text) { notes.push_back(text); };
        w = std::make_unique<Tarnix>(player, services);
        w->Form_Load();
    }
    bool featureRunning() const
    {
        return w->state.freespins > 0 && w->state.freespinsdone < w->state.freespins;
    }
    // The feature's timers run as they would: the win counter, then the next free game.
    void playFeature()
    {
        for (int guard = 0; featureRunning() && guard < 1000; ++guard) {
            while (w->Timerwincounter->isActive()) {
                w->Timerwincounter_Timer();
            }
            w->Timerrespin_Timer();
        }
    }
    // Paid games at bet button 1 until `done`, the features played and collected on the way.
    void playUntil(const std::function<bool()> &done)
    {
        for (int guard = 0; !done() && guard < 5000; ++guard) {
            if (featureRunning()) {
                playFeature();
            } else if (w->takewin->isVisible()) {
                w->takewin_Click();
            } else {
                w->play_Click(1);
            }
        }
    }
};

bool sameMoney(const PlayerState &a, const PlayerState &b)
{
    return a.bank == b.bank && a.total == b.total && a.wager == b.wager && a.games == b.games
        && a.amountinvested == b.amountinvested;
}

constexpr std::uint64_t kSeed = 4242;

// Gambles on red after the first win until a draw is lost.
void gambleUntilLost(Run &r)
{
    r.playUntil([&r] { return r.w->doublebutton->isEnabled(); });
    r.w->doublebutton_Click();
    for (int guard = 0; !r.w->pandouble->isHidden() && guard < 100; ++guard) {
        r.w->betred_Click();
    }
}

} // namespace

class CrashResumeTest : public QObject
{
    Q_OBJECT

private slots:
    // The loss was undone by a crash in the pause after it: the stake came back.
    void aLostDrawStaysLostAfterACrash()
    {
        Disk d;
        {
            Run a(d, kSeed);
            gambleUntilLost(a);
        }
        Disk crashed;
        crashed.cutAfter = [](const JournalEntry &e) {
            return e.phase == JournalPhase::GambleDrawn && !e.draws.back().won;
        };
        {
            Run b(crashed, kSeed);
            gambleUntilLost(b);
        }
        QVERIFY(crashed.cut);
        Run c(crashed, kSeed + 1);
        QCOMPARE(c.notes.size(), std::size_t { 1 });
        QVERIFY(c.w->pandouble->isHidden());
        QVERIFY(sameMoney(crashed.records[1], d.records[1]));
        QCOMPARE(c.player.bank, d.records[1].bank);
    }

    // In the feature and with the collect waiting: the free games go on from the next one
    // and the collect is offered again, with nothing counted that the credit did not receive.
    void aFeatureGoesOnAfterACrashAndEndsTheSame()
    {
        Disk d;
        {
            Run a(d, kSeed);
            a.playUntil([&a] { return a.w->state.freespins > 0; });
            a.playFeature();
            a.w->takewin_Click();
        }
        for (const JournalPhase at : { JournalPhase::FeatureNext, JournalPhase::CollectWaiting }) {
            Disk crashed;
            int seen = 0;
            crashed.cutAfter = [&seen, at](const JournalEntry &e) {
                return e.phase == at && ++seen == (at == JournalPhase::FeatureNext ? 3 : 1);
            };
            {
                Run b(crashed, kSeed);
                b.playUntil([&b] { return b.w->state.freespins > 0; });
                b.playFeature();
                b.w->takewin_Click();
            }
            QVERIFY(crashed.cut);
            // Until the collect the stored statistics hold nothing of the feature.
            QCOMPARE(crashed.records[1].total - crashed.records[1].wager,
                crashed.records[1].bank - crashed.records[1].amountinvested);
            Run c(crashed, kSeed + 7);
            QVERIFY(c.w->spinsleft->isVisible());
            if (at == JournalPhase::FeatureNext) {
                QVERIFY(c.w->spinsleft->text().startsWith(
                    QStringLiteral("     Freespins Remaining  ")));
                c.playFeature();
            }
            QVERIFY(c.w->takewin->isVisible() && c.w->takewin->isEnabled());
            c.w->takewin_Click();
            QVERIFY2(sameMoney(crashed.records[1], d.records[1]), phaseName(at));
        }
    }

    // A crash while the reels turn: the game comes to rest on its result and is paid.
    void aGameMidSpinIsFinishedAtStart()
    {
        Disk d;
        int games = 0;
        {
            Run a(d, kSeed);
            a.playUntil([&] { return ++games > 12; });
        }
        Disk crashed;
        int stands = 0;
        crashed.cutAfter = [&stands](const JournalEntry &e) {
            return e.phase == JournalPhase::Stands && ++stands == 12;
        };
        games = 0;
        {
            Run b(crashed, kSeed);
            b.playUntil([&] { return ++games > 12; });
        }
        QVERIFY(crashed.cut);
        Run c(crashed, kSeed + 3);
        QCOMPARE(c.notes.size(), std::size_t { 1 });
        QVERIFY(!c.w->gameRunning());
        QVERIFY(sameMoney(crashed.records[1], d.records[1]));
    }

    // Delete details leaves nothing of the slot's game to resume, also at rest with a win offered.
    void deleteDetailsClearsTheSlotsJournal()
    {
        Disk d;
        Run a(d, kSeed);
        a.playUntil([&a] { return a.w->doublebutton->isEnabled(); });
        QVERIFY(QFile::exists(QString::fromStdString(d.files.pathOf(1))));
        a.w->mnuplayer_Click();
        QVERIFY(a.w->optionsWindow);
        a.w->optionsWindow->Btndeletedetails->click();
        QVERIFY(!QFile::exists(QString::fromStdString(d.files.pathOf(1))));
        a.w->optionsWindow->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A full disk is told once; play goes on and the record is still stored.
    void aJournalThatCannotBeWrittenIsToldOnce()
    {
        Disk d;
        d.full = true;
        Run a(d, kSeed);
        int games = 0;
        a.playUntil([&games] { return ++games > 5; });
        QCOMPARE(a.notes.size(), std::size_t { 1 });
        QVERIFY(a.notes.front().find("cannot be written") != std::string::npos);
        QCOMPARE(d.records[1].bank, a.player.bank);
    }

    void aJournalThatCannotBeReadIsToldOnceAndLeavesTheRecord()
    {
        Disk d;
        {
            QFile f(QString::fromStdString(d.files.pathOf(1)));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("slots_tarnix journal 1\nphase 3\nbank 999999\n");
        }
        {
            Run a(d, kSeed);
            QCOMPARE(a.notes.size(), std::size_t { 1 });
            QCOMPARE(a.player.bank, 20000);
        }
        QVERIFY(QFile::exists(QString::fromStdString(d.files.pathOf(1) + ".damaged")));
        Run again(d, kSeed);
        QVERIFY(again.notes.empty());
    }
};

QTEST_MAIN(CrashResumeTest)
#include "test_crash_resume.moc"
