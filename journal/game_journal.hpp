// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The crash journal as the cabinet uses it: an entry written at each point where something is
// decided, before the player can see it, and read back at start to finish what a crash cut off.
#pragma once

#include "journal/journal_entry.hpp"
#include "journal/journal_store.hpp"

#include <functional>
#include <optional>
#include <vector>

namespace slot
{

class GameJournal
{
public:
    explicit GameJournal(JournalStore *store = nullptr); // none: nothing is kept

    // Writes the slot's entry for `phase`; false when it did not reach the disk (play goes on,
    // as it does when the record cannot be stored).
    // `table` (closing entries only): the cabinet's table stands for the next game; false
    // when leaving, or at a first start, where the next run begins afresh.
    bool commit(JournalPhase phase, const MainState &s, const PlayerState &p, const Rng &rng,
        GameRecall &recall, bool offered = false, bool table = true);
    // The end of a game, collect or gamble: the record first, then the entry that closes the
    // journal, so a crash between the two finishes the same settlement again rather than twice.
    bool settle(const PlayerState &p, const Rng &rng, bool offered,
        const std::function<bool(const PlayerState &)> &saveRecord, GameRecall &recall,
        const MainState &s, bool table = true);

    // A paid game's end: the record only, which stays off the spin's time. The open entry
    // holds the settled game whole, so a crash before the next entry finishes it again to the
    // same credit; closeBeforeRecord closes it before anything else changes the record.
    bool settleGame(
        const PlayerState &p, const std::function<bool(const PlayerState &)> &saveRecord);
    // Before a coin, a credit command or the options change the record: an open entry would
    // otherwise put the old credit back after a crash.
    bool closeBeforeRecord(
        const MainState &s, const PlayerState &p, const Rng &rng, GameRecall &recall, bool offered);

    // The open gamble's card history, kept with every entry while the gamble lasts.
    void gambleOpened() { draws.clear(); }
    void cardDecided(const JournalDraw &draw) { draws.push_back(draw); }
    const std::vector<JournalDraw> &gambleDraws() const { return draws; }
    bool isOpen() const { return phase != JournalPhase::Idle; }
    // The last entry did not reach the disk (a full disk, a read-only state folder).
    bool lastWriteFailed() const { return writeFailed; }

    struct AtStart {
        std::optional<JournalEntry> resume; // a game in progress, or a double-up still offered
        bool damaged = false; // an entry could not be read and was set aside
        // No entry held the generator: the caller writes one at once, or a crash before the
        // first settled game would start the next run from a different draw.
        bool generatorKept = false;
    };
    // Reads every slot's entry: the generator goes on from the newest one, and the newest entry
    // with something in progress is handed back to be resumed.
    AtStart atStart(Rng &rng);
    // Delete details: the slot's journal goes too.
    bool forget(int slot);

private:
    JournalStore *store;
    std::uint64_t sequence = 0;
    std::vector<JournalDraw> draws;
    JournalPhase phase = JournalPhase::Idle;
    bool offeredInEntry = false;
    bool writeFailed = false;
};

// Whether an entry leaves something for the next start to do: a game in progress, or after a
// crash at rest the table as it stood (a held wild, the double-up offered).
bool needsResume(const JournalEntry &entry);

// Puts a journalled game back: the variables, the money, the generator and the recall (whose
// ring is stored again as it stood). The player's name stays what the record holds. A closed
// entry that still offers the double-up gives back only the variables and the generator:
// the record and the recall file hold the money then. The caller loads the slot's record first.
void restoreGame(
    const JournalEntry &entry, MainState &s, PlayerState &p, Rng &rng, GameRecall &recall);

} // namespace slot
