// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A relative folder would follow whatever the current folder happens to be, and an empty one
// would put the files at the root, so both count as unset.
#include "players/user_folders.hpp"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace slot
{
namespace
{

bool absolute(const char *path)
{
    return path && path[0] == '/';
}

std::string homeFolder()
{
    if (const char *home = std::getenv("HOME"); absolute(home)) {
        return home;
    }
    const passwd *account = ::getpwuid(::getuid());
    return account && absolute(account->pw_dir) ? account->pw_dir : "";
}

} // namespace

std::string userFolder(const char *variable, const char *underHome)
{
    if (const char *set = std::getenv(variable); absolute(set)) {
        return set;
    }
    const std::string home = homeFolder();
    if (home.empty()) {
        return {};
    }
    return (home == "/" ? std::string() : home) + "/" + underHome;
}

} // namespace slot
