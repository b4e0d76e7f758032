// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The durable replace on real files: it creates, replaces, keeps permissions, and on every
// failure leaves the old file and no temporary behind.
#include "players/durable_file.hpp"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace slot;

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
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
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
