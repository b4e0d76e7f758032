// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The INI record store on real files: round trips, damaged files, and saves that cannot land.
#include "players/failing_files.hpp"
#include "players/player_record.hpp"
#include "players/record_store.hpp"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace slot;
using Step = slot::test::FailingFiles::Step;
Q_DECLARE_METATYPE(Step)

namespace {

PlayerState player(const char *slot, const char *name, int seed)
{
    PlayerState s;
    s.playerslot = slot;
    s.currentplayer = name;
    s.winroll = Short(seed % 2);
    s.reelspeed = Short(seed % 2 ? 10 : 2);
    s.amountinvested = 100000 * seed;
    s.wager = -2147483647 - 1 + seed; // the extremes must survive the text form
    s.total = 2147483647 - seed;
    s.bank = 300 * seed;
    s.games = 7 * seed;
    return s;
}

void compareNumbers(const PlayerState &got, const PlayerState &want)
{
    QCOMPARE(got.winroll, want.winroll);
    QCOMPARE(got.reelspeed, want.reelspeed);
    QCOMPARE(got.amountinvested, want.amountinvested);
    QCOMPARE(got.wager, want.wager);
    QCOMPARE(got.total, want.total);
    QCOMPARE(got.bank, want.bank);
    QCOMPARE(got.games, want.games);
}

QByteArray contentsOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

const QByteArray kHandWritten = "[player3]\n"
                                "winroll=1\n"
                                "reelspeed=4\n"
                                "amountinvested=500\n"
                                "bank=12x\n"
                                "games=7\n"
                                "currentplayer=dave\n"
                                "[player4]\n"
                                "winroll=1\n"
                                "reelspeed=-40000\n"
                                "amountinvested=2147483648\n"
                                "wager=\n"
                                "total=1 000\n"
                                "bank=250\n"
                                "games=+3\n";

} // namespace

class RecordStoreTest : public QObject {
    Q_OBJECT
private slots:
    void everyKeyRoundTripsForSeveralSlots();
    void oddNamesComeBackAsTyped();
    void savingOneSlotLeavesTheOthersAlone();
    void valuesTheGameNeverWritesAreDroppedWithACopyKept();
    void aHugeDamagedFileIsNotCarriedForward();
    void handWrittenBadNumbersLoadAsTheRulesSay();
    void aFileOfRandomBytesReadsAsAnEmptyRecord();
    void anUnreadableStoreReadsAsEmptyAndRefusesToSave();
    void aSaveThatCannotBeWrittenLeavesThePreviousFile();
    void deniedPermissionsKeepThePreviousRecord();
    void anUnwritableStoreKeepsItsRecordsInMemory();
    void aSaveCreatesMissingFoldersAndNeedsAValidSlot();
    void theUserFileLivesInTheConfigDirectory();
    void filesOfEarlierVersionsReadAndWriteTheSame();
    void aFailingStepKeepsTheRecordAndSaysSo_data();
    void aFailingStepKeepsTheRecordAndSaysSo();
    void aFailedSaveOverDamageKeepsOneCopyAndTheRecord();
    void impossibleValuesAndRepeatedSectionsKeepACopy();
    void aLinkToARecordIsFollowedAndANonRecordKept();
    void aFifoInTheRecordsPlaceIsNeverWaitedOn();
};

void RecordStoreTest::everyKeyRoundTripsForSeveralSlots()
{
    QTemporaryDir dir;
    SettingsRecordStore store(dir.filePath("aust.ini"));
    const PlayerState saved[] = {player("1", "ann", 1), player("3", "bob", 2),
                                 player("6", "carol", 3)};
    for (const auto &s : saved) {
        QVERIFY(store.save(s));
    }
    const int slotNumbers[] = {1, 3, 6};
    for (int i = 0; i < 3; ++i) {
        PlayerState lenient;
        store.loadLenient(slotNumbers[i], lenient);
        compareNumbers(lenient, saved[i]);
        QCOMPARE(lenient.currentplayer, saved[i].currentplayer);
        PlayerState resetting = player("1", "someone else", 9);
        store.loadResetting(slotNumbers[i], resetting);
        compareNumbers(resetting, saved[i]);
        QCOMPARE(store.readName(slotNumbers[i]), saved[i].currentplayer);
    }
    const QByteArray file = contentsOf(dir.filePath("aust.ini"));
    QVERIFY(file.contains("[player3]"));
    QVERIFY(file.contains("bank=600\n"));
    QVERIFY(file.contains("wager=-2147483646\n"));
    QVERIFY(!file.contains("[player2]"));
}

void RecordStoreTest::oddNamesComeBackAsTyped()
{
    QTemporaryDir dir;
    SettingsRecordStore store(dir.filePath("aust.ini"));
    const char *const names[] = {"Mary Ann",     "a=b",      "[player2]",  "Zoë Ünal",
                                 "日本語の名前", "x;y,z",    "\"quoted\"", "back\\slash",
                                 "@Invalid()",   " padded ", "#hash"};
    for (const char *name : names) {
        PlayerState s = player("2", name, 4);
        QVERIFY(store.save(s));
        QCOMPARE(store.readName(2), std::string(name));
        PlayerState back;
        store.loadLenient(2, back);
        compareNumbers(back, s);
        QCOMPARE(store.readName(1), std::string()); // the name did not open a section
        QCOMPARE(store.readName(3), std::string());
    }
}

void RecordStoreTest::savingOneSlotLeavesTheOthersAlone()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("aust.ini");
    const QByteArray handEdited = "[player2]\nbank=777\ncurrentplayer=eve\nnote=kept by hand\n"
                                  "[elsewhere]\nkey=value\n";
    writeFile(path, handEdited);
    SettingsRecordStore store(path);
    QVERIFY(store.save(player("1", "ann", 1)));
    QVERIFY(store.save(player("1", "ann", 2)));
    PlayerState two;
    store.loadLenient(2, two);
    QCOMPARE(two.bank, Money(777));
    QCOMPARE(two.currentplayer, std::string("eve"));
    // Only the players' own keys are written back; what else the file held stays readable
    // beside it, once.
    const QByteArray file = contentsOf(path);
    QVERIFY(!file.contains("note="));
    QVERIFY(!file.contains("[elsewhere]"));
    QCOMPARE(contentsOf(path + ".damaged"), handEdited);
    QVERIFY(!QFile::exists(path + ".damaged-2"));
    PlayerState one;
    store.loadLenient(1, one);
    compareNumbers(one, player("1", "ann", 2));
}

void RecordStoreTest::valuesTheGameNeverWritesAreDroppedWithACopyKept()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("aust.ini");
    const QByteArray outOfRange = "[player1]\nbank=2147483648\nreelspeed=4\ncurrentplayer=ann\n"
                                  "[player3]\ngames=99999999999999999999999\ntotal=5\n"
                                  "currentplayer=thirteen char\nwinroll=-32769\n";
    writeFile(path, outOfRange);
    SettingsRecordStore store(path);
    PlayerState one = player("1", "kept", 2);
    store.loadLenient(1, one);
    QCOMPARE(one.bank, player("1", "kept", 2).bank);
    QCOMPARE(store.readName(3), std::string()); // longer than any name the game takes
    QVERIFY(store.save(one));
    QCOMPARE(contentsOf(path + ".damaged"), outOfRange);
    PlayerState three;
    store.loadResetting(3, three);
    QCOMPARE(three.total, Money(5));
    QCOMPARE(three.games, Money(0));
    const QByteArray file = contentsOf(path);
    QCOMPARE(file.mid(file.indexOf("[player3]")), QByteArray("[player3]\ntotal=5\n"));

    // Values at the very ends of their ranges are the game's own and need no copy.
    QTemporaryDir clean;
    const QString edges = clean.filePath("aust.ini");
    writeFile(edges, "[player2]\nbank=2147483647\nwager=-2147483648\nreelspeed=-32768\n"
                     "currentplayer=twelve chars\n");
    SettingsRecordStore edgeStore(edges);
    QVERIFY(edgeStore.save(player("1", "ann", 1)));
    QVERIFY(!QFile::exists(edges + ".damaged"));
    PlayerState two;
    edgeStore.loadResetting(2, two);
    QCOMPARE(two.bank, Money(2147483647));
    QCOMPARE(two.wager, Money(-2147483647 - 1));
    QCOMPARE(edgeStore.readName(2), std::string("twelve chars"));
}

void RecordStoreTest::aHugeDamagedFileIsNotCarriedForward()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("aust.ini");
    QByteArray junk = "[player4]\nbank=40\ncurrentplayer=dot\n[General]\n";
    QRandomGenerator rng(7);
    while (junk.size() < 2 * 1024 * 1024) {
        junk += "k" + QByteArray::number(rng.generate()) + "=" +
            QByteArray::number(rng.generate64()).repeated(8) + "\n";
    }
    junk += "[player5]\ncurrentplayer=" + QByteArray(100000, 'z') + "\n";
    writeFile(path, junk);
    SettingsRecordStore store(path);
    QVERIFY(store.save(player("1", "ann", 1)));
    QVERIFY(store.save(player("1", "ann", 2)));
    QVERIFY(contentsOf(path).size() < 1024);
    QCOMPARE(contentsOf(path + ".damaged"), junk);
    PlayerState four;
    store.loadResetting(4, four);
    QCOMPARE(four.bank, Money(40));
    QCOMPARE(store.readName(4), std::string("dot"));
    QCOMPARE(store.readName(5), std::string());
}

void RecordStoreTest::handWrittenBadNumbersLoadAsTheRulesSay()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("aust.ini");
    writeFile(path, kHandWritten);
    SettingsRecordStore store(path);

    PlayerState chosen = player("3", "old", 5);
    store.loadResetting(3, chosen);
    QCOMPARE(chosen.bank, Money(0));
    QCOMPARE(chosen.reelspeed, Short(1)); // the stored 4 was read, then "12x" reset it
    QCOMPARE(chosen.games, Money(7));
    QCOMPARE(chosen.amountinvested, Money(500));
    QCOMPARE(chosen.wager, Money(0)); // missing
    QCOMPARE(chosen.currentplayer, std::string("dave"));

    PlayerState started = player("1", "old", 5);
    store.loadLenient(3, started);
    QCOMPARE(started.bank, player("1", "old", 5).bank);
    QCOMPARE(started.wager, player("1", "old", 5).wager);
    QCOMPARE(started.reelspeed, Short(4));
    QCOMPARE(started.games, Money(7));

    PlayerState four = player("4", "x", 5);
    store.loadResetting(4, four);
    QCOMPARE(four.reelspeed, Short(1));
    QCOMPARE(four.amountinvested, Money(0));
    QCOMPARE(four.total, Money(0));
    QCOMPARE(four.bank, Money(250));
    QCOMPARE(four.games, Money(0));
    QCOMPARE(four.winroll, Short(1));
    QCOMPARE(four.currentplayer, std::string());
    QCOMPARE(contentsOf(path), kHandWritten); // reading never rewrites the file
}

void RecordStoreTest::aFileOfRandomBytesReadsAsAnEmptyRecord()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("aust.ini");
    QByteArray noise(4096, '\0');
    QRandomGenerator rng(20261209);
    for (auto &b : noise) {
        b = char(rng.bounded(256));
    }
    writeFile(path, noise);
    SettingsRecordStore store(path);
    for (int slot = 1; slot <= 6; ++slot) {
        const PlayerState before = player("1", "kept", slot);
        PlayerState lenient = before;
        store.loadLenient(slot, lenient);
        compareNumbers(lenient, before);
        PlayerState resetting = before;
        store.loadResetting(slot, resetting);
        compareNumbers(resetting, PlayerState{0, 0, 0, 0, 0, 0, 1, "", ""});
        QCOMPARE(store.readName(slot), std::string());
    }
    // The game can still store its record over the noise, and the noise is kept aside.
    QVERIFY(store.save(player("5", "fred", 3)));
    PlayerState back;
    store.loadLenient(5, back);
    compareNumbers(back, player("5", "fred", 3));
    QCOMPARE(contentsOf(path + ".damaged"), noise);
    QVERIFY(store.save(player("5", "fred", 4)));
    QVERIFY(!QFile::exists(path + ".damaged-2")); // a clean file needs no second copy
}

void RecordStoreTest::anUnreadableStoreReadsAsEmptyAndRefusesToSave()
{
    // A directory where the file should be cannot be read by anyone, root included.
    QTemporaryDir dir;
    const QString path = dir.filePath("aust.ini");
    QVERIFY(QDir().mkpath(path + "/inside"));
    SettingsRecordStore store(path);
    const PlayerState before = player("1", "kept", 3);
    PlayerState lenient = before;
    store.loadLenient(1, lenient);
    compareNumbers(lenient, before);
    PlayerState resetting = before;
    store.loadResetting(1, resetting);
    QCOMPARE(resetting.reelspeed, Short(1));
    QCOMPARE(resetting.bank, Money(0));
    QCOMPARE(store.readName(1), std::string());
    QVERIFY(!store.save(before));
    QVERIFY(QFileInfo(path + "/inside").isDir());
}

void RecordStoreTest::aSaveThatCannotBeWrittenLeavesThePreviousFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("aust.ini");
    SettingsRecordStore store(path);
    QVERIFY(store.save(player("1", "ann", 1)));
    QVERIFY(store.save(player("2", "bob", 2)));
    const QByteArray before = contentsOf(path);

    // A full disk, imitated with a file-size limit, which binds root as well.
    struct rlimit old { };
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tiny = old;
    tiny.rlim_cur = 16;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const bool saved = store.save(player("1", "ann", 7));
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!saved);
    QCOMPARE(contentsOf(path), before);
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).size() == 1); // no stray temporary file

    // Once there is room again, the next save stores the record that could not be written.
    QVERIFY(store.save(player("2", "bob", 8)));
    SettingsRecordStore elsewhere(path);
    PlayerState one;
    elsewhere.loadLenient(1, one);
    compareNumbers(one, player("1", "ann", 7));
    QVERIFY(contentsOf(path).contains("games=49\n"));

    // A folder that is really a file: nothing can be created there.
    writeFile(dir.filePath("plain"), "not a folder");
    SettingsRecordStore blocked(dir.filePath("plain/aust.ini"));
    QVERIFY(!blocked.save(player("1", "ann", 1)));
    QCOMPARE(contentsOf(dir.filePath("plain")), QByteArray("not a folder"));
}

void RecordStoreTest::deniedPermissionsKeepThePreviousRecord()
{
    if (geteuid() == 0) {
        QSKIP("root writes into read-only folders; the file-size limit test covers this as root");
    }
    QTemporaryDir dir;
    const QString sub = dir.filePath("ro");
    QVERIFY(QDir().mkpath(sub));
    SettingsRecordStore store(sub + "/aust.ini");
    QVERIFY(store.save(player("1", "ann", 1)));
    const QByteArray before = contentsOf(sub + "/aust.ini");
    QFile::setPermissions(sub, QFile::ReadOwner | QFile::ExeOwner);
    const bool saved = store.save(player("1", "ann", 5));
    QFile::setPermissions(sub, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!saved);
    QCOMPARE(contentsOf(sub + "/aust.ini"), before);

    // A record nobody may read: loads see an empty store, a save is refused. (A fresh file:
    // QSettings would answer from its copy of one this process has already read.)
    const QString locked = dir.filePath("locked.ini");
    writeFile(locked, "[player1]\nbank=5\nreelspeed=4\n");
    SettingsRecordStore lockedStore(locked);
    QFile::setPermissions(locked, QFileDevice::Permissions());
    PlayerState lenient = player("1", "kept", 3);
    lockedStore.loadLenient(1, lenient);
    compareNumbers(lenient, player("1", "kept", 3));
    PlayerState resetting = player("1", "kept", 3);
    lockedStore.loadResetting(1, resetting);
    QCOMPARE(resetting.reelspeed, Short(1));
    QCOMPARE(resetting.bank, Money(0));
    QVERIFY(!lockedStore.save(player("1", "ann", 6)));
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(contentsOf(locked), QByteArray("[player1]\nbank=5\nreelspeed=4\n"));
}

void RecordStoreTest::anUnwritableStoreKeepsItsRecordsInMemory()
{
    // The folder is really a file, which stops root as well as anyone else.
    QTemporaryDir dir;
    writeFile(dir.filePath("plain"), "not a folder");
    SettingsRecordStore store(dir.filePath("plain/aust.ini"));
    const PlayerState one = player("1", "ann", 3);
    const PlayerState two = player("2", "bob", 4);
    QVERIFY(!store.save(one));
    QVERIFY(!store.save(two));
    // Each slot gives back what it last failed to store, by every way of reading it.
    PlayerState back = player("1", "other", 9);
    store.loadResetting(1, back);
    compareNumbers(back, one);
    QCOMPARE(back.currentplayer, std::string("ann"));
    PlayerState lenient;
    store.loadLenient(2, lenient);
    compareNumbers(lenient, two);
    QCOMPARE(store.readName(2), std::string("bob"));
    QCOMPARE(store.readName(3), std::string());
    PlayerState three = player("3", "x", 5);
    store.loadResetting(3, three);
    QCOMPARE(three.bank, Money(0));
    QCOMPARE(contentsOf(dir.filePath("plain")), QByteArray("not a folder"));

    // Where the folder can be made after all, the first save that works stores them all.
    QVERIFY(QFile::remove(dir.filePath("plain")));
    QVERIFY(store.save(player("1", "ann", 6)));
    SettingsRecordStore fresh(dir.filePath("plain/aust.ini"));
    PlayerState stored;
    fresh.loadResetting(2, stored);
    compareNumbers(stored, two);
    fresh.loadResetting(1, stored);
    compareNumbers(stored, player("1", "ann", 6));
}

void RecordStoreTest::aSaveCreatesMissingFoldersAndNeedsAValidSlot()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a/b/aust.ini");
    SettingsRecordStore store(path);
    QVERIFY(store.save(player("4", "gus", 2)));
    QCOMPARE(store.readName(4), std::string("gus"));
    const QByteArray before = contentsOf(path);
    QVERIFY(!store.save(player("0", "nobody", 1)));
    QVERIFY(!store.save(player("7", "nobody", 1)));
    QVERIFY(!store.save(player("", "nobody", 1)));
    QCOMPARE(contentsOf(path), before);
    QCOMPARE(store.readName(0), std::string());
    QCOMPARE(store.readName(7), std::string());
}

void RecordStoreTest::theUserFileLivesInTheConfigDirectory()
{
    QTemporaryDir dir;
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", "/home/tester");
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    QCOMPARE(SettingsRecordStore::userPath(), dir.path() + "/aust.ini");
    // Empty or relative, the variable is ignored, as the XDG rules say.
    for (const char *ignored : { "", "relative/config", "./config" }) {
        qputenv("XDG_CONFIG_HOME", ignored);
        QCOMPARE(SettingsRecordStore::userPath(), QStringLiteral("/home/tester/.config/aust.ini"));
    }
    qunsetenv("XDG_CONFIG_HOME");
    QCOMPARE(SettingsRecordStore::userPath(), QStringLiteral("/home/tester/.config/aust.ini"));
    qputenv("HOME", home);
}

// Records written by earlier versions, through Qt's settings class, load as they were; the
// store writes the same bytes for a new file, and the settings class reads those back.
void RecordStoreTest::filesOfEarlierVersionsReadAndWriteTheSame()
{
    const char *const names[] = { "Mary Ann", "a=b", "x;y,z", "\"quoted\"", "back\\slash",
        "@Invalid()", "@@at", " padded ", "#hash", "Zo\xc3\xab \xc3\x9cnal",
        "\xe6\x97\xa5\xe6\x9c\xac", "tab\there", "bell\a1",
        "nul\x01"
        "2f",
        "", "[player2]", "trailing " };
    for (const char *name : names) {
        QTemporaryDir dir;
        const QString theirs = dir.filePath("theirs.ini");
        const PlayerState record = player("2", name, 3);
        {
            QSettings settings(theirs, QSettings::IniFormat);
            settings.beginGroup("player2");
            for (const auto &[key, text] : recordTexts(record)) {
                settings.setValue(QString::fromUtf8(key.data(), qsizetype(key.size())),
                    QString::fromStdString(text));
            }
            settings.endGroup();
        }
        SettingsRecordStore earlier(theirs);
        QCOMPARE(earlier.readName(2), std::string(name));
        PlayerState back;
        earlier.loadResetting(2, back);
        compareNumbers(back, record);

        const QString ours = dir.filePath("ours.ini");
        QVERIFY(SettingsRecordStore(ours).save(record));
        QCOMPARE(contentsOf(ours), contentsOf(theirs));
        QSettings reading(ours, QSettings::IniFormat);
        QCOMPARE(reading.value("player2/currentplayer").toString(), QString::fromUtf8(name));
        QCOMPARE(reading.value("player2/bank").toString(), QStringLiteral("900"));
        QVERIFY(!QFile::exists(ours + ".damaged"));
        QVERIFY(earlier.save(record));
        QVERIFY(!QFile::exists(theirs + ".damaged"));
    }
    // Edited by hand on another system: a byte order mark, CRLF line ends, spaces around the
    // equals sign, quotes. The values read the same; only a comment is kept as damage.
    QTemporaryDir dir;
    const QString path = dir.filePath("aust.ini");
    const QByteArray edited = "\xEF\xBB\xBF[player4]\r\n  bank = 1250 \r\n"
                              "currentplayer = \"Jo, Ann\"\r\n\r\ngames=\"7\"\r\n";
    writeFile(path, edited);
    SettingsRecordStore store(path);
    PlayerState four;
    store.loadResetting(4, four);
    QCOMPARE(four.bank, Money(1250));
    QCOMPARE(four.games, Money(7));
    QCOMPARE(four.currentplayer, std::string("Jo, Ann"));
    QVERIFY(store.save(player("1", "ann", 1)));
    QVERIFY(!QFile::exists(path + ".damaged"));
    QVERIFY(
        contentsOf(path).contains("[player4]\nbank=1250\ncurrentplayer=\"Jo, Ann\"\ngames=7\n"));
    writeFile(path, "; my note\n[player4]\nbank=3\n");
    QVERIFY(store.save(player("1", "ann", 2)));
    QCOMPARE(contentsOf(path + ".damaged"), QByteArray("; my note\n[player4]\nbank=3\n"));
}

void RecordStoreTest::aFailingStepKeepsTheRecordAndSaysSo_data()
{
    QTest::addColumn<Step>("step");
    QTest::addColumn<int>("nth");
    QTest::newRow("temporary file") << Step::MakeTemp << 1;
    QTest::newRow("first write") << Step::Write << 1;
    QTest::newRow("a later write") << Step::Write << 20;
    QTest::newRow("flush") << Step::Sync << 1;
    QTest::newRow("close") << Step::Close << 1;
    QTest::newRow("rename") << Step::Rename << 1;
    QTest::newRow("folder flush") << Step::Sync << 2;
}

// A nearly full or failing disk at each step of a save: the file stays as it was, byte for
// byte, the save says it failed, and the record stays in memory until a save succeeds.
void RecordStoreTest::aFailingStepKeepsTheRecordAndSaysSo()
{
    QFETCH(Step, step);
    QFETCH(int, nth);
    QTemporaryDir dir;
    const QString path = dir.filePath("aust.ini");
    PlayerState ann = player("1", "ann", 1);
    ann.bank = 10000;
    QVERIFY(SettingsRecordStore(path).save(ann));
    const QByteArray before = contentsOf(path);

    slot::test::FailingFiles files(step, nth);
    SettingsRecordStore store(path, files);
    PlayerState played = ann;
    played.bank = 9975;
    played.games += 1;
    QVERIFY(!store.save(played));
    QVERIFY(files.failed());
    if (step != Step::Sync || nth != 2) { // after a failed folder flush the new file is there
        QCOMPARE(contentsOf(path), before);
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
        QStringList { QStringLiteral("aust.ini") });
    PlayerState back;
    store.loadResetting(1, back);
    compareNumbers(back, played);
    QCOMPARE(store.readName(1), std::string("ann"));

    // The next save that works stores it.
    PlayerState two = player("2", "bob", 2);
    QVERIFY(store.save(two));
    SettingsRecordStore fresh(path);
    fresh.loadResetting(1, back);
    compareNumbers(back, played);
}

// Over a damaged record, a save whose write fails is no save: the player is told, the record
// stays in memory, and saves that fail again keep no second copy of the same damage.
void RecordStoreTest::aFailedSaveOverDamageKeepsOneCopyAndTheRecord()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("aust.ini");
    const QByteArray damaged = "[player1]\nbank=500\ncurrentplayer=ann\n[other]\nkey=1\n";
    writeFile(path, damaged);
    // The copy of the damage is written first, then every write of the record fails.
    slot::test::FailingFiles files(Step::Rename, 2);
    SettingsRecordStore store(path, files);
    const PlayerState ann = player("1", "ann", 4);
    QVERIFY(!store.save(ann));
    QCOMPARE(contentsOf(path), damaged);
    QCOMPARE(contentsOf(path + ".damaged"), damaged);

    slot::test::FailingFiles recordOnly;
    recordOnly.refuseRenamesTo(QFile::encodeName(path).toStdString());
    SettingsRecordStore again(path, recordOnly);
    QVERIFY(!again.save(ann));
    QVERIFY(!again.save(ann));
    slot::test::FailingFiles full(Step::Write, 1, true);
    QVERIFY(!SettingsRecordStore(path, full).save(ann));
    QCOMPARE(contentsOf(path), damaged);
    QVERIFY(!QFile::exists(path + ".damaged-2"));
    PlayerState back;
    again.loadResetting(1, back);
    compareNumbers(back, ann);
}

// Values in range that the game could never have stored, and a slot's section twice, are
// damage like any other: the file as it was is kept before the save drops them.
void RecordStoreTest::impossibleValuesAndRepeatedSectionsKeepACopy()
{
    for (const QByteArray &bank : { QByteArray("-1"), QByteArray("-2147483648") }) {
        QTemporaryDir dir;
        const QString path = dir.filePath("aust.ini");
        const QByteArray damaged = "[player1]\nbank=" + bank + "\ngames=4\ncurrentplayer=ann\n";
        writeFile(path, damaged);
        SettingsRecordStore store(path);
        PlayerState started = player("1", "x", 2);
        store.loadLenient(1, started);
        QCOMPARE(started.bank, player("1", "x", 2).bank);
        QCOMPARE(started.games, Money(4));
        PlayerState chosen;
        store.loadResetting(1, chosen);
        QCOMPARE(chosen.bank, Money(0));
        QCOMPARE(chosen.reelspeed, Short(1));
        QVERIFY(store.save(player("2", "bob", 1)));
        QCOMPARE(contentsOf(path + ".damaged"), damaged);
        QVERIFY(!contentsOf(path).contains("bank=-"));
    }

    // The later section wins key by key, as the file always read.
    for (const QByteArray &twice : { QByteArray("[player1]\nbank=700\ncurrentplayer=first\n"
                                                "[player2]\nbank=5\n"
                                                "[player1]\nbank=20\ncurrentplayer=second\n"),
             QByteArray("[player1]\nbank=700\n[player2]\nbank=5\n"
                        "[player1]\ncurrentplayer=second\n") }) {
        QTemporaryDir dir;
        const QString path = dir.filePath("aust.ini");
        writeFile(path, twice);
        SettingsRecordStore store(path);
        QCOMPARE(store.readName(1), std::string("second"));
        QVERIFY(store.save(player("3", "cat", 1)));
        QCOMPARE(contentsOf(path + ".damaged"), twice);
        PlayerState two;
        store.loadResetting(2, two);
        QCOMPARE(two.bank, Money(5));
    }
}

// A record kept elsewhere behind a symlink is saved there; a link to something that is no
// record keeps what it led to, untouched, before the save writes over it.
void RecordStoreTest::aLinkToARecordIsFollowedAndANonRecordKept()
{
    QTemporaryDir dir;
    QVERIFY(QDir().mkpath(dir.filePath("dotfiles")));
    QVERIFY(QDir().mkpath(dir.filePath("config")));
    const QString real = dir.filePath("dotfiles/aust.ini");
    const QString link = dir.filePath("config/aust.ini");
    QVERIFY(SettingsRecordStore(real).save(player("1", "ann", 1)));
    QVERIFY(QFile::link(real, link));
    SettingsRecordStore store(link);
    QVERIFY(store.save(player("1", "ann", 2)));
    QVERIFY(QFileInfo(link).isSymLink());
    PlayerState back;
    SettingsRecordStore(real).loadResetting(1, back);
    compareNumbers(back, player("1", "ann", 2));
    QVERIFY(QDir(dir.filePath("config")).entryList(QDir::Files | QDir::Hidden | QDir::System)
        == QStringList { QStringLiteral("aust.ini") });

    const QByteArray notes[] = { "root:x:0:0:root:/root:/bin/bash\n"
                                 "daemon:x:1:1:daemon:/usr/sbin:/usr/sbin/nologin\n",
        "Shopping: eggs, milk\nthen the bank\n", "[player1]\nbank=30\n[General]\nlanguage=en\n" };
    for (const QByteArray &note : notes) {
        QTemporaryDir other;
        const QString target = other.filePath("notes.txt");
        const QString records = other.filePath("aust.ini");
        writeFile(target, note);
        QVERIFY(QFile::link(target, records));
        QVERIFY(SettingsRecordStore(records).save(player("1", "ann", 3)));
        QCOMPARE(contentsOf(records + ".damaged"), note);
        PlayerState saved;
        SettingsRecordStore(records).loadResetting(1, saved);
        compareNumbers(saved, player("1", "ann", 3));
    }
}

// A FIFO where the record should be: loads do not wait for a writer that never comes, and a
// save moves it aside and stores the record in its place.
void RecordStoreTest::aFifoInTheRecordsPlaceIsNeverWaitedOn()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("aust.ini");
    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    SettingsRecordStore store(path);
    PlayerState started = player("1", "kept", 2);
    store.loadLenient(1, started);
    compareNumbers(started, player("1", "kept", 2));
    QCOMPARE(store.readName(1), std::string());
    QVERIFY(store.save(player("1", "ann", 5)));
    QVERIFY(QFileInfo(path).isFile());
    struct stat st {
    };
    QCOMPARE(::lstat(QFile::encodeName(path + ".damaged").constData(), &st), 0);
    QVERIFY(S_ISFIFO(st.st_mode));
    PlayerState back;
    store.loadResetting(1, back);
    compareNumbers(back, player("1", "ann", 5));
}

QTEST_GUILESS_MAIN(RecordStoreTest)
#include "record_store_test.moc"
