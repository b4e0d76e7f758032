// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The real file calls, except that the Nth call of one kind fails as a full or broken disk
// makes it fail. Writes go through a few bytes at a time, so a failing write can come after
// part of the file is already written.
#pragma once

#include "players/durable_file.hpp"

#include <cerrno>
#include <string>
#include <utility>

namespace slot::test
{

class FailingFiles final : public FileLayer
{
public:
    enum class Step { None, MakeTemp, Write, Sync, Close, Rename, Chmod, OpenFolder };

    // Fails the `nth` call (from 1) of `step` with `error`, and every later one too when
    // `onward`; every other call is the real one.
    explicit FailingFiles(
        Step step = Step::None, int count = 1, bool onward = false, int code = ENOSPC)
        : failing(step)
        , nth(count)
        , always(onward)
        , error(code)
    {
    }

    int makeTemp(char *pattern) override
    {
        return fails(Step::MakeTemp) ? -1 : real.makeTemp(pattern);
    }
    ssize_t write(int fd, const void *data, std::size_t size) override
    {
        return fails(Step::Write) ? -1 : real.write(fd, data, size < 5 ? size : 5);
    }
    int sync(int fd) override { return fails(Step::Sync) ? -1 : real.sync(fd); }
    int close(int fd) override
    {
        // A failing close still releases the descriptor, as the system's does.
        const int closed = real.close(fd);
        return fails(Step::Close) ? -1 : closed;
    }
    int rename(const char *from, const char *to) override
    {
        if (to == refusedName) {
            errno = error;
            return -1;
        }
        return fails(Step::Rename) ? -1 : real.rename(from, to);
    }

    // Every rename onto `path` fails, and nothing else does: a disk with room for the small
    // copy of damage but not for the record.
    void refuseRenamesTo(std::string path) { refusedName = std::move(path); }
    int chmod(int fd, mode_t mode) override
    {
        return fails(Step::Chmod) ? -1 : real.chmod(fd, mode);
    }
    int openFolder(const char *path) override
    {
        return fails(Step::OpenFolder) ? -1 : real.openFolder(path);
    }

    bool failed() const { return seen >= nth; }

private:
    bool fails(Step step)
    {
        if (step != failing || (++seen != nth && !(always && seen > nth))) {
            return false;
        }
        errno = error;
        return true;
    }

    FileLayer &real = systemFiles();
    Step failing;
    int nth;
    bool always;
    int error;
    int seen = 0;
    std::string refusedName;
};

} // namespace slot::test
