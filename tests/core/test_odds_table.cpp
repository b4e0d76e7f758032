// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The player information table made at build time against a fresh count by the par-sheet
// chain, and the words its figures are shown in.
#include "care/odds_figures.hpp"
#include "rules/par_report.hpp"

#include <QTest>

using namespace slot;

class OddsTable : public QObject
{
    Q_OBJECT
private slots:
    // Every setting the cabinet offers is in the table, with the figures the chain gives now:
    // a change to the rules that the table missed would show the player stale odds.
    void tableEqualsAFreshCountForEverySetting()
    {
        int settings = 0;
        for (std::size_t l = 1; l < tables::linesPerButton.size(); ++l) {
            for (std::size_t b = 1; b < tables::betPerButton.size(); ++b) {
                const int lines = tables::linesPerButton[l];
                const int bet = tables::betPerButton[b];
                const OddsFigures *t = oddsFor(lines, bet);
                QVERIFY2(t, qPrintable(QStringLiteral("%1 lines at %2").arg(lines).arg(bet)));
                const ParReport r = parReport(lines, static_cast<int>(b));
                const OddsFigures f = oddsFrom(r);
                QCOMPARE(t->lines, lines);
                QCOMPARE(t->bet, bet);
                QCOMPARE(t->stake, std::int64_t(lines) * bet);
                QCOMPARE(t->rtp, r.rtp);
                QCOMPARE(t->anyWin, r.hitFrequency);
                QCOMPARE(t->aboveStake, r.aboveStake);
                QCOMPARE(t->feature, r.featureChance);
                QCOMPARE(t->largestPaidWin, r.largestPaidWin);
                QCOMPARE(t->asymptoticSd, r.asymptoticSd);
                for (std::size_t p = 0; p < f.prizes.size(); ++p) {
                    QCOMPARE(t->prizes[p].symbol, r.prizes[p].symbol);
                    QCOMPARE(t->prizes[p].count, r.prizes[p].count);
                    QCOMPARE(t->prizes[p].pay, r.prizes[p].pay);
                    QCOMPARE(t->prizes[p].chance, r.prizes[p].paidChance);
                }
                // A trigger pays more than the stake, and a win above the stake is a win.
                QVERIFY(t->aboveStake >= t->feature);
                QVERIFY(t->aboveStake < t->anyWin);
                ++settings;
            }
        }
        QCOMPARE(settings, 30);
        QVERIFY(!oddsFor(7, 1));
        QVERIFY(!oddsFor(25, 4));
        QVERIFY(!oddsFor(0, 0));
    }

    // The return does not depend on the bet, and the figures the README quotes hold.
    void returnIsTheSameAtEveryBet()
    {
        for (const int lines : { 1, 25 }) {
            for (const int bet : { 2, 3, 5, 10, 20 }) {
                QVERIFY(qAbs(oddsFor(lines, bet)->rtp - oddsFor(lines, 1)->rtp) < 1e-12);
                QCOMPARE(
                    oddsFor(lines, bet)->largestPaidWin, oddsFor(lines, 1)->largestPaidWin * bet);
            }
        }
        QCOMPARE(percent(oddsFor(25, 1)->rtp), std::string("98.13 %"));
        QCOMPARE(percent(oddsFor(1, 1)->rtp), std::string("104.78 %"));
    }

    // Nine in ten sessions: centred on the return, narrowing as sqrt(games), never below nothing.
    void sessionBandNarrowsAndStopsAtNothing()
    {
        OddsFigures o;
        o.rtp = 0.98;
        o.asymptoticSd = 4.0;
        const SessionBand b100 = sessionBand(o, 100);
        QVERIFY(qAbs(b100.low - (0.98 - 1.645 * 0.4)) < 1e-12);
        const SessionBand b10k = sessionBand(o, 10'000);
        QVERIFY(qAbs(b10k.high - (0.98 + 1.645 * 0.04)) < 1e-12);
        QVERIFY(qAbs(b10k.low - (0.98 - 1.645 * 0.04)) < 1e-12);
        QVERIFY(sessionBand(o, 1'000).high > b10k.high);
        o.asymptoticSd = 100.0;
        QCOMPARE(sessionBand(o, 100).low, 0.0);
        QCOMPARE(sessionBand(o, 0).low, o.rtp); // no games: nothing to spread
    }

    void chancesReadAsOneInN_data()
    {
        QTest::addColumn<double>("chance");
        QTest::addColumn<QString>("text");
        QTest::newRow("often") << 0.539 << "1 in 1.9";
        QTest::newRow("tens") << 1.0 / 142.5 << "1 in 143";
        QTest::newRow("grouped") << 1.0 / 1234567.0 << "1 in 1,234,567";
        QTest::newRow("certain") << 1.0 << "1 in 1.0";
        QTest::newRow("never") << 0.0 << "never";
        QTest::newRow("not a number") << std::nan("") << "never";
        QTest::newRow("below any count") << 1e-300 << "never";
    }
    void chancesReadAsOneInN()
    {
        QFETCH(double, chance);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(oneIn(chance)), text);
    }

    void numbersAreGroupedBySign()
    {
        QCOMPARE(groupedNumber(0), std::string("0"));
        QCOMPARE(groupedNumber(999), std::string("999"));
        QCOMPARE(groupedNumber(1000), std::string("1,000"));
        QCOMPARE(groupedNumber(-1234567), std::string("-1,234,567"));
        QCOMPARE(groupedNumber(INT64_MIN), std::string("-9,223,372,036,854,775,808"));
    }
};

QTEST_APPLESS_MAIN(OddsTable)
#include "test_odds_table.moc"
