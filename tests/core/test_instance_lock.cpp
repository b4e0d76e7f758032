// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The lock that keeps a second copy of the game out: held while its owner lives, free once the
// owner is gone, and never taken through a place another user could have prepared.
#include "flow/instance_lock.hpp"

#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace slot;
using Outcome = InstanceLock::Outcome;

class InstanceLock_ : public QObject
{
    Q_OBJECT
private slots:
    void aSecondLockIsRefusedUntilTheFirstIsGone()
    {
        QTemporaryDir dir;
        const std::vector<std::string> at { dir.filePath("game.lock").toStdString() };
        {
            InstanceLock first(at);
            QCOMPARE(first.outcome(), Outcome::Acquired);
            InstanceLock second(at);
            QCOMPARE(second.outcome(), Outcome::Held);
            QCOMPARE(second.path(), at.front());
        }
        InstanceLock later(at);
        QCOMPARE(later.outcome(), Outcome::Acquired);
    }

    // What a crash or kill -9 leaves: the file, but no lock on it.
    void aKilledOwnersLockIsTakenOver()
    {
        QTemporaryDir dir;
        const std::vector<std::string> at { dir.filePath("game.lock").toStdString() };
        int ready[2];
        QVERIFY(::pipe(ready) == 0);
        const pid_t child = ::fork();
        if (child == 0) {
            InstanceLock held(at);
            const char byte = held.outcome() == Outcome::Acquired ? 'y' : 'n';
            (void)!::write(ready[1], &byte, 1);
            ::pause();
            ::_exit(0);
        }
        char byte = 0;
        QCOMPARE(::read(ready[0], &byte, 1), ssize_t(1));
        QCOMPARE(byte, 'y');
        QCOMPARE(InstanceLock(at).outcome(), Outcome::Held);
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        ::close(ready[0]);
        ::close(ready[1]);
        QVERIFY(QFile::exists(dir.filePath("game.lock")));
        QCOMPARE(InstanceLock(at).outcome(), Outcome::Acquired);
    }

    // Programs the game starts (the screen-mode watcher, a browser) must not inherit the lock.
    void theLockIsNotInherited()
    {
        QTemporaryDir dir;
        const std::vector<std::string> at { dir.filePath("game.lock").toStdString() };
        InstanceLock held(at);
        QCOMPARE(held.outcome(), Outcome::Acquired);
        // Every descriptor open on the lock file carries close-on-exec.
        int found = 0;
        for (int candidate = 3; candidate < 256; ++candidate) {
            char link[64];
            char target[512];
            std::snprintf(link, sizeof link, "/proc/self/fd/%d", candidate);
            const ssize_t n = ::readlink(link, target, sizeof target - 1);
            if (n <= 0) {
                continue;
            }
            target[n] = '\0';
            if (at.front() == target) {
                QVERIFY(::fcntl(candidate, F_GETFD) & FD_CLOEXEC);
                ++found;
            }
        }
        QCOMPARE(found, 1);
    }

    void placesThatCannotHoldTheLockAreSkipped()
    {
        QTemporaryDir dir;
        const std::string missing = dir.filePath("no/such/folder/game.lock").toStdString();
        const std::string link = dir.filePath("link.lock").toStdString();
        const std::string target = dir.filePath("elsewhere").toStdString();
        QVERIFY(::symlink(target.c_str(), link.c_str()) == 0);
        const std::string usable = dir.filePath("game.lock").toStdString();
        InstanceLock lock({ missing, link, usable });
        QCOMPARE(lock.outcome(), Outcome::Acquired);
        QCOMPARE(lock.path(), usable);
        QVERIFY(!QFile::exists(QString::fromStdString(target)));

        InstanceLock none({ missing });
        QCOMPARE(none.outcome(), Outcome::Unavailable);
    }

    void theRuntimeFolderComesFirstAndTmpIsPerUser()
    {
        const auto all = instanceLockCandidates("/run/user/7", "/c", "/h", 7);
        QCOMPARE(all,
            (std::vector<std::string> { "/run/user/7/slots_tarnix.lock", "/c/slots_tarnix.lock",
                "/tmp/slots_tarnix-7.lock" }));
        const auto bare = instanceLockCandidates("", nullptr, "/h", 1000);
        QCOMPARE(bare,
            (std::vector<std::string> {
                "/h/.config/slots_tarnix.lock", "/tmp/slots_tarnix-1000.lock" }));
    }
};

QTEST_GUILESS_MAIN(InstanceLock_)
#include "test_instance_lock.moc"
