// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The options window's captions and arithmetic, and what leaving owes the player.
#include "flow/quit_settle.hpp"
#include "players/options_rules.hpp"
#include "support/scripted_rng.hpp"

#include <QTest>
#include <limits>

using namespace slot;

namespace
{
PlayerState worked()
{
    PlayerState p;
    p.games = 40;
    p.wager = 800;
    p.total = 700;
    p.bank = 1500;
    p.amountinvested = 2000;
    return p;
}

std::string endOf(const std::optional<std::string> &caption, const char *title)
{
    return caption ? caption->substr(std::string(title).size()) : std::string("<none>");
}
} // namespace

class OptionsRules : public QObject
{
    Q_OBJECT
private slots:
    void statisticsEndInTheFiguresWithTheReturnCutDown()
    {
        const StatsCaptions c = statsWithNumbers(worked());
        const auto &t = statsTitles(StatsMoment::WithNumbers);
        const char *expected[] = { "40", "800", "700", "-500", "87", "2000" };
        for (std::size_t i = 0; i < c.size(); ++i) {
            QVERIFY(c[i].has_value());
            QVERIFY(c[i]->starts_with(t[i]));
            QCOMPARE(endOf(c[i], t[i]), std::string(expected[i]));
        }
    }

    void titlesKeepTheirWidthsInEachSituation()
    {
        const std::array<std::size_t, 6> with = { 24, 24, 28, 25, 25, 27 };
        const std::array<std::size_t, 6> atLoad = { 18, 18, 15, 19, 23, 20 };
        const std::array<std::size_t, 6> atChoice = { 22, 22, 19, 20, 19, 19 };
        for (std::size_t i = 0; i < 6; ++i) {
            QCOMPARE(std::string(statsTitles(StatsMoment::WithNumbers)[i]).size(), with[i]);
            QCOMPARE(std::string(statsTitles(StatsMoment::AtLoad)[i]).size(), atLoad[i]);
            QCOMPARE(std::string(statsTitles(StatsMoment::AtSlotChoice)[i]).size(), atChoice[i]);
        }
        QCOMPARE(
            *statsWithoutNumbers(StatsMoment::AtSlotChoice)[4], std::string("Returned To Player "));
    }

    void returnPercentage_data()
    {
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("wager");
        QTest::addColumn<qlonglong>("percent");
        QTest::newRow("87.5 down to 87") << 700 << 800 << 87LL;
        // 29 / 100 * 100 in floating point is 28.999..., which a real division would show.
        QTest::newRow("exactly 29") << 29 << 100 << 29LL;
        QTest::newRow("negative rounds down") << -1 << 800 << -1LL;
        QTest::newRow("huge figures") << std::numeric_limits<Money>::max() << 1 << 214748364700LL;
    }
    void returnPercentage()
    {
        QFETCH(int, total);
        QFETCH(int, wager);
        QFETCH(qlonglong, percent);
        const auto got = slot::returnPercentage(total, wager);
        QVERIFY(got.has_value());
        QCOMPARE(*got, percent);
    }

    void nothingWageredLeavesTheReturnCaptionAlone()
    {
        PlayerState p = worked();
        p.wager = 0;
        QVERIFY(!statsWithNumbers(p)[4].has_value());
        QVERIFY(statsWithNumbers(p)[0].has_value());
    }

    void winningLosingDoesNotOverflow()
    {
        PlayerState p = worked();
        p.bank = std::numeric_limits<Money>::min();
        p.amountinvested = std::numeric_limits<Money>::max();
        QCOMPARE(endOf(statsWithNumbers(p)[3], statsTitles(StatsMoment::WithNumbers)[3]),
            std::string("-4294967295"));
    }

    void namesAreCountedInCharacters_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("check");
        QTest::newRow("empty") << QString() << int(NameCheck::NothingEntered);
        QTest::newRow("ann") << "ann" << int(NameCheck::Accepted);
        QTest::newRow("twelve") << "abcdefghijkl" << int(NameCheck::Accepted);
        QTest::newRow("thirteen") << "abcdefghijklm" << int(NameCheck::TooLong);
        QTest::newRow("nineteen") << "abcdefghijklmnopqrs" << int(NameCheck::TooLong);
        // Twelve letters that take two bytes each are still twelve characters.
        QTest::newRow("twelve umlauts") << QString(12, QChar(0x00FC)) << int(NameCheck::Accepted);
        QTest::newRow("one space") << " " << int(NameCheck::Accepted);
    }
    void namesAreCountedInCharacters()
    {
        QFETCH(QString, name);
        QFETCH(int, check);
        QCOMPARE(int(checkName(name.toStdString())), check);
    }

    void quittingAfterTheFeatureIsTheCollect()
    {
        MainState s;
        PlayerState p;
        s.betperline = 1;
        s.linesplayed = 25;
        s.freespins = 11;
        s.freespinsdone = 11;
        s.winmeter = 125;
        p.bank = 975;
        p.games = 6;
        test::ScriptedRng noDraws;
        settleBeforeQuit(s, p, false, noDraws);
        QCOMPARE(p.bank, 1100);
        QCOMPARE(p.games, 6);
        QVERIFY(!noDraws.exhausted); // a complete feature owes no game
    }

    void quittingWithTheGambleOpenIsTakeWin()
    {
        MainState s;
        PlayerState p;
        s.atrisk = 600;
        s.gamblestake = 150;
        p.bank = 1000;
        p.total = 150;
        test::ScriptedRng noDraws;
        settleBeforeQuit(s, p, true, noDraws);
        QCOMPARE(p.bank, 1600);
        QCOMPARE(p.total, 600);
        PlayerState untouched = p;
        settleBeforeQuit(s, p, false, noDraws);
        QCOMPARE(p.bank, untouched.bank);
    }
};

QTEST_APPLESS_MAIN(OptionsRules)
#include "test_options_rules.moc"
