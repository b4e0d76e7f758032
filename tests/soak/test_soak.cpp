// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A long unattended session on the real cabinet: tens of thousands of random legal moves, and
// not one credit may appear or vanish, nor a game start inside another, nor memory creep.
#include "soak/soak_player.hpp"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace
{

// Resident memory in KiB, as the kernel counts it.
long residentKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

// AddressSanitizer holds freed memory in quarantine to catch late uses, so resident memory
// grows under it whatever the game does.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMemoryMeaningful = false;
#else
constexpr bool kMemoryMeaningful = true;
#endif

int envInt(const char *name, int fallback)
{
    bool ok = false;
    const int v = qEnvironmentVariableIntValue(name, &ok);
    return ok && v > 0 ? v : fallback;
}

} // namespace

class SoakTest : public QObject
{
    Q_OBJECT
private slots:
    void randomSessionAccountsForEveryCredit();
};

void SoakTest::randomSessionAccountsForEveryCredit()
{
    const int moves = envInt("TARNIX_SOAK_MOVES", 40000);
    const auto seed = static_cast<std::uint64_t>(envInt("TARNIX_SOAK_SEED", 20261209));
    // Every save flushes the record to the disk, which costs milliseconds on a busy one and
    // proves nothing about the ledger: a memory-backed folder, where there is one, keeps the
    // soak's time about the game.
    const QString memory = QStringLiteral("/dev/shm");
    QTemporaryDir dir((QFileInfo(memory).isWritable() ? memory : QDir::tempPath())
        + QStringLiteral("/tarnix-soak-XXXXXX"));
    QVERIFY(dir.isValid());
    slot::test::SoakPlayer player(seed, dir.filePath(QStringLiteral("aust.ini")));

    long rssEarly = -1;
    for (int i = 1; i <= moves; ++i) {
        const std::string fault = player.step();
        if (!fault.empty()) {
            QFAIL(qPrintable(QStringLiteral("seed %1, move %2: %3")
                                 .arg(seed)
                                 .arg(i)
                                 .arg(QString::fromStdString(fault))));
        }
        if (i == moves / 10) {
            rssEarly = residentKib();
        }
    }
    const long rssEnd = residentKib();
    qInfo("%d moves: %d games (%d refused), %d features, %d gambles, %d reloads, %d impatient "
          "clicks; resident %ld KiB at 10%%, %ld KiB at the end",
        player.moves, player.games, player.refusedPlays, player.features, player.gambles,
        player.reloads, player.impatientClicks, rssEarly, rssEnd);

    // A session this long reaches every corner the weights allow; if it did not, the moves
    // stopped being legal somewhere and the ledger proved little.
    QVERIFY2(player.games > moves / 4, "too few games were played");
    QVERIFY2(player.gambles > 0 && player.features > 0 && player.reloads > 0,
        "the session never gambled, reached the feature or reloaded");
    if (kMemoryMeaningful) {
        QVERIFY(rssEarly > 0 && rssEnd > 0);
        // Allocator noise and Qt's caches settle within a few MiB; a leak per game would not.
        const long slack = std::max(4096L, rssEarly / 20);
        QVERIFY2(rssEnd - rssEarly <= slack,
            qPrintable(QStringLiteral("resident memory grew from %1 to %2 KiB")
                           .arg(rssEarly)
                           .arg(rssEnd)));
    }
}

QTEST_MAIN(SoakTest)
#include "test_soak.moc"
