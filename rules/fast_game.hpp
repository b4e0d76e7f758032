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
    };
    struct Entry {
        std::int32_t units = 0; // pays of the lines whose run has ended by reel 3
        bool wildWin = false;
        std::uint32_t firstOpen = 0;
        std::uint8_t openCount = 0; // lines still running after three matching reels
    };
    const Entry &at(int a, int b, int c) const
    {
        return entries[static_cast<std::size_t>(((a - 1) * kStops + (b - 1)) * kStops + (c - 1))];
    }
    const OpenLine &open(std::uint32_t i) const { return openLines[i]; }
    int lines() const { return lineCount; }

private:
    int lineCount;
    std::vector<Entry> entries;
    std::vector<OpenLine> openLines;
};

struct FastWindow {
    int lineUnits = 0;
    int scatters = 0;
    bool wildWin = false;
};

FastWindow judgeWindow(const PartialTable &table, const std::array<int, kReels + 1> &stops);

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

private:
    struct Standing {
        std::int64_t thiswin;
        int scatters;
    };
    Standing playGame(RoundResult &r); // one counted game with its replacements
    const PartialTable &table;
    Rng &rng;
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

} // namespace slot
