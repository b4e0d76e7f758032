// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The journal's entries and files: what is written reads back whole, and anything else is
// refused, set aside once as `.damaged` and never resumed.
#include "journal/game_journal.hpp"
#include "rules/headless_game.hpp"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace slot;

namespace
{

// An entry from real play: a few games at 25 lines and a gamble's cards.
JournalEntry playedEntry()
{
    GameRng rng(77);
    HeadlessGame g(rng);
    g.p.bank = 5000;
    g.p.playerslot = "3";
    GameRecall recall(nullptr, [] { return std::time_t { 1'800'000'000 }; });
    const GameWatch watch = recall.watcher();
    for (int i = 0; i < 30; ++i) {
        g.s.linesplayed = 25;
        playGame(g.s, g.p, rng, 2, &watch);
        playFeatureToEnd(g.s, g.p, rng, &watch);
        g.collect();
    }
    JournalEntry e;
    e.phase = JournalPhase::GambleDrawn;
    e.slot = 3;
    e.sequence = 41;
    e.rng = rng.saveState();
    e.state = g.s;
    e.player = g.p;
    e.draws = { { GambleBet::Red, 1, true, 40, 9 }, { GambleBet::Spades, 2, false, 80, 10 } };
    e.recall = recall.slotState(3);
    e.recall.newestInSession = true;
    e.offered = true;
    e.table = true;
    return e;
}

} // namespace

class JournalEntryTest : public QObject
{
    Q_OBJECT

private slots:
    void anEntryReadsBackWithEveryValue()
    {
        const JournalEntry e = playedEntry();
        QVERIFY(!e.recall.ring.empty());
        const std::string text = encodeJournal(e);
        const auto back = decodeJournal(text);
        QVERIFY(back);
        QCOMPARE(encodeJournal(*back), text);
        QCOMPARE(back->phase, e.phase);
        QCOMPARE(back->rng, e.rng);
        QCOMPARE(back->draws, e.draws);
        QCOMPARE(back->player.total, e.player.total);
        QCOMPARE(back->state.linesum, e.state.linesum);
        QCOMPARE(back->state.reelstop3, e.state.reelstop3);
        QVERIFY(back->recall.ring == e.recall.ring);
        QVERIFY(back->offered && back->table && back->recall.newestInSession);
    }

    // A torn or altered entry must never resume a game nobody played.
    void aCutOrAlteredEntryIsRefused()
    {
        const std::string text = encodeJournal(playedEntry());
        for (std::size_t keep : { std::size_t { 0 }, std::size_t { 10 }, text.size() / 2,
                 text.size() - 2, text.size() - 1 }) {
            QVERIFY2(!decodeJournal(text.substr(0, keep)), qPrintable(QString::number(keep)));
        }
        std::string altered = text;
        altered[altered.find("bank ") + 5] ^= 1; // one digit of the credit
        QVERIFY(!decodeJournal(altered));
        QVERIFY(!decodeJournal(text + "x\n"));
        QVERIFY(!decodeJournal("slots_tarnix journal 1\nsum 0\n"));
    }

    void aDamagedJournalIsSetAsideOnceAndNothingIsResumed()
    {
        QTemporaryDir dir;
        FileJournalStore store(dir.path().toStdString() + "/state");
        JournalEntry e = playedEntry();
        QVERIFY(store.write(3, encodeJournal(e)));
        {
            QFile f(QString::fromStdString(store.pathOf(5)));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("slots_tarnix journal 1\nphase 2\n"); // cut short by a failing disk
        }
        GameJournal journal(&store);
        GameRng rng(1);
        GameJournal::AtStart found = journal.atStart(rng);
        QVERIFY(found.damaged);
        QVERIFY(found.resume);
        QCOMPARE(found.resume->slot, 3);
        QCOMPARE(rng.saveState(), e.rng); // the generator goes on from the journal
        QVERIFY(QFile::exists(QString::fromStdString(store.pathOf(5) + ".damaged")));
        QVERIFY(!QFile::exists(QString::fromStdString(store.pathOf(5))));
        // Told once: the next start finds nothing damaged.
        GameJournal again(&store);
        QVERIFY(!again.atStart(rng).damaged);
    }

    // A folder or a link where the journal belongs is not read, only moved out of the way.
    void somethingOtherThanAFileIsNotRead()
    {
        QTemporaryDir dir;
        FileJournalStore store(dir.path().toStdString());
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("journal-player1")));
        std::string text;
        QCOMPARE(store.read(1, text), JournalStore::Found::Unreadable);
        QVERIFY(
            QFile::link(QStringLiteral("/etc/passwd"), QString::fromStdString(store.pathOf(2))));
        QCOMPARE(store.read(2, text), JournalStore::Found::Unreadable);
        GameJournal journal(&store);
        GameRng rng(1);
        QVERIFY(journal.atStart(rng).damaged);
        QCOMPARE(store.read(1, text), JournalStore::Found::Nothing);
        QVERIFY(QFile::exists(QString::fromStdString(store.pathOf(1) + ".damaged")));
    }

    // Leaving and a first start close the journal with nothing to resume; a settled game keeps
    // the table for a start after a crash; the newest open entry wins over older closed ones.
    void onlyAGameInProgressOrAStandingTableIsResumed()
    {
        QTemporaryDir dir;
        FileJournalStore store(dir.path().toStdString());
        GameJournal journal(&store);
        GameRecall recall;
        MainState s;
        PlayerState p;
        p.playerslot = "2";
        GameRng rng(5);
        QVERIFY(journal.commit(JournalPhase::Idle, s, p, rng, recall, false, false));
        GameRng fresh(9);
        QVERIFY(!GameJournal(&store).atStart(fresh).resume);
        QCOMPARE(fresh.saveState(), rng.saveState());
        p.playerslot = "4";
        QVERIFY(journal.commit(JournalPhase::FeatureNext, s, p, rng, recall));
        const auto found = GameJournal(&store).atStart(fresh);
        QVERIFY(found.resume);
        QCOMPARE(found.resume->slot, 4);
        QVERIFY(journal.settle(
            p, rng, true, [](const PlayerState &) { return true; }, recall, s));
        const auto atRest = GameJournal(&store).atStart(fresh);
        QVERIFY(
            atRest.resume && atRest.resume->phase == JournalPhase::Idle && atRest.resume->offered);
        // A record that could not be stored keeps the game open for the next start.
        QVERIFY(journal.commit(JournalPhase::Stands, s, p, rng, recall));
        QVERIFY(!journal.settle(
            p, rng, false, [](const PlayerState &) { return false; }, recall, s));
        QCOMPARE(GameJournal(&store).atStart(fresh).resume->phase, JournalPhase::Stands);
        QVERIFY(journal.forget(4));
        QVERIFY(!GameJournal(&store).atStart(fresh).resume);
    }
};

QTEST_APPLESS_MAIN(JournalEntryTest)
#include "journal_entry_test.moc"
