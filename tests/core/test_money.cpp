// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Money shown and money added: the shortest dollar form and the skipped overflowing statement.
#include "flow/checked.hpp"
#include "flow/game_state.hpp"
#include "flow/money_display.hpp"

#include <QTest>
#include <limits>

using namespace slot;

class Money_ : public QObject
{
    Q_OBJECT
private slots:
    void dollarsInShortestForm_data()
    {
        QTest::addColumn<long long>("credits");
        QTest::addColumn<QString>("shown");
        QTest::newRow("1250") << 1250LL << "$ 12.5";
        QTest::newRow("1200") << 1200LL << "$ 12";
        QTest::newRow("1234") << 1234LL << "$ 12.34";
        QTest::newRow("5") << 5LL << "$ 0.05";
        QTest::newRow("-50") << -50LL << "$ -0.5";
        QTest::newRow("0") << 0LL << "$ 0";
        QTest::newRow("107") << 107LL << "$ 1.07";
        QTest::newRow("int32 min")
            << static_cast<long long>(std::numeric_limits<Money>::min()) << "$ -21474836.48";
    }
    void dollarsInShortestForm()
    {
        QFETCH(long long, credits);
        QFETCH(QString, shown);
        QCOMPARE(QString::fromStdString(dollars(credits)), shown);
    }

    void dollarsUseTheLocaleSeparator()
    {
        QCOMPARE(dollars(1250, ','), std::string("$ 12,5"));
        QCOMPARE(plainCredits(1250), std::string("1250"));
        QCOMPARE(plainCredits(-300), std::string("-300"));
    }

    void overflowingStatementIsSkipped()
    {
        Short flag = 32767;
        QVERIFY(!addTo(flag, 1));
        QCOMPARE(flag, Short(32767));

        Money bank = std::numeric_limits<Money>::max() - 10;
        QVERIFY(!addTo(bank, 11));
        QCOMPARE(bank, std::numeric_limits<Money>::max() - 10);
        QVERIFY(addTo(bank, 10));
        QCOMPARE(bank, std::numeric_limits<Money>::max());

        Money low = std::numeric_limits<Money>::min();
        QVERIFY(!addTo(low, -1));
        QCOMPARE(low, std::numeric_limits<Money>::min());
    }

    void everythingStartsAtZero()
    {
        const PlayerState p;
        const MainState s;
        QCOMPARE(p.bank, 0);
        QCOMPARE(p.reelspeed, Short(0));
        QVERIFY(p.currentplayer.empty() && p.playerslot.empty());
        QCOMPARE(s.linesplayed, Short(0));
        QCOMPARE(s.betperline, Short(0));
        QCOMPARE(s.freespins, Short(0));
        QCOMPARE(s.winlength[25], Short(0));
    }
};

QTEST_APPLESS_MAIN(Money_)
#include "test_money.moc"
