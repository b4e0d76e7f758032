// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One copy of the game at a time: two copies would each hold a player's credit in memory, and
// the later save would overwrite the games of the earlier one.
#pragma once

#include <string>
#include <vector>

namespace slot
{

// Where the lock may live, best first: beside the record file, so that every copy using those
// records finds it whatever its session's environment (two logins, a launcher without a
// session), then /tmp with the user's id in the name. An empty folder is skipped.
std::vector<std::string> instanceLockCandidates(const std::string &recordsFolder, unsigned uid);

// An advisory lock (flock) on a file: the kernel drops it when the process ends in any way,
// kill -9 included, so a lock left behind by a killed copy is simply taken at the next start.
class InstanceLock
{
public:
    enum class Outcome {
        Acquired, // this copy is the one
        Held, // another copy holds it
        Unavailable, // no candidate could be opened: the game runs unguarded
    };

    // Tries the candidates in order until one opens; only that one is locked.
    explicit InstanceLock(const std::vector<std::string> &candidates);
    ~InstanceLock();
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

    Outcome outcome() const { return result; }
    // The file that decided the outcome; empty when Unavailable.
    const std::string &path() const { return lockPath; }

private:
    int fd = -1;
    Outcome result = Outcome::Unavailable;
    std::string lockPath;
};

} // namespace slot
