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

bool isSet(const char *value)
{
    return value != nullptr && *value != '\0';
}
} // namespace

std::vector<std::string> instanceLockCandidates(
    const char *runtimeDir, const char *configHome, const char *home, unsigned uid)
{
    std::vector<std::string> paths;
    if (isSet(runtimeDir)) {
        paths.push_back(std::string(runtimeDir) + "/" + kLockName);
    }
    // The records' own folder, so that copies sharing a record file also share the lock.
    if (isSet(configHome)) {
        paths.push_back(std::string(configHome) + "/" + kLockName);
    } else if (isSet(home)) {
        paths.push_back(std::string(home) + "/.config/" + kLockName);
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
