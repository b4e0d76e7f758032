// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The lock file behind "slots_tarnix is already running".
#include "flow/instance_lock.hpp"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace slot
{

namespace
{
constexpr const char *kLockName = "slots_tarnix.lock";
} // namespace

std::vector<std::string> instanceLockCandidates(const std::string &recordsFolder, unsigned uid)
{
    std::vector<std::string> paths;
    if (!recordsFolder.empty()) {
        paths.push_back(recordsFolder + "/" + kLockName);
    }
    paths.push_back("/tmp/slots_tarnix-" + std::to_string(uid) + ".lock");
    return paths;
}

InstanceLock::InstanceLock(const std::vector<std::string> &candidates)
{
    for (const std::string &candidate : candidates) {
        // Close-on-exec: the screen-mode watcher and anything the about window opens outlive
        // the game, and must not keep the lock after it ends. No symlinks, and only a file of
        // our own, since /tmp is shared with other users.
        const int opened
            = ::open(candidate.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (opened < 0) {
            continue;
        }
        struct stat info {
        };
        if (::fstat(opened, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::getuid()) {
            ::close(opened);
            continue;
        }
        int status;
        do {
            status = ::flock(opened, LOCK_EX | LOCK_NB);
        } while (status != 0 && errno == EINTR);
        if (status != 0 && errno != EWOULDBLOCK) {
            // A file system without flock says nothing about other copies; try the next place.
            ::close(opened);
            continue;
        }
        lockPath = candidate;
        if (status == 0) {
            fd = opened;
            result = Outcome::Acquired;
        } else {
            ::close(opened);
            result = Outcome::Held;
        }
        return;
    }
}

InstanceLock::~InstanceLock()
{
    if (fd >= 0) {
        ::close(fd);
    }
}

} // namespace slot
