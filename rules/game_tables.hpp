// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The constant tables that define the game: symbols, reel strips, paylines, weights and pays.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace slot
{

// Ordinary symbols carry the index of their line-sum table (1..10); the wild and
// the scatter come after them and never have a line sum of their own.
enum class Sym : std::uint8_t {
    None = 0,
    J = 1,
    K = 2,
    zebra = 3,
    panda = 4,
    rhino = 5,
    Q = 6,
    kingfisher = 7,
    panther = 8,
    giraffe = 9,
    tiger = 10,
    lion = 11, // the wild
    elephant = 12, // the scatter
};

inline constexpr int kOrdinarySymbols = 10;
inline constexpr int kReels = 5;
inline constexpr int kStops = 22;
inline constexpr int kStripRows = 29;
inline constexpr int kLines = 25;
inline constexpr int kCells = 15;
inline constexpr Sym kWild = Sym::lion;
inline constexpr Sym kScatter = Sym::elephant;

constexpr int index(Sym s)
{
    return static_cast<int>(s);
}
constexpr bool isOrdinary(Sym s)
{
    return index(s) >= 1 && index(s) <= kOrdinarySymbols;
}

std::string_view symbolName(Sym s);

namespace tables
{

using enum Sym;

// reelStrip[reel - 1][row]: the picture of each reel, rows 0..28 from the top.
// Stop s shows rows s, s + 1 and s + 2; rows 0 and 25..28 only scroll past.
inline constexpr std::array<std::array<Sym, kStripRows>, kReels> reelStrip { {
    { zebra, elephant, J, K, zebra, kingfisher, J, rhino, zebra, Q, giraffe, zebra, elephant, J,
        giraffe, Q, tiger, J, panda, K, kingfisher, K, panther, elephant, zebra, rhino, Q, K,
        kingfisher },
    { K, zebra, lion, K, Q, zebra, J, Q, giraffe, elephant, rhino, panda, Q, J, tiger, K, zebra,
        kingfisher, tiger, Q, J, panther, giraffe, zebra, rhino, lion, K, Q, J },
    { kingfisher, elephant, zebra, Q, kingfisher, panda, J, rhino, kingfisher, giraffe, panda, lion,
        zebra, kingfisher, J, Q, rhino, panther, tiger, zebra, rhino, J, K, panda, zebra, rhino, Q,
        kingfisher, K },
    { elephant, rhino, panda, giraffe, K, zebra, giraffe, elephant, rhino, panda, Q, lion, J, zebra,
        K, kingfisher, zebra, J, panther, tiger, zebra, rhino, Q, kingfisher, panda, lion, K, rhino,
        J },
    { K, zebra, kingfisher, K, Q, panda, rhino, J, panther, elephant, rhino, zebra, giraffe, Q,
        panda, J, kingfisher, rhino, tiger, panther, giraffe, K, J, zebra, kingfisher, Q, panther,
        giraffe, Q },
} };

// paylineRows[line][reel]: window row (1 top, 2 middle, 3 bottom); index 0 unused.
inline constexpr std::array<std::array<std::uint8_t, kReels + 1>, kLines + 1> paylineRows { {
    { 0, 0, 0, 0, 0, 0 },
    { 0, 2, 2, 2, 2, 2 },
    { 0, 1, 1, 1, 1, 1 },
    { 0, 3, 3, 3, 3, 3 },
    { 0, 1, 2, 3, 2, 1 },
    { 0, 3, 2, 1, 2, 3 },
    { 0, 1, 1, 2, 1, 1 },
    { 0, 3, 3, 2, 3, 3 },
    { 0, 2, 1, 1, 1, 2 },
    { 0, 2, 3, 3, 3, 2 },
    { 0, 2, 2, 1, 2, 2 },
    { 0, 2, 2, 3, 2, 2 },
    { 0, 1, 2, 2, 2, 1 },
    { 0, 3, 2, 2, 2, 3 },
    { 0, 1, 2, 1, 2, 1 },
    { 0, 2, 1, 2, 1, 2 },
    { 0, 3, 2, 3, 2, 3 },
    { 0, 2, 3, 2, 3, 2 },
    { 0, 1, 3, 1, 3, 1 },
    { 0, 3, 1, 3, 1, 3 },
    { 0, 2, 1, 3, 1, 2 },
    { 0, 2, 3, 1, 3, 2 },
    { 0, 2, 1, 2, 3, 2 },
    { 0, 2, 3, 2, 1, 2 },
    { 0, 1, 1, 1, 2, 3 },
    { 0, 3, 3, 3, 2, 1 },
} };

// cellNumber[reel][row]: the serpentine numbering of the visible window (index 0 unused).
inline constexpr std::array<std::array<std::uint8_t, 4>, kReels + 1> cellNumber { {
    { 0, 0, 0, 0 },
    { 0, 1, 2, 3 },
    { 0, 6, 5, 4 },
    { 0, 7, 8, 9 },
    { 0, 12, 11, 10 },
    { 0, 13, 14, 15 },
} };

// The weights make every line sum name its run of matching reels uniquely.
inline constexpr std::array<std::int16_t, kReels + 1> reelWeight { 0, 8, 7, 6, 10, 20 };

// linePay[symbol][count]: credits per credit bet per line; 0 where nothing is paid.
inline constexpr std::array<std::array<std::int16_t, 6>, kOrdinarySymbols + 1> linePay { {
    { 0, 0, 0, 0, 0, 0 }, { 0, 0, 0, 5, 20, 100 }, // J
    { 0, 0, 0, 15, 50, 175 }, // K
    { 0, 0, 2, 10, 20, 100 }, // zebra
    { 0, 0, 0, 100, 250, 800 }, // panda
    { 0, 0, 0, 20, 40, 125 }, // rhino
    { 0, 0, 0, 10, 20, 100 }, // Q
    { 0, 0, 0, 50, 75, 150 }, // kingfisher
    { 0, 0, 0, 300, 600, 1500 }, // panther
    { 0, 0, 0, 20, 50, 150 }, // giraffe
    { 0, 0, 0, 100, 250, 800 }, // tiger
} };

// The order in which the ordinary symbols are tried on a line.
inline constexpr std::array<Sym, kOrdinarySymbols> lineTryOrder { rhino, panther, tiger, giraffe,
    panda, zebra, K, Q, kingfisher, J };

// Scatter pay and free-spin award by the number of reels showing the scatter.
inline constexpr std::array<std::int16_t, 6> scatterPay { 0, 0, 1, 5, 10, 20 };
inline constexpr std::array<std::int16_t, 6> freeSpinAward { 0, 0, 0, 11, 21, 31 };

// Bet per line of play(1)..play(6) and lines of payline(1)..payline(5).
inline constexpr std::array<std::int16_t, 7> betPerButton { 0, 1, 2, 3, 5, 10, 20 };
inline constexpr std::array<std::int16_t, 6> linesPerButton { 0, 1, 5, 10, 20, 25 };

} // namespace tables

// The symbol that reel (1..5) at stop (1..22) shows in window row (1..3).
constexpr Sym symbolAt(int reel, int stop, int row)
{
    return tables::reelStrip[static_cast<std::size_t>(reel - 1)]
                            [static_cast<std::size_t>(stop + row - 1)];
}

constexpr int cellOf(int reel, int row)
{
    return tables::cellNumber[static_cast<std::size_t>(reel)][static_cast<std::size_t>(row)];
}

// The lines that pass through one cell of a reel; 0 fills the unused slots.
struct RowLines {
    std::array<std::uint8_t, 11> line {};
    int count = 0;
};

namespace detail
{
constexpr std::array<std::array<RowLines, 4>, kReels + 1> makeRowLines()
{
    std::array<std::array<RowLines, 4>, kReels + 1> out {};
    for (int line = 1; line <= kLines; ++line) {
        for (int reel = 1; reel <= kReels; ++reel) {
            auto &rl
                = out[static_cast<std::size_t>(reel)][tables::paylineRows[static_cast<std::size_t>(
                    line)][static_cast<std::size_t>(reel)]];
            rl.line[static_cast<std::size_t>(rl.count++)] = static_cast<std::uint8_t>(line);
        }
    }
    return out;
}
} // namespace detail

// rowLines[reel][row]: the payline table inverted, as the reel steps use it.
inline constexpr auto rowLines = detail::makeRowLines();

// The bet button that stands for a bet per line, 0 when none does.
constexpr int buttonForBet(int betperline)
{
    for (int i = 1; i <= 6; ++i) {
        if (tables::betPerButton[static_cast<std::size_t>(i)] == betperline) {
            return i;
        }
    }
    return 0;
}

} // namespace slot
