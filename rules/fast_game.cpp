// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The draws are taken in exactly the order the cabinet takes them: stops, multiplier,
// payback chance, then the feature tune.
#include "rules/fast_game.hpp"

namespace slot
{

namespace
{

bool showsSymbol(int reel, int stop, Sym sym)
{
    for (int row = 1; row <= 3; ++row) {
        if (symbolAt(reel, stop, row) == sym) {
            return true;
        }
    }
    return false;
}

int pay(Sym symbol, int run)
{
    return tables::linePay[static_cast<std::size_t>(index(symbol))][static_cast<std::size_t>(run)];
}

struct StopFacts {
    std::array<std::array<bool, kStops + 1>, kReels + 1> scatter {};
    std::array<std::array<bool, kStops + 1>, kReels + 1> wild {};
    StopFacts()
    {
        for (int reel = 1; reel <= kReels; ++reel) {
            for (int stop = 1; stop <= kStops; ++stop) {
                scatter[static_cast<std::size_t>(reel)][static_cast<std::size_t>(stop)]
                    = showsSymbol(reel, stop, kScatter);
                wild[static_cast<std::size_t>(reel)][static_cast<std::size_t>(stop)]
                    = showsSymbol(reel, stop, kWild);
            }
        }
    }
};

const StopFacts &facts()
{
    static const StopFacts f;
    return f;
}

} // namespace

PartialTable::PartialTable(int lines)
    : lineCount(lines < 1    ? 1
            : lines > kLines ? kLines
                             : lines)
{
    tailCodes = tails().data();
    for (int d = 1; d <= kStops; ++d) {
        for (int e = 1; e <= kStops; ++e) {
            lastScatters[static_cast<std::size_t>((d - 1) * kStops + e - 1)]
                = static_cast<std::uint8_t>(facts().scatter[4][static_cast<std::size_t>(d)]
                    + facts().scatter[5][static_cast<std::size_t>(e)]);
        }
    }
    entries.resize(static_cast<std::size_t>(kStops * kStops * kStops));
    openLines.push_back({ 0, kWild, false,
        static_cast<std::uint32_t>(tails().size() - static_cast<std::size_t>(kStops * kStops)) });
    for (int a = 1; a <= kStops; ++a) {
        for (int b = 1; b <= kStops; ++b) {
            for (int c = 1; c <= kStops; ++c) {
                Entry &e = entries[static_cast<std::size_t>(
                    ((a - 1) * kStops + (b - 1)) * kStops + (c - 1))];
                e.firstOpen = static_cast<std::uint32_t>(openLines.size());
                const auto &f = facts();
                e.scatters = static_cast<std::uint8_t>(f.scatter[1][static_cast<std::size_t>(a)]
                    + f.scatter[2][static_cast<std::size_t>(b)]
                    + f.scatter[3][static_cast<std::size_t>(c)]);
                const int stops[] = { 0, a, b, c };
                for (int line = 1; line <= lineCount; ++line) {
                    const auto &rows = tables::paylineRows[static_cast<std::size_t>(line)];
                    const Sym first = symbolAt(1, a, rows[1]);
                    if (!isOrdinary(first)) {
                        continue;
                    }
                    int run = 1;
                    bool wild = false;
                    for (int reel = 2; reel <= 3; ++reel) {
                        const Sym s
                            = symbolAt(reel, stops[reel], rows[static_cast<std::size_t>(reel)]);
                        if (s != first && s != kWild) {
                            break;
                        }
                        wild = wild || s == kWild;
                        ++run;
                    }
                    if (run == 3) {
                        openLines.push_back({ static_cast<std::uint8_t>(line), first, wild,
                            tailOffset(first, rows[4], rows[5]) });
                        ++e.openCount;
                    } else if (run == 2 && pay(first, 2) > 0) {
                        e.units = static_cast<std::uint8_t>(e.units + pay(first, 2));
                        e.wildWin = e.wildWin || wild;
                    }
                }
                if (e.openCount == 0) {
                    e.firstOpen = 0;
                }
            }
        }
    }
}

const std::vector<std::uint16_t> &PartialTable::tails()
{
    static const std::vector<std::uint16_t> table = [] {
        std::vector<std::uint16_t> t(
            static_cast<std::size_t>((kOrdinarySymbols * 9 + 1) * kStops * kStops));
        std::array<int, kReels + 1> stops {};
        for (int i = 1; i <= kOrdinarySymbols; ++i) {
            const auto symbol = static_cast<Sym>(i);
            // A made-up line through the wanted rows: runThrough reads only reels 4 and 5.
            for (std::uint8_t line = 1; line <= kLines; ++line) {
                const auto &rows = tables::paylineRows[line];
                for (stops[4] = 1; stops[4] <= kStops; ++stops[4]) {
                    for (stops[5] = 1; stops[5] <= kStops; ++stops[5]) {
                        bool wild = false;
                        const int run = runThrough({ line, symbol, false, 0 }, stops, wild);
                        t[tailOffset(symbol, rows[4], rows[5])
                            + static_cast<std::uint32_t>((stops[4] - 1) * kStops + stops[5] - 1)]
                            = static_cast<std::uint16_t>(pay(symbol, run) | (wild ? kTailWild : 0));
                    }
                }
            }
        }
        return t;
    }();
    return table;
}

FastGame::FastGame(const PartialTable &t, int betIndex, Rng &source)
    : table(t)
    , rng(source)
    , own(dynamic_cast<GameRng *>(&source))
    , lines(t.lines())
    , bet(tables::betPerButton[static_cast<std::size_t>(
          betIndex < 1 || betIndex > 6 ? 1 : betIndex)])
    , stake(static_cast<std::int64_t>(bet) * lines)
{
}

template <class Draw> FastGame::Standing FastGame::playGameWith(RoundResult &r, Draw &&draw)
{
    const auto &f = facts();
    for (;;) {
        ++r.evaluated;
        reelstop[1] = draw(kStops);
        for (std::size_t reel = 2; reel <= 4; ++reel) {
            if (wildhold[reel]) {
                held[reel] = true;
            } else {
                reelstop[reel] = draw(kStops);
            }
            // Or-ed rather than tested: whether a stop shows the wild is a coin no predictor
            // guesses.
            wildhold[reel]
                = wildhold[reel] | f.wild[reel][static_cast<std::size_t>(reelstop[reel])];
        }
        reelstop[5] = draw(kStops);
        const FastWindow w = judgeWindow(table, reelstop);
        std::int64_t thiswin = static_cast<std::int64_t>(w.lineUnits) * bet
            + static_cast<std::int64_t>(tables::scatterPay[static_cast<std::size_t>(w.scatters)])
                * bet * lines;
        if (freespinsdone > 0 || freespinsdone == freespins - 1) {
            const int r25 = draw(25);
            const int multiplier = r25 == 1 ? 10 : r25 <= 5 ? 5 : r25 <= 14 ? 3 : 2;
            thiswin *= w.wildWin ? multiplier : 1;
        }
        total += thiswin;
        wager += stake;

        // Only a trigger asks whether the player is far ahead, so only a trigger divides.
        const bool farAhead = w.scatters > 2 && wager != 0
            && static_cast<double>(total) / static_cast<double>(wager) * 100.0 > 2000.0;
        const bool keptByChance = farAhead ? false : draw(4) == 1;
        const bool anyHeld = held[2] | held[3] | held[4];
        // Bitwise, not short-circuit: the one-in-four keep is a coin no predictor guesses,
        // while the combined outcome is rare.
        const bool discard = !keptByChance & !anyHeld & ((thiswin > 2 * stake) | (w.scatters > 2));
        if (discard) [[unlikely]] {
            total -= thiswin;
            wager -= stake;
            wildhold[2] = wildhold[3] = wildhold[4] = false;
            ++r.discards;
            continue;
        }
        // The reel animation: a held reel's flag clears unless reel 1 rests at stop 22.
        if (reelstop[1] != kStops) {
            for (std::size_t reel = 2; reel <= 4; ++reel) {
                if (held[reel]) {
                    wildhold[reel] = false;
                }
            }
        }
        held[2] = held[3] = held[4] = false;
        return { thiswin, w.scatters };
    }
}

FastGame::Standing FastGame::playGame(RoundResult &r)
{
    if (own) {
        // A copy on the stack whose address never escapes: its state stays in registers for
        // the whole game instead of going through memory between draws.
        GameRng local = *own;
        const Standing s = playGameWith(r, [&local](int n) { return local.drawFast(n); });
        *own = local;
        return s;
    }
    return playGameWith(r, [this](int n) { return rng.draw(n); });
}

RoundResult FastGame::playRound()
{
    RoundResult r;
    finishRound(r, playGame(r));
    return r;
}

void FastGame::finishRound(RoundResult &r, Standing g)
{
    bool paidGame = true;
    for (;;) {
        r.won += g.thiswin;
        if (paidGame) {
            r.hit = g.thiswin > 0;
        }
        if (g.scatters >= 3) {
            draw(2); // the feature tune
            freespins += tables::freeSpinAward[static_cast<std::size_t>(g.scatters)];
            r.feature = true;
        }
        if (freespinsdone < freespins) {
            ++freespinsdone;
            r.featureWon += g.thiswin;
            if (freespinsdone != freespins) {
                wager -= stake; // every feature game but the last is given its stake back
            }
        }
        paidGame = false;
        if (freespins == 0 || freespinsdone >= freespins) {
            break;
        }
        g = playGame(r);
    }
    freespins = 0;
    freespinsdone = 0;
}

const std::array<std::array<std::uint8_t, kStops>, kReels + 1> &FastGame::wildBits()
{
    static const auto bits = [] {
        std::array<std::array<std::uint8_t, kStops>, kReels + 1> out {};
        for (std::size_t reel = 1; reel <= kReels; ++reel) {
            for (std::size_t stop = 1; stop <= kStops; ++stop) {
                out[reel][stop - 1] = static_cast<std::uint8_t>(facts().wild[reel][stop] << reel);
            }
        }
        return out;
    }();
    return bits;
}

} // namespace slot
