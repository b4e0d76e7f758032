// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The record's text rules: which numbers convert, and what each load makes of a damaged record.
#include "players/player_record.hpp"

#include <QTest>
#include <map>

using namespace slot;

namespace {

RecordLookup lookupOf(std::map<std::string, std::string> texts)
{
    return [texts = std::move(texts)](std::string_view key) {
        const auto it = texts.find(std::string(key));
        return it == texts.end() ? std::string() : it->second;
    };
}

PlayerState someone()
{
    PlayerState s;
    s.winroll = 1;
    s.reelspeed = 8;
    s.amountinvested = 2000;
    s.wager = 800;
    s.total = 700;
    s.bank = 1500;
    s.games = 40;
    s.playerslot = "2";
    s.currentplayer = "ann";
    return s;
}

} // namespace

class PlayerRecordTest : public QObject {
    Q_OBJECT
private slots:
    void parseShortCases_data();
    void parseShortCases();
    void parseMoneyAcceptsTheWholeRangeAndNothingBeyond();
    void sectionsAndSlotsAreTheSixDigits();
    void savedTextsFollowTheKeyOrder();
    void lenientLoadKeepsWhatDoesNotConvert();
    void resettingLoadZeroesAndResetsSpeedOnEachFailure();
    void resettingLoadOfAnEmptyStoreGivesAFreshPlayer();
    void aNameLongerThanAnyTheGameTakesIsDamage();
    void aNegativeCreditIsDamage();
};

void PlayerRecordTest::parseShortCases_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -99999 for "does not convert"
    const int no = -99999;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("plain") << "1250" << 1250;
    QTest::newRow("negative") << "-300" << -300;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("minus zero") << "-0" << 0;
    QTest::newRow("top") << "32767" << 32767;
    QTest::newRow("bottom") << "-32768" << -32768;
    QTest::newRow("above") << "32768" << no;
    QTest::newRow("below") << "-32769" << no;
    QTest::newRow("huge") << "99999999999999999999999999" << no;
    QTest::newRow("empty") << "" << no;
    QTest::newRow("lone minus") << "-" << no;
    QTest::newRow("plus sign") << "+5" << no;
    QTest::newRow("trailing letters") << "12x" << no;
    QTest::newRow("letters") << "abc" << no;
    QTest::newRow("space inside") << "1 2" << no;
    QTest::newRow("leading space") << " 12" << no;
    QTest::newRow("decimal point") << "1.5" << no;
    QTest::newRow("separator") << "1,250" << no;
    QTest::newRow("double minus") << "--1" << no;
    QTest::newRow("hex") << "0x10" << no;
    QTest::newRow("non-ASCII digit") << QStringLiteral("\u0661\u0662") << no;
}

void PlayerRecordTest::parseShortCases()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    const auto parsed = slot::parseShort(text.toStdString());
    if (expected == -99999) {
        QVERIFY(!parsed);
    } else {
        QVERIFY(parsed);
        QCOMPARE(int(*parsed), expected);
    }
}

void PlayerRecordTest::parseMoneyAcceptsTheWholeRangeAndNothingBeyond()
{
    QCOMPARE(parseMoney("2147483647").value_or(0), 2147483647);
    QCOMPARE(parseMoney("-2147483648").value_or(0), -2147483647 - 1);
    QVERIFY(!parseMoney("2147483648"));
    QVERIFY(!parseMoney("-2147483649"));
    QVERIFY(!parseMoney("12x"));
    QCOMPARE(parseMoney("40000").value_or(0), 40000); // too big for a Short, fine for Money
    QVERIFY(!parseShort("40000"));
}

void PlayerRecordTest::sectionsAndSlotsAreTheSixDigits()
{
    QCOMPARE(sectionOf(1), std::string("player1"));
    QCOMPARE(sectionOf(6), std::string("player6"));
    QVERIFY(sectionOf(0).empty());
    QVERIFY(sectionOf(7).empty());
    QCOMPARE(slotOf("3").value_or(0), 3);
    QVERIFY(!slotOf("0"));
    QVERIFY(!slotOf("7"));
    QVERIFY(!slotOf("03"));
    QVERIFY(!slotOf(""));
}

void PlayerRecordTest::savedTextsFollowTheKeyOrder()
{
    PlayerState s = someone();
    s.bank = -300;
    s.currentplayer = "Zoë = [x]";
    const auto texts = recordTexts(s);
    const char *const expected[8][2] = {
        {"winroll", "1"},
        {"reelspeed", "8"},
        {"amountinvested", "2000"},
        {"wager", "800"},
        {"total", "700"},
        {"bank", "-300"},
        {"games", "40"},
        {"currentplayer", "Zoë = [x]"},
    };
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(texts[i].first, std::string_view(expected[i][0]));
        QCOMPARE(texts[i].second, std::string(expected[i][1]));
        QCOMPARE(texts[i].first, kRecordKeys[i]);
    }
}

void PlayerRecordTest::lenientLoadKeepsWhatDoesNotConvert()
{
    PlayerState s = someone();
    loadLenient(s,
                lookupOf({{"winroll", "0"},
                          {"reelspeed", "12x"},
                          {"wager", "99999999999"},
                          {"total", "-5"},
                          {"bank", ""},
                          {"games", "41"},
                          {"currentplayer", "bob"}}));
    QCOMPARE(s.winroll, Short(0));
    QCOMPARE(s.reelspeed, Short(8)); // not a number: kept
    QCOMPARE(s.amountinvested, Money(2000)); // missing: kept
    QCOMPARE(s.wager, Money(800)); // out of range: kept
    QCOMPARE(s.total, Money(-5));
    QCOMPARE(s.bank, Money(1500)); // empty: kept
    QCOMPARE(s.games, Money(41));
    QCOMPARE(s.currentplayer, std::string("bob"));
    QCOMPARE(s.playerslot, std::string("2")); // never stored, never read
}

void PlayerRecordTest::resettingLoadZeroesAndResetsSpeedOnEachFailure()
{
    // A speed read before a bad number is lost; one read after it survives.
    PlayerState s = someone();
    loadResetting(s,
                  lookupOf({{"winroll", "1"},
                            {"reelspeed", "4"},
                            {"amountinvested", "100"},
                            {"wager", "50"},
                            {"total", "20"},
                            {"bank", "12x"},
                            {"games", "3"},
                            {"currentplayer", "carol"}}));
    QCOMPARE(s.reelspeed, Short(1));
    QCOMPARE(s.bank, Money(0));
    QCOMPARE(s.games, Money(3));
    QCOMPARE(s.amountinvested, Money(100));
    QCOMPARE(s.currentplayer, std::string("carol"));

    PlayerState t = someone();
    loadResetting(t,
                  lookupOf({{"winroll", "x"},
                            {"reelspeed", "10"},
                            {"amountinvested", "7"},
                            {"wager", "0"},
                            {"total", "0"},
                            {"bank", "5"},
                            {"games", "0"}}));
    QCOMPARE(t.winroll, Short(0));
    QCOMPARE(t.reelspeed, Short(10)); // read after the failure on winroll
    QCOMPARE(t.amountinvested, Money(7));
    QCOMPARE(t.bank, Money(5));
    QCOMPARE(t.currentplayer, std::string()); // missing name: empty, not the old one

    PlayerState u = someone();
    loadResetting(u,
                  lookupOf({{"winroll", "1"},
                            {"reelspeed", "-32769"},
                            {"amountinvested", "7"},
                            {"wager", "1"},
                            {"total", "1"},
                            {"bank", "1"},
                            {"games", "1"}}));
    QCOMPARE(u.reelspeed, Short(1)); // its own failure resets it to 1, not 0
    QCOMPARE(u.winroll, Short(1));
}

void PlayerRecordTest::resettingLoadOfAnEmptyStoreGivesAFreshPlayer()
{
    PlayerState s = someone();
    loadResetting(s, lookupOf({}));
    QCOMPARE(s.bank, Money(0));
    QCOMPARE(s.games, Money(0));
    QCOMPARE(s.wager, Money(0));
    QCOMPARE(s.total, Money(0));
    QCOMPARE(s.amountinvested, Money(0));
    QCOMPARE(s.winroll, Short(0));
    QCOMPARE(s.reelspeed, Short(1));
    QVERIFY(s.currentplayer.empty());
    QCOMPARE(s.playerslot, std::string("2"));

    PlayerState fresh;
    loadLenient(fresh, lookupOf({}));
    QCOMPARE(fresh.bank, Money(0));
    QCOMPARE(fresh.reelspeed, Short(0)); // the window load turns this 0 into 1
    QVERIFY(fresh.currentplayer.empty());
}

void PlayerRecordTest::aNameLongerThanAnyTheGameTakesIsDamage()
{
    // Twelve characters is the longest name the options window takes, in any script.
    const std::string twelve = "\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e" "abcdefghi";
    QVERIFY(isStorableName(twelve));
    QVERIFY(isStorableName(""));
    QVERIFY(!isStorableName(twelve + "j"));
    PlayerState s = someone();
    loadLenient(s, lookupOf({{"currentplayer", twelve + "j"}}));
    QCOMPARE(s.currentplayer, std::string()); // damage reads as a vacant slot
    loadResetting(s, lookupOf({{"currentplayer", twelve}}));
    QCOMPARE(s.currentplayer, twelve);
}

void PlayerRecordTest::aNegativeCreditIsDamage()
{
    // No bet is taken that the credit cannot cover, so a credit below nothing was never the
    // game's; the statistics may go below nothing (Zero Credit takes the credit out of them).
    QVERIFY(!isStorableText("bank", "-1"));
    QVERIFY(!isStorableText("bank", "-2147483648"));
    QVERIFY(isStorableText("bank", "0"));
    QVERIFY(isStorableText("amountinvested", "-2147483648"));
    PlayerState s = someone();
    loadLenient(s, lookupOf({{"bank", "-1"}, {"games", "3"}}));
    QCOMPARE(s.bank, someone().bank);
    QCOMPARE(s.games, Money(3));
    loadResetting(s, lookupOf({{"reelspeed", "4"}, {"bank", "-2147483648"}}));
    QCOMPARE(s.bank, Money(0));
    QCOMPARE(s.reelspeed, Short(1));
}

QTEST_APPLESS_MAIN(PlayerRecordTest)
#include "player_record_test.moc"
