// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Screen mode changes on X11 through XRandR, guarded by the tarnix-modewatch process.
#include "display/screen_mode.hpp"

#include "display/xrandr_mode.hpp"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cmath>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace slot::MODchangeRes {
namespace {

struct Recorded {
    xmode::ScreenMode mode;
    std::string display;
    int watcherSocket = -1;
    pid_t watcher = -1;
};

// The user's own mode, from before the first change, for the whole run.
std::optional<Recorded> &recorded()
{
    static std::optional<Recorded> mode;
    return mode;
}

bool onX11()
{
    return qGuiApp && QGuiApplication::platformName() == QLatin1String("xcb");
}

QString watcherPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/tarnix-modewatch");
}

// posix_spawn rather than fork: the game's process has Qt's threads, and only exec is safe in
// a forked copy of it. The game keeps one end of a socket; its close (however the game ends)
// is what wakes the watcher.
bool startWatcher(Recorded &rec)
{
    const QByteArray path = QFile::encodeName(watcherPath());
    if (!QFileInfo(watcherPath()).isExecutable()) {
        return false;
    }
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
        return false;
    }
    std::vector<std::string> args{path.toStdString(), rec.display};
    for (auto &a : xmode::toArgs(rec.mode)) {
        args.push_back(std::move(a));
    }
    std::vector<char *> argv;
    for (auto &a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDIN_FILENO);
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, path.constData(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(ends[1]);
    if (failed != 0) {
        close(ends[0]);
        return false;
    }
    rec.watcherSocket = ends[0];
    rec.watcher = pid;
    return true;
}

// The watcher ends at once after 'R'. One still busy with a restore of its own is left to
// finish alone: the game's end must not wait on the display.
void reap(pid_t watcher)
{
    for (int tries = 0; tries < 200; ++tries) {
        if (waitpid(watcher, nullptr, WNOHANG) != 0) {
            return;
        }
        usleep(10000);
    }
}

} // namespace

present::ModeSwitch ChangeRes(float width, float height)
{
    using present::ModeSwitch;
    if (!onX11()) {
        return ModeSwitch::notX11;
    }
    const int w = static_cast<int>(std::lround(width));
    const int h = static_cast<int>(std::lround(height));
    auto &rec = recorded();
    const std::string display = rec ? rec->display : qEnvironmentVariable("DISPLAY").toStdString();
    if (!xmode::offers(display.c_str(), w, h)) {
        return ModeSwitch::noMode;
    }
    if (!rec) {
        const auto now = xmode::current(display.c_str());
        if (!now) {
            return ModeSwitch::noMode;
        }
        Recorded fresh{*now, display};
        // Without a watcher a crash would strand the user in 800 x 600: better not to switch.
        if (!startWatcher(fresh)) {
            return ModeSwitch::noWatcher;
        }
        rec = std::move(fresh);
    }
    return xmode::switchTo(display.c_str(), w, h) ? ModeSwitch::switched : ModeSwitch::refused;
}

void RestoreRes()
{
    auto &rec = recorded();
    if (!rec) {
        return;
    }
    const bool restored = xmode::restore(rec->display.c_str(), rec->mode);
    if (restored) {
        send(rec->watcherSocket, "R", 1, MSG_NOSIGNAL);
    }
    // Closing the socket without 'R' makes the watcher try the restore in turn.
    close(rec->watcherSocket);
    reap(rec->watcher);
    rec.reset();
}

} // namespace slot::MODchangeRes
