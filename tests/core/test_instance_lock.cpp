// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The lock that keeps a second copy of the game out: held while its owner lives, free once the
// owner is gone, and never taken through a place another user could have prepared.
#include "flow/instance_lock.hpp"

#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace slot;
using Outcome = InstanceLock::Outcome;

namespace
{
// A forked child that holds the lock until told to go. Whatever way the test ends, a failed
// comparison included, the child is killed and reaped: nothing is left waiting for ctest's
// timeout.
class LockHolder
{
public:
    explicit LockHolder(const std::vector<std::string> &at)
    {
        int ready[2];
        int stay[2];
        if (::pipe(ready) != 0 || ::pipe(stay) != 0) {
            return;
        }
        child = ::fork();
        if (child == 0) {
            ::close(ready[0]);
            ::close(stay[1]);
            InstanceLock held(at);
            const char byte = held.outcome() == Outcome::Acquired ? 'y' : 'n';
            (void)!::write(ready[1], &byte, 1);
            // Ends by itself when the test's end of the pipe closes, even if it was never killed.
            char ignored;
            (void)!::read(stay[0], &ignored, 1);
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(stay[0]);
        leave = stay[1];
        if (child > 0 && ::read(ready[0], &answer, 1) != 1) {
            answer = 0;
        }
        ::close(ready[0]);
    }
    ~LockHolder() { kill(); }
    LockHolder(const LockHolder &) = delete;
    LockHolder &operator=(const LockHolder &) = delete;

    bool acquired() const { return answer == 'y'; }
    // As kill -9 would end the game: the lock file stays, the lock goes with the process.
    void kill()
    {
        if (child > 0) {
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
            child = -1;
        }
        if (leave >= 0) {
            ::close(leave);
            leave = -1;
        }
    }

private:
    pid_t child = -1;
    int leave = -1;
    char answer = 0;
};
} // namespace

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
        LockHolder holder(at);
        QVERIFY(holder.acquired());
        QCOMPARE(InstanceLock(at).outcome(), Outcome::Held);
        holder.kill();
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

    // Copies sharing the records share the lock whatever their session says, so the records'
    // folder comes first; /tmp, shared with other users, carries the user's id.
    void theRecordsFolderComesFirstAndTmpIsPerUser()
    {
        QCOMPARE(instanceLockCandidates("/home/maud/.config", 7),
            (std::vector<std::string> {
                "/home/maud/.config/slots_tarnix.lock", "/tmp/slots_tarnix-7.lock" }));
        QCOMPARE(instanceLockCandidates("", 1000),
            (std::vector<std::string> { "/tmp/slots_tarnix-1000.lock" }));
    }

    // Another user's file is never the lock: that user could hold it and keep this user's game
    // "already running", or find out when it runs. Needs root to hand a file to another user.
    void anotherUsersFileIsNeverTheLock()
    {
        if (::geteuid() != 0) {
            QSKIP("only root can hand a file to another user");
        }
        QTemporaryDir dir;
        const std::string theirs = dir.filePath("theirs.lock").toStdString();
        const std::string usable = dir.filePath("game.lock").toStdString();
        const int made = ::open(theirs.c_str(), O_RDWR | O_CREAT, 0666);
        QVERIFY(made >= 0);
        ::close(made);
        const uid_t other = ::getuid() + 4242;
        QVERIFY(::chown(theirs.c_str(), other, other) == 0);
        QVERIFY(::chmod(theirs.c_str(), 0666) == 0); // open to anyone, as a prepared trap would be
        {
            InstanceLock lock({ theirs, usable });
            QCOMPARE(lock.outcome(), Outcome::Acquired);
            QCOMPARE(lock.path(), usable);
        }
        // Even while its owner holds it, it decides nothing.
        const int held = ::open(theirs.c_str(), O_RDWR);
        QVERIFY(held >= 0);
        QVERIFY(::flock(held, LOCK_EX | LOCK_NB) == 0);
        InstanceLock alone({ theirs });
        ::close(held);
        QCOMPARE(alone.outcome(), Outcome::Unavailable);
        struct stat info {
        };
        QVERIFY(::stat(theirs.c_str(), &info) == 0);
        QCOMPARE(info.st_uid, other);
    }
};

QTEST_GUILESS_MAIN(InstanceLock_)
#include "test_instance_lock.moc"
