// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The tables the whole game stands on: strips, lines, cells and what follows from them.
#include "rules/game_tables.hpp"
#include "support/windows.hpp"

#include <QTest>
#include <set>

using namespace slot;

class GameTables : public QObject
{
    Q_OBJECT

    static std::set<int> stopsShowing(int reel, Sym sym)
    {
        std::set<int> out;
        for (int stop = 1; stop <= kStops; ++stop) {
            if (test::showsOn(reel, stop, sym)) {
                out.insert(stop);
            }
        }
        return out;
    }

private slots:
    void stripDoesNotWrapAtEitherEnd()
    {
        QCOMPARE(symbolAt(1, 22, 1), Sym::panther);
        QCOMPARE(symbolAt(1, 22, 2), Sym::elephant);
        QCOMPARE(symbolAt(1, 22, 3), Sym::zebra);
        QCOMPARE(symbolAt(1, 1, 1), Sym::elephant);
        QCOMPARE(symbolAt(1, 1, 2), Sym::J);
        QCOMPARE(symbolAt(1, 1, 3), Sym::K);
    }

    void scattersAndWildsStandWhereTheGameExpectsThem()
    {
        QCOMPARE(stopsShowing(1, kScatter), (std::set<int> { 1, 10, 11, 12, 21, 22 }));
        QCOMPARE(stopsShowing(2, kScatter), (std::set<int> { 7, 8, 9 }));
        QCOMPARE(stopsShowing(3, kScatter), (std::set<int> { 1 }));
        QCOMPARE(stopsShowing(4, kScatter), (std::set<int> { 5, 6, 7 }));
        QCOMPARE(stopsShowing(5, kScatter), (std::set<int> { 7, 8, 9 }));
        QCOMPARE(stopsShowing(1, kWild), (std::set<int> {}));
        QCOMPARE(stopsShowing(2, kWild), (std::set<int> { 1, 2 }));
        QCOMPARE(stopsShowing(3, kWild), (std::set<int> { 9, 10, 11 }));
        QCOMPARE(stopsShowing(4, kWild), (std::set<int> { 9, 10, 11 }));
        QCOMPARE(stopsShowing(5, kWild), (std::set<int> {}));
    }

    void noStopShowsTwoScattersOrTwoWilds()
    {
        for (int reel = 1; reel <= kReels; ++reel) {
            for (int stop = 1; stop <= kStops; ++stop) {
                int scatters = 0, wilds = 0;
                for (int row = 1; row <= 3; ++row) {
                    scatters += symbolAt(reel, stop, row) == kScatter;
                    wilds += symbolAt(reel, stop, row) == kWild;
                }
                QVERIFY2(scatters <= 1 && wilds <= 1,
                    qPrintable(QString("reel %1 stop %2").arg(reel).arg(stop)));
            }
        }
    }

    void cellsAreNumberedSerpentine()
    {
        const int expected[4][6]
            = { {}, { 0, 1, 6, 7, 12, 13 }, { 0, 2, 5, 8, 11, 14 }, { 0, 3, 4, 9, 10, 15 } };
        for (int row = 1; row <= 3; ++row) {
            for (int reel = 1; reel <= kReels; ++reel) {
                QCOMPARE(cellOf(reel, row), expected[row][reel]);
            }
        }
    }

    void rowListsHoldEveryLineOncePerReel()
    {
        QCOMPARE(rowLines[1][1].count, 7);
        QCOMPARE(rowLines[1][2].count, 11);
        QCOMPARE(rowLines[1][3].count, 7);
        const std::uint8_t top1[] = { 2, 4, 6, 12, 14, 18, 24 };
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(rowLines[1][1].line[static_cast<std::size_t>(i)], top1[i]);
        }
        for (int reel = 1; reel <= kReels; ++reel) {
            std::multiset<int> seen;
            for (int row = 1; row <= 3; ++row) {
                const auto &rl
                    = rowLines[static_cast<std::size_t>(reel)][static_cast<std::size_t>(row)];
                QVERIFY(rl.count <= 11);
                for (int i = 0; i < rl.count; ++i) {
                    seen.insert(rl.line[static_cast<std::size_t>(i)]);
                }
            }
            QCOMPARE(seen.size(), std::size_t(kLines));
            QCOMPARE(std::set<int>(seen.begin(), seen.end()).size(), std::size_t(kLines));
        }
    }

    // Only the symbol on reel 1 can reach a paying sum: without reel 1's weight no subset
    // of the other weights makes 15, 21, 25, 31, 35, 41, 45 or 51.
    void weightsNameTheRunUniquely()
    {
        const std::set<int> paying { 15, 21, 25, 31, 35, 41, 45, 51 };
        for (int mask = 0; mask < 32; ++mask) {
            int sum = 0;
            for (int reel = 1; reel <= kReels; ++reel) {
                if (mask & (1 << (reel - 1))) {
                    sum += tables::reelWeight[static_cast<std::size_t>(reel)];
                }
            }
            int run = 0;
            while (run < kReels && (mask & (1 << run))) {
                ++run;
            }
            const bool pays = paying.count(sum) > 0;
            QCOMPARE(pays, run >= 2);
        }
    }

    // The published pay table, written out here rather than read from the game's own table,
    // so that a wrong pay in either shows at once.
    void paysAreThoseOfThePublishedPayTable()
    {
        struct Pays {
            Sym symbol;
            int two, three, four, five;
        };
        const Pays published[] = {
            { Sym::panther, 0, 300, 600, 1500 },
            { Sym::tiger, 0, 100, 250, 800 },
            { Sym::panda, 0, 100, 250, 800 },
            { Sym::kingfisher, 0, 50, 75, 150 },
            { Sym::rhino, 0, 20, 40, 125 },
            { Sym::giraffe, 0, 20, 50, 150 },
            { Sym::K, 0, 15, 50, 175 },
            { Sym::Q, 0, 10, 20, 100 },
            { Sym::J, 0, 5, 20, 100 },
            { Sym::zebra, 2, 10, 20, 100 },
        };
        std::set<int> seen;
        for (const Pays &p : published) {
            const auto &row = tables::linePay[static_cast<std::size_t>(index(p.symbol))];
            const QByteArray name = QByteArray::number(index(p.symbol));
            QVERIFY2(row[0] == 0 && row[1] == 0, name);
            QVERIFY2(row[2] == p.two && row[3] == p.three, name);
            QVERIFY2(row[4] == p.four && row[5] == p.five, name);
            seen.insert(index(p.symbol));
        }
        QCOMPARE(seen.size(), std::size_t(kOrdinarySymbols));

        const int scatterTimesTotalBet[] = { 0, 0, 1, 5, 10, 20 };
        const int freeGamesAdded[] = { 0, 0, 0, 11, 21, 31 };
        for (std::size_t scatters = 0; scatters <= 5; ++scatters) {
            QCOMPARE(int(tables::scatterPay[scatters]), scatterTimesTotalBet[scatters]);
            QCOMPARE(int(tables::freeSpinAward[scatters]), freeGamesAdded[scatters]);
        }
    }

    void betAndLineStepsMatchTheButtons()
    {
        QCOMPARE(buttonForBet(1), 1);
        QCOMPARE(buttonForBet(5), 4);
        QCOMPARE(buttonForBet(20), 6);
        QCOMPARE(buttonForBet(0), 0);
        QCOMPARE(buttonForBet(4), 0);
        QCOMPARE(tables::linesPerButton[5], std::int16_t(25));
    }
};

QTEST_APPLESS_MAIN(GameTables)
#include "test_game_tables.moc"
