// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Complete games at simulation speed: the same rules and the same draws as HeadlessGame,
// with the window judged from precomputed reel-1-to-3 partials instead of line sums.
// The tests require both to give identical results from the same seed.
#pragma once

#include "rules/game_tables.hpp"
#include "rules/rng.hpp"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace slot
{

// Every line's run through reels 1 to 3, for each of the 22^3 stop combinations.
class PartialTable
{
public:
    explicit PartialTable(int lines);
    struct OpenLine {
        std::uint8_t line;
        Sym symbol;
        bool wild; // a wild already in the run (reels 2 or 3)
        std::uint32_t tail; // where its pays by reels 4 and 5 start in tails()
    };
    // Eight bytes, so that the whole table stays in the second-level cache.
    struct Entry {
        std::uint8_t units = 0; // pays of the lines whose run has ended by reel 3 (zebra pairs)
        bool wildWin = false;
        std::uint8_t scatters = 0; // reels 1 to 3 that show the scatter
        std::uint8_t openCount = 0; // lines still running after three matching reels
        std::uint32_t firstOpen = 0; // the line that pays nothing when none are running
    };
    // What a run of three goes on to pay, by its symbol, its rows on reels 4 and 5 and their
    // stops: the pay in the low 15 bits, and the top bit when a wild on reel 4 carries it.
    // One lookup instead of two symbol comparisons that no branch predictor can guess.
    static constexpr std::uint16_t kTailWild = 0x8000;
    static std::uint32_t tailOffset(Sym symbol, int row4, int row5)
    {
        return static_cast<std::uint32_t>(
            ((index(symbol) - 1) * 9 + (row4 - 1) * 3 + (row5 - 1)) * kStops * kStops);
    }
    static const std::vector<std::uint16_t> &tails(); // ends in one stretch of zero pays
    static_assert(kLines * 2 <= 255, "zebra pairs fit a byte");
    const Entry &at(int a, int b, int c) const
    {
        return entries[static_cast<std::size_t>(((a - 1) * kStops + (b - 1)) * kStops + (c - 1))];
    }
    const OpenLine &open(std::uint32_t i) const { return openLines[i]; }
    int lines() const { return lineCount; }
    std::uint16_t tail(std::uint32_t i) const { return tailCodes[i]; }
    int scattersOn4And5(int d, int e) const
    {
        return lastScatters[static_cast<std::size_t>((d - 1) * kStops + e - 1)];
    }

private:
    int lineCount;
    const std::uint16_t *tailCodes;
    std::array<std::uint8_t, kStops * kStops> lastScatters {};
    std::vector<Entry> entries;
    std::vector<OpenLine> openLines;
};

// How far a line still running after reel 3 reaches: 3, 4 or 5 reels; wild is set when a wild
// on reel 4 carries it.
inline int runThrough(
    const PartialTable::OpenLine &o, const std::array<int, kReels + 1> &stops, bool &wild)
{
    const auto &rows = tables::paylineRows[o.line];
    const Sym s4 = symbolAt(4, stops[4], rows[4]);
    if (s4 != o.symbol && s4 != kWild) {
        return 3;
    }
    wild = wild || s4 == kWild;
    return symbolAt(5, stops[5], rows[5]) == o.symbol ? 5 : 4;
}

struct FastWindow {
    int lineUnits = 0;
    int scatters = 0;
    bool wildWin = false;
};

// Inline, so that the result never goes through memory: handing back its three fields from a
// call cost a store-forwarding stall on every game. Stops count from 0 here.
inline FastWindow judgeStops(const PartialTable &table, int a, int b, int c, int d, int e)
{
    const auto &entry = table.at(a + 1, b + 1, c + 1);
    const auto last = static_cast<std::uint32_t>(d * kStops + e);
    // The first running line is judged without a test: a position with none points at a line
    // whose pays are all zero. Seven positions in ten have none, so a loop that starts by
    // asking would guess wrong on a good share of games.
    const auto &first = table.open(entry.firstOpen);
    const std::uint16_t firstCode = table.tail(first.tail + last);
    int units = entry.units + (firstCode & ~PartialTable::kTailWild);
    bool wildWin = entry.wildWin | first.wild | ((firstCode & PartialTable::kTailWild) != 0);
    for (std::uint32_t i = entry.firstOpen + 1; i < entry.firstOpen + entry.openCount; ++i) {
        const auto &o = table.open(i);
        const std::uint16_t code = table.tail(o.tail + last);
        units += code & ~PartialTable::kTailWild;
        wildWin |= o.wild | ((code & PartialTable::kTailWild) != 0);
    }
    FastWindow w;
    w.lineUnits = units;
    w.wildWin = wildWin;
    w.scatters = entry.scatters + table.scattersOn4And5(d + 1, e + 1);
    return w;
}

inline FastWindow judgeWindow(const PartialTable &table, const std::array<int, kReels + 1> &stops)
{
    return judgeStops(table, stops[1] - 1, stops[2] - 1, stops[3] - 1, stops[4] - 1, stops[5] - 1);
}

struct RoundResult {
    std::int64_t won = 0; // all wins of the paid game and of any feature it started
    std::int64_t featureWon = 0;
    int discards = 0;
    int evaluated = 0;
    bool hit = false; // the paid game itself won something
    bool feature = false;
};

// One player at one bet and line count, playing paid games and every feature to its collect.
class FastGame
{
public:
    FastGame(const PartialTable &table, int betIndex, Rng &rng);
    RoundResult playRound();
    // Paid games one after another, each handed to sink with everything it started. The paid
    // game's steps run on locals, the generator's state among them, so that nothing goes
    // through memory between draws; a feature, one round in about 150, takes playRound's steps.
    template <class Sink> void playRounds(std::uint64_t rounds, Sink &&sink);

private:
    struct Standing {
        std::int64_t thiswin;
        int scatters;
    };
    void finishRound(RoundResult &r, Standing g); // from a round's paid game to its collect
    static const std::array<std::array<std::uint8_t, kStops>, kReels + 1> &wildBits();
    Standing playGame(RoundResult &r); // one counted game with its replacements
    template <class Draw> Standing playGameWith(RoundResult &r, Draw &&draw);
    int draw(int n) { return own ? own->drawFast(n) : rng.draw(n); }
    const PartialTable &table;
    Rng &rng;
    GameRng *own;
    int lines;
    int bet;
    std::int64_t stake;
    std::array<int, kReels + 1> reelstop {};
    std::array<bool, kReels + 1> wildhold {};
    std::array<bool, kReels + 1> held {};
    int freespins = 0;
    int freespinsdone = 0;
    std::int64_t total = 0; // the player's statistics, read by the 2000 % rule
    std::int64_t wager = 0;
};

template <class Sink> void FastGame::playRounds(std::uint64_t rounds, Sink &&sink)
{
    if (!own) {
        for (std::uint64_t i = 0; i < rounds; ++i) {
            sink(playRound());
        }
        return;
    }
    const auto &wild = wildBits();
    std::array<std::int64_t, 6> scatterWin {};
    for (std::size_t n = 0; n < scatterWin.size(); ++n) {
        scatterWin[n] = static_cast<std::int64_t>(tables::scatterPay[n]) * lines;
    }
    GameRng g = *own;
    // Bit r set: reel r (2 to 4) shows a wild and stays for the next game.
    unsigned hold = 0;
    int a = 0;
    int b = 0;
    int c = 0;
    int d = 0;
    int e = 0;
    std::int64_t played = 0;
    std::int64_t staked = 0;
    const auto load = [&] {
        g = *own;
        hold = 0;
        for (std::size_t reel = 2; reel <= 4; ++reel) {
            hold |= static_cast<unsigned>(wildhold[reel]) << reel;
        }
        b = reelstop[2] - 1;
        c = reelstop[3] - 1;
        d = reelstop[4] - 1;
        played = total;
        staked = wager;
    };
    const auto store = [&] {
        *own = g;
        for (std::size_t reel = 2; reel <= 4; ++reel) {
            wildhold[reel] = (hold >> reel) & 1u;
        }
        reelstop = { 0, a + 1, b + 1, c + 1, d + 1, e + 1 };
        total = played;
        wager = staked;
    };
    load();
    for (std::uint64_t round = 0; round < rounds; ++round) {
        RoundResult r;
        std::int64_t thiswin = 0;
        int scatters = 0;
        for (;;) {
            ++r.evaluated;
            const unsigned heldNow = hold;
            a = g.drawFast(kStops) - 1;
            if (!(heldNow & 4u)) {
                b = g.drawFast(kStops) - 1;
            }
            if (!(heldNow & 8u)) {
                c = g.drawFast(kStops) - 1;
            }
            if (!(heldNow & 16u)) {
                d = g.drawFast(kStops) - 1;
            }
            e = g.drawFast(kStops) - 1;
            hold = heldNow | wild[2][static_cast<std::size_t>(b)]
                | wild[3][static_cast<std::size_t>(c)] | wild[4][static_cast<std::size_t>(d)];
            const FastWindow w = judgeStops(table, a, b, c, d, e);
            // No multiplier: a paid game is never a free game.
            thiswin = w.lineUnits * static_cast<std::int64_t>(bet)
                + scatterWin[static_cast<std::size_t>(w.scatters)] * bet;
            played += thiswin;
            staked += stake;
            const bool farAhead = w.scatters > 2 && staked != 0
                && static_cast<double>(played) / static_cast<double>(staked) * 100.0 > 2000.0;
            // A power of two needs no rounding guard: the top two bits are the cabinet's draw.
            const bool keptByChance = farAhead ? false : (g.next() >> 62) == 0;
            const bool discard
                = !keptByChance & (heldNow == 0) & ((thiswin > 2 * stake) | (w.scatters > 2));
            if (discard) [[unlikely]] {
                played -= thiswin;
                staked -= stake;
                hold = 0;
                ++r.discards;
                continue;
            }
            if (a != kStops - 1) {
                hold &= ~heldNow;
            }
            scatters = w.scatters;
            break;
        }
        if (scatters >= 3) [[unlikely]] {
            store();
            finishRound(r, { thiswin, scatters });
            load();
        } else {
            r.won = thiswin;
            r.hit = thiswin > 0;
        }
        sink(r);
    }
    store();
}

} // namespace slot
