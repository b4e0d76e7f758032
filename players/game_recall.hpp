// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Game recall: the last ten paid games of each player slot, exactly as they stood, and the
// story of this run's session. Plain C++: the cabinet calls the hooks at the moments a game
// stands, settles, is collected or gambled, and the window only reads.
#pragma once

#include "flow/game_state.hpp"
#include "gamble/gamble_rules.hpp"
#include "rules/headless_game.hpp"

#include <array>
#include <ctime>
#include <deque>
#include <functional>
#include <limits>
#include <map>
#include <string>
#include <vector>

namespace slot
{

inline constexpr int kRecallGames = 10;

struct RecallLine {
    int line = 0; // payline 1..25
    int count = 0; // symbols matched from reel 1
    Sym symbol = Sym::None;
    Money pay = 0; // before any free-game multiplier
    bool operator==(const RecallLine &) const = default;
};

// One window that stood: what the player saw and what it paid.
struct RecallGame {
    std::array<Sym, kCells> window {}; // top row, then middle, then bottom; reels left to right
    std::array<bool, kReels + 1> held {}; // [2]..[4]: the reel kept its wild from the game before
    std::vector<RecallLine> lines;
    int scatters = 0;
    Money scatterPay = 0;
    int multiplier = 1; // free games only; 1 when no winning line ran over a wild
    Money win = 0; // everything the game paid, multiplier included
    int freeGamesAwarded = 0; // a trigger or a retrigger
    bool operator==(const RecallGame &) const = default;

    Sym at(int reel, int row) const
    {
        return window[static_cast<std::size_t>((row - 1) * kReels + reel - 1)];
    }
};

struct RecallDraw {
    GambleBet bet = GambleBet::Red;
    Money stake = 0; // at risk when the card was drawn
    int card = 0; // 1 hearts, 2 clubs, 3 diamonds, 4 spades
    bool won = false;
    bool operator==(const RecallDraw &) const = default;
};

enum class GambleEnding { Open, TakeWin, Lost, SettledOnQuit };

struct RecallGamble {
    bool opened = false;
    Money stake = 0; // the win it staked
    std::vector<RecallDraw> draws;
    GambleEnding ending = GambleEnding::Open;
    Money paid = 0; // what went back into the credit
    bool operator==(const RecallGamble &) const = default;
};

struct RecallEntry {
    std::string when; // local date and time, as the player's clock showed it
    int linesPlayed = 0;
    int betPerLine = 0;
    Money stake = 0;
    RecallGame game;
    bool feature = false;
    std::vector<RecallGame> freeGames;
    bool collected = false;
    bool collectedOnQuit = false;
    Money collect = 0;
    RecallGamble gamble;
    Money creditBefore = 0;
    Money creditAfter = 0;
    bool settled = false; // its money is all in the credit (a feature waits for its collect)
    bool operator==(const RecallEntry &) const = default;

    // What the game finally gave the player: the win or the collect, with a gamble's result
    // in place of what the gamble staked.
    Money paid() const;
};

// Newest first, never more than kRecallGames.
using RecallRing = std::deque<RecallEntry>;

struct SessionMeters {
    std::time_t started = 0; // the first paid game of this run on the slot; 0 before it
    int paidGames = 0;
    long long staked = 0;
    std::vector<Money> paid; // what each settled game finally paid
    // The credit before the session's first game, then after each settled game.
    std::vector<Money> credit;

    long long won() const;
    long long biggestWin() const;
    long long net() const { return won() - staked; }
    long long secondsPlayed(std::time_t now) const { return started ? now - started : 0; }
};

// Where a slot's recall is kept between runs; the recorder works without one (tests, a
// home that cannot be found).
class RecallStorage
{
public:
    virtual ~RecallStorage() = default;
    // Empty ring for a missing file; a damaged one is set aside and read as empty.
    virtual RecallRing load(int slot) = 0;
    // False when the ring did not reach the disk; play goes on regardless.
    virtual bool store(int slot, const RecallRing &ring) = 0;
};

// A slot's recall as it stands in memory, kept in the crash journal so that a resumed game
// goes on filling the same entry and the ring on disk ends as it would have without the crash.
struct RecallSlotState {
    RecallRing ring;
    bool newestInSession = false;
    bool newestCounted = false;
};

class GameRecall
{
public:
    using Clock = std::function<std::time_t()>;
    explicit GameRecall(RecallStorage *storage = nullptr, Clock clock = {});

    // A result stood (the payback check kept it), before the money settles and before the
    // reel animation clears the held markers.
    void resultStands(const MainState &s, const PlayerState &p);
    // The game's money settled: a paid game's win is in the credit, a feature game counted.
    void gameSettled(const MainState &s, const PlayerState &p);
    // The collect paid the feature's win meter (lastcollect) into the credit.
    void featureCollected(const MainState &s, const PlayerState &p);
    void gambleOpened(const MainState &s, const PlayerState &p);
    // Called once the card is known, before its win or loss moves any money.
    void gambleDrawn(GambleBet bet, int card, bool won, Money stake);
    // TAKE WIN or a lost draw gave the cabinet back.
    void gambleEnded(const MainState &s, const PlayerState &p);
    // For the free games a quit plays out without their window.
    GameWatch watcher();
    // Leaving settled what was owed: atriskBefore is the stake at risk before the settling.
    void quitSettled(
        const MainState &s, bool gambleWasOpen, Money atriskBefore, const PlayerState &p);
    // Delete details: the slot's recall and its session are gone too.
    void clearSlot(int slot);

    RecallSlotState slotState(int slot);
    // Puts a journalled slot back and stores its ring.
    void resumeSlot(int slot, const RecallSlotState &state);

    const RecallRing &ring(int slot);
    const SessionMeters &session(int slot);
    std::time_t now() const { return clock(); }
    bool lastStoreFailed() const { return storeFailed; }

private:
    struct Slot {
        bool loaded = false;
        RecallRing ring;
        SessionMeters session;
        bool newestInSession = false; // the newest entry was played in this run
        bool newestCounted = false; // and the session has counted its settlement
    };
    Slot &slotFor(const PlayerState &p);
    Slot &slot(int n);
    RecallEntry *open(Slot &s); // the newest entry, when it was played in this run
    void entrySettled(Slot &s);
    void store(int n, const Slot &s);

    RecallStorage *storage;
    Clock clock;
    std::map<int, Slot> bySlot;
    int currentSlot = 0;
    bool storeFailed = false;
    RecallGame standing;
    bool standingPaid = false;
    bool hasStanding = false;
    Money standingBank = 0;
    Short freespinsBefore = 0;
};

// The local date and time of a moment, "2026-12-09 11:40:05".
std::string localTimeText(std::time_t t);

const char *betName(GambleBet bet);
const char *endingName(GambleEnding e);

} // namespace slot
