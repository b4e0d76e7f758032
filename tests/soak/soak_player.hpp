// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// An unattended player for the real cabinet: random but legal moves, and after every move a
// ledger that must account for each credit in the bank.
#pragma once

#include "flow/tarnix.hpp"
#include "players/recall_file.hpp"
#include "players/record_store.hpp"
#include "rules/rng.hpp"
#include "support/fakes.hpp"

#include <QString>
#include <QTemporaryDir>
#include <array>
#include <deque>
#include <memory>
#include <optional>
#include <random>
#include <string>

namespace slot::test
{

// Every credit that entered or left the bank, by the way it came or went. Stakes and wins are
// the statistics' own deltas, so the ledger also proves that the statistics track the money.
struct Ledger {
    long long start = 0;
    long long coins = 0;
    long long quick = 0;
    long long zeroed = 0; // credit given up with Zero Credit
    long long stakes = 0; // sum of the moves' change in wager
    long long wins = 0; // sum of the moves' change in total (a lost gamble takes its stake out)

    // What the player is owed but does not hold yet.
    long long gambleStake = 0; // taken from the bank while the panel is open
    long long atRisk = 0; // what TAKE WIN pays, by the ledger's own doubling
    long long featureWins = 0; // won in the running feature, paid by the collect
    long long offer = 0; // what the double-up would stake: the last win paid

    long long expectedBank() const
    {
        return start + coins + quick - zeroed - stakes + wins - gambleStake - featureWins;
    }
};

struct Figures {
    Money bank = 0, games = 0, wager = 0, total = 0, amountinvested = 0;
    bool operator==(const Figures &) const = default;
};

class SoakPlayer
{
public:
    SoakPlayer(std::uint64_t seed, const QString &recordFile);
    ~SoakPlayer();

    // One random legal move and the ledger's checks; returns an empty string or the fault.
    std::string step();

    int moves = 0;
    int games = 0;
    int features = 0;
    int gambles = 0;
    int reloads = 0;
    int refusedPlays = 0;
    int impatientClicks = 0;
    Ledger ledger;
    std::string history() const;

private:
    void open();
    void quitAndReload();
    Figures figures() const;

    // The moves a player can make at rest.
    void insertCoin();
    void chooseLines();
    void playBet(bool bySpaceBar);
    void quickCredit();
    void zeroCredit();
    void gamble();
    void countWin();
    void options();
    // Starts a fresh ledger for the slot now in play, after checking its record is what was left.
    void enterSlot(int slot, const Figures &expected, const char *how);

    // The moves the game makes by itself or allows only there.
    void runFeature();
    void gambleDraws();

    // Clicks while a game runs, as an impatient player makes them: none may start anything.
    void impatient();

    // The newest recalled game must show the credit the ledger accounts for: before the move
    // that played it, and after the move that last changed it.
    void checkRecall(
        const Figures &before, int paidGamesBefore, const std::optional<RecallEntry> &newestBefore);

    void fault(const std::string &what);
    void note(std::string what);
    bool atRest() const;

    GameRng rng;
    std::mt19937_64 choose;
    ZeroPacing pacing;
    RecordingSound sound;
    PlayerState player;
    Services services { rng, pacing, sound };
    SettingsRecordStore store;
    QTemporaryDir recallDir; // on a memory file system when there is one: a flush per game
    FileRecallStorage recallFiles;
    std::unique_ptr<Tarnix> w;
    bool ended = false;
    bool inImpatience = false;
    std::string problem;
    std::deque<std::string> recent;
    // What each slot held when it was last left (zero for a slot never played).
    std::array<Figures, 7> slotFigures {};
    int slot = 1;
    bool rebased = false; // the move changed the slot: its figures are not a move's deltas
};

} // namespace slot::test
