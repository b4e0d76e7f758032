// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every entry holds whole values (the credit, the statistics, the recall as they stand), never
// changes to them: resuming from an entry that was already partly applied gives the same end.
#include "journal/game_journal.hpp"

#include "players/player_record.hpp"

namespace slot
{

GameJournal::GameJournal(JournalStore *s)
    : store(s)
{
}

bool GameJournal::commit(JournalPhase next, const MainState &s, const PlayerState &p,
    const Rng &rng, GameRecall &recall, bool offered, bool table)
{
    phase = next;
    offeredInEntry = offered;
    if (!store) {
        return false;
    }
    JournalEntry e;
    e.phase = next;
    e.slot = slotOf(p.playerslot).value_or(1);
    e.sequence = ++sequence;
    e.rng = rng.saveState();
    e.state = s;
    e.player = p;
    e.offered = offered;
    e.table = table;
    const RecallSlotState ring = recall.slotState(e.slot);
    e.recall.newestInSession = ring.newestInSession;
    e.recall.newestCounted = ring.newestCounted;
    // A closed journal leaves the money and the ring to the record and the recall file, which
    // a coin or a later save may have changed since; it keeps the generator and the offer.
    if (next != JournalPhase::Idle) {
        e.draws = draws;
        e.recall.ring = ring.ring;
    }
    writeFailed = !store->write(e.slot, encodeJournal(e));
    return !writeFailed;
}

bool GameJournal::settle(const PlayerState &p, const Rng &rng, bool offered,
    const std::function<bool(const PlayerState &)> &saveRecord, GameRecall &recall,
    const MainState &s, bool table)
{
    draws.clear();
    const bool saved = saveRecord(p);
    // Unsaved, the record on the disk is older than the game: the open entry must stay, so
    // that a crash still finishes it, and the next settlement tries again.
    if (!saved && store) {
        return false;
    }
    return commit(JournalPhase::Idle, s, p, rng, recall, offered, table);
}

bool GameJournal::settleGame(
    const PlayerState &p, const std::function<bool(const PlayerState &)> &saveRecord)
{
    draws.clear();
    return saveRecord(p);
}

bool GameJournal::closeBeforeRecord(
    const MainState &s, const PlayerState &p, const Rng &rng, GameRecall &recall, bool offered)
{
    if (phase == JournalPhase::Idle && offered == offeredInEntry) {
        return true;
    }
    return commit(JournalPhase::Idle, s, p, rng, recall, offered);
}

GameJournal::AtStart GameJournal::atStart(Rng &rng)
{
    AtStart found;
    if (!store) {
        return found;
    }
    std::optional<JournalEntry> newest;
    for (int slot = 1; slot <= 6; ++slot) {
        std::string text;
        const JournalStore::Found f = store->read(slot, text);
        if (f == JournalStore::Found::Nothing) {
            continue;
        }
        auto entry = f == JournalStore::Found::Text ? decodeJournal(text) : std::nullopt;
        if (!entry || entry->slot != slot) {
            store->setAside(slot);
            found.damaged = true;
            continue;
        }
        sequence = std::max(sequence, entry->sequence);
        if (!newest || entry->sequence > newest->sequence) {
            newest = entry;
        }
        if (needsResume(*entry) && (!found.resume || entry->sequence > found.resume->sequence)) {
            found.resume = std::move(entry);
        }
    }
    if (newest && newest->rng) {
        found.generatorKept = rng.restoreState(*newest->rng);
    }
    if (found.resume) {
        draws = found.resume->draws;
        phase = found.resume->phase;
        offeredInEntry = found.resume->offered;
    }
    return found;
}

bool GameJournal::forget(int slot)
{
    if (slot >= 1 && slot <= 6) {
        draws.clear();
    }
    return !store || store->remove(slot);
}

bool needsResume(const JournalEntry &entry)
{
    return entry.phase != JournalPhase::Idle || entry.table;
}

void restoreGame(const JournalEntry &e, MainState &s, PlayerState &p, Rng &rng, GameRecall &recall)
{
    // Leaving cleared the table: a start after it, crashed or not, begins with a fresh one.
    if (e.table || (e.phase != JournalPhase::Idle && e.phase != JournalPhase::Settled)) {
        s = e.state;
    }
    if (e.rng) {
        rng.restoreState(*e.rng);
    }
    p.playerslot = std::to_string(e.slot);
    if (e.phase == JournalPhase::Idle) {
        RecallSlotState stored = recall.slotState(e.slot);
        stored.newestInSession = e.recall.newestInSession;
        stored.newestCounted = e.recall.newestCounted;
        recall.resumeSlot(e.slot, stored);
        return;
    }
    p.bank = e.player.bank;
    p.games = e.player.games;
    p.wager = e.player.wager;
    p.total = e.player.total;
    p.amountinvested = e.player.amountinvested;
    p.winroll = e.player.winroll;
    p.reelspeed = e.player.reelspeed;
    recall.resumeSlot(e.slot, e.recall);
}

} // namespace slot
