// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The durable replace on real files: it creates, replaces, keeps permissions, and on every
// failure leaves the old file and no temporary behind.
#include "players/durable_file.hpp"
#include "players/failing_files.hpp"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace slot;
using Step = slot::test::FailingFiles::Step;
Q_DECLARE_METATYPE(Step)

namespace
{

QByteArray contentsOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

std::string local(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

QStringList entries(const QTemporaryDir &dir)
{
    return QDir(dir.path())
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

} // namespace

class DurableFileTest : public QObject
{
    Q_OBJECT
private slots:
    void createsAndReplacesKeepingPermissions()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("recall"));
        QVERIFY(replaceDurably(local(path), "first\n"));
        QCOMPARE(contentsOf(path), QByteArray("first\n"));
        QVERIFY(::chmod(local(path).c_str(), 0640) == 0);
        const std::string big(300000, 'x');
        QVERIFY(replaceDurably(local(path), big));
        QCOMPARE(contentsOf(path).size(), qsizetype(big.size()));
        struct stat st {
        };
        QCOMPARE(::stat(local(path).c_str(), &st), 0);
        QCOMPARE(st.st_mode & 07777, mode_t(0640));
        QVERIFY(replaceDurably(local(path), ""));
        QCOMPARE(contentsOf(path), QByteArray());
        QCOMPARE(entries(dir), QStringList { QStringLiteral("recall") });
    }

    void failuresLeaveTheOldFileAlone()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("recall"));
        QVERIFY(replaceDurably(local(path), "kept\n"));

        // A full disk, imitated with a file-size limit, which binds root as well.
        struct rlimit old {
        };
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit tiny = old;
        tiny.rlim_cur = 4;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &tiny), 0);
        const bool written = replaceDurably(local(path), "too long for the disk\n");
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(!written);
        QCOMPARE(contentsOf(path), QByteArray("kept\n"));
        QCOMPARE(entries(dir), QStringList { QStringLiteral("recall") });

        // A folder that does not exist, one that is really a file, and a name held by a folder.
        QVERIFY(!replaceDurably(local(dir.filePath(QStringLiteral("none/recall"))), "x"));
        QVERIFY(!replaceDurably(local(dir.filePath(QStringLiteral("recall/inside"))), "x"));
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("folder/inside"))));
        QVERIFY(!replaceDurably(local(dir.filePath(QStringLiteral("folder"))), "x"));
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("folder/inside"))).isDir());
        QVERIFY(!replaceDurably("", "x"));
        QCOMPARE(contentsOf(path), QByteArray("kept\n"));
        QCOMPARE(
            entries(dir), (QStringList { QStringLiteral("folder"), QStringLiteral("recall") }));
    }

    // Every step of a replace failing in turn, as a full disk or a failing device makes it:
    // the old file stays byte for byte and no temporary is left behind.
    void everyFailingStepLeavesTheOldFile_data()
    {
        QTest::addColumn<Step>("step");
        QTest::addColumn<int>("nth");
        QTest::newRow("temporary file") << Step::MakeTemp << 1;
        QTest::newRow("permissions") << Step::Chmod << 1;
        QTest::newRow("first write") << Step::Write << 1;
        QTest::newRow("a later write") << Step::Write << 3;
        QTest::newRow("flush") << Step::Sync << 1;
        QTest::newRow("close") << Step::Close << 1;
        QTest::newRow("rename") << Step::Rename << 1;
    }
    void everyFailingStepLeavesTheOldFile()
    {
        QFETCH(Step, step);
        QFETCH(int, nth);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("aust.ini"));
        QVERIFY(replaceDurably(local(path), "[player1]\nbank=10000\n"));
        slot::test::FailingFiles files(step, nth);
        QVERIFY(!replaceDurably(local(path), "[player1]\nbank=9975\ngames=1\n", files));
        QVERIFY(files.failed());
        QCOMPARE(contentsOf(path), QByteArray("[player1]\nbank=10000\n"));
        QCOMPARE(entries(dir), QStringList { QStringLiteral("aust.ini") });
    }

    // The new file is in place, but its name may not survive a power cut: not a save.
    void aFolderThatCannotBeFlushedIsNoSave()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("recall"));
        slot::test::FailingFiles folder(Step::OpenFolder);
        QVERIFY(!replaceDurably(local(path), "x", folder));
        slot::test::FailingFiles flush(Step::Sync, 2, false, EIO);
        QVERIFY(!replaceDurably(local(path), "x", flush));
        QVERIFY(flush.failed());
    }

    // What stands in a file's place is told apart without waiting on it.
    void readsNeverWaitOnWhatIsNotAFile()
    {
        QTemporaryDir dir;
        const std::string fifo = local(dir.filePath(QStringLiteral("fifo")));
        QCOMPARE(::mkfifo(fifo.c_str(), 0600), 0);
        QCOMPARE(readRegularFile(fifo, 100).kind, FileRead::Kind::Other);
        QCOMPARE(readRegularFile(local(dir.path()), 100).kind, FileRead::Kind::Folder);
        QCOMPARE(readRegularFile(fifo + "-none", 100).kind, FileRead::Kind::Missing);
        QCOMPARE(readRegularFile("/dev/null", 100).kind, FileRead::Kind::Other);
        const std::string plain = local(dir.filePath(QStringLiteral("plain")));
        QVERIFY(replaceDurably(plain, "twelve bytes"));
        QCOMPARE(readRegularFile(plain, 11).kind, FileRead::Kind::TooLarge);
        const FileRead read = readRegularFile(plain, 12);
        QCOMPARE(read.kind, FileRead::Kind::Regular);
        QCOMPARE(read.bytes, std::string("twelve bytes"));
        // A link to a file reads as the file.
        const std::string link = plain + "-link";
        QCOMPARE(::symlink(plain.c_str(), link.c_str()), 0);
        QCOMPARE(readRegularFile(link, 12).bytes, std::string("twelve bytes"));
    }

    // Damage is kept once per distinct content, and no kept copy is ever replaced.
    void damagedCopiesAreKeptOnceAndNeverReplaced()
    {
        QTemporaryDir dir;
        const std::string path = local(dir.filePath(QStringLiteral("recall")));
        QVERIFY(keepDamagedCopy(path, "first damage"));
        QVERIFY(keepDamagedCopy(path, "first damage"));
        QVERIFY(keepDamagedCopy(path, "second damage"));
        QCOMPARE(
            contentsOf(dir.filePath(QStringLiteral("recall.damaged"))), QByteArray("first damage"));
        QCOMPARE(contentsOf(dir.filePath(QStringLiteral("recall.damaged-2"))),
            QByteArray("second damage"));
        QCOMPARE(entries(dir).size(), 2);

        QCOMPARE(::mkfifo(path.c_str(), 0600), 0);
        QVERIFY(setAsideDamaged(path));
        struct stat st {
        };
        QCOMPARE(::lstat((path + ".damaged-3").c_str(), &st), 0);
        QVERIFY(S_ISFIFO(st.st_mode));
        QCOMPARE(
            contentsOf(dir.filePath(QStringLiteral("recall.damaged"))), QByteArray("first damage"));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("recall"))));

        // While the copy cannot be written, the damage is not reported as kept.
        slot::test::FailingFiles full(Step::Write);
        QVERIFY(!keepDamagedCopy(path, "third damage", full));
        QCOMPARE(entries(dir).size(), 3);
    }

    void aFileInTheCurrentFolderAndTheFolderFlush()
    {
        QTemporaryDir dir;
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        const bool written = replaceDurably("plain", "here\n");
        QDir::setCurrent(before);
        QVERIFY(written);
        QCOMPARE(contentsOf(dir.filePath(QStringLiteral("plain"))), QByteArray("here\n"));
        QVERIFY(syncFolderOf(local(dir.filePath(QStringLiteral("plain")))));
        QVERIFY(!syncFolderOf(local(dir.filePath(QStringLiteral("none/plain")))));
    }
};

QTEST_GUILESS_MAIN(DurableFileTest)
#include "durable_file_test.moc"
