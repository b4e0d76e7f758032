// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The cabinet's journalled steps without a window: the same rules, the same order of writes and
// the same resume at start, so that a crash at any point can be checked against a run without one.
#pragma once

#include "journal/game_journal.hpp"

#include <functional>

namespace slot
{

// The disk as the cabinet sees it.
struct JournalledDisk {
    JournalStore &journal;
    RecallStorage &recall;
    std::function<bool(const PlayerState &)> saveRecord;
    std::function<void(int, PlayerState &)> loadRecord;
};

class JournalledGame
{
public:
    JournalledGame(JournalledDisk &disk, Rng &rng, GameRecall::Clock clock);

    // Slot 1's record, then whatever a crash left in progress; true when something was resumed.
    bool start();

    void coin();
    void quickCredit();
    void zeroCredit();
    // A paid game at `lines` (1, 5, 10, 20 or 25) and bet button `index`.
    void play(int lines, int index);
    void nextFreeGame();
    void collect();
    void openGamble();
    void draw(GambleBet bet);
    void takeWin();
    // The exit command: settle what is owed and store it.
    void quit();

    bool featureRunning() const { return s.freespins > 0 && s.freespinsdone < s.freespins; }
    bool collectWaiting() const { return s.freespins > 0 && s.freespinsdone >= s.freespins; }
    bool gambleOpen() const { return gamble; }
    bool gambleOffered() const { return offered; }

    MainState s;
    PlayerState p;
    GameRecall recall;

private:
    void runGame(int index);
    void finishStanding();
    void afterSettlement(Settlement settled);
    void applyDraw(const JournalDraw &draw);
    void endGamble();
    bool storeMoneyIn();

    JournalledDisk &disk;
    Rng &rng;
    GameJournal journal;
    bool gamble = false;
    bool offered = false;
};

} // namespace slot
