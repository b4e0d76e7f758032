// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The durable replace: temporary file, fsync, rename, fsync of the folder; and reads that never
// wait on something that is not a plain file.
#include "players/durable_file.hpp"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace slot
{
namespace
{

class SystemFiles final : public FileLayer
{
public:
    int makeTemp(char *pattern) override { return ::mkostemp(pattern, O_CLOEXEC); }
    ssize_t write(int fd, const void *data, std::size_t size) override
    {
        return ::write(fd, data, size);
    }
    int sync(int fd) override { return ::fsync(fd); }
    int close(int fd) override { return ::close(fd); }
    int rename(const char *from, const char *to) override { return ::rename(from, to); }
    int chmod(int fd, mode_t mode) override { return ::fchmod(fd, mode); }
    int openFolder(const char *path) override
    {
        return ::open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    }
};

std::string folderOf(const std::string &path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool writeAll(FileLayer &files, int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = files.write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// A file system that cannot flush a folder (some network and FUSE ones) says so with EINVAL;
// there is nothing more to be done for it then.
bool flushed(FileLayer &files, int fd)
{
    return files.sync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
}

std::string damagedName(const std::string &path, int n)
{
    return path + ".damaged" + (n > 1 ? "-" + std::to_string(n) : std::string());
}

bool exists(const std::string &path)
{
    struct stat st {
    };
    return ::lstat(path.c_str(), &st) == 0 || errno != ENOENT;
}

constexpr int kDamagedCopies = 99;

} // namespace

FileLayer::~FileLayer() = default;

FileLayer &systemFiles()
{
    static SystemFiles files;
    return files;
}

bool syncFolderOf(const std::string &path, FileLayer &files)
{
    const int dir = files.openFolder(folderOf(path).c_str());
    if (dir < 0) {
        return false;
    }
    const bool ok = flushed(files, dir);
    return files.close(dir) == 0 && ok;
}

bool replaceDurably(const std::string &path, std::string_view bytes, FileLayer &files)
{
    if (path.empty() || path.back() == '/') {
        return false;
    }
    std::string name = path + ".XXXXXX";
    std::vector<char> pattern(name.begin(), name.end());
    pattern.push_back('\0');
    const int fd = files.makeTemp(pattern.data());
    if (fd < 0) {
        return false;
    }
    const std::string temp(pattern.data());
    struct stat old {
    };
    bool ok = true;
    if (::stat(path.c_str(), &old) == 0) {
        ok = files.chmod(fd, old.st_mode & 07777) == 0;
    }
    ok = ok && writeAll(files, fd, bytes) && files.sync(fd) == 0;
    ok = files.close(fd) == 0 && ok;
    // Only a file whose bytes are on the disk may take the old one's name.
    ok = ok && files.rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    return syncFolderOf(path, files);
}

FileRead readRegularFile(const std::string &path, std::size_t largest)
{
    using Kind = FileRead::Kind;
    // O_NONBLOCK: opening a FIFO to read would otherwise wait for a writer that never comes.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (errno == ENOENT) {
            return {};
        }
        struct stat st {
        };
        const bool folder = ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
        return { folder ? Kind::Folder : Kind::Unreadable, {} };
    }
    FileRead read;
    struct stat st {
    };
    if (::fstat(fd, &st) != 0) {
        read.kind = Kind::Unreadable;
    } else if (S_ISDIR(st.st_mode)) {
        read.kind = Kind::Folder;
    } else if (!S_ISREG(st.st_mode)) {
        read.kind = Kind::Other;
    } else if (static_cast<std::size_t>(st.st_size) > largest) {
        read.kind = Kind::TooLarge;
    } else {
        read.kind = Kind::Regular;
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0 || read.bytes.size() + static_cast<std::size_t>(n) > largest) {
                read = { n < 0 ? Kind::Unreadable : Kind::TooLarge, {} };
                break;
            }
            if (n == 0) {
                break;
            }
            read.bytes.append(buffer, static_cast<std::size_t>(n));
        }
    }
    ::close(fd);
    return read;
}

bool setAsideDamaged(const std::string &path)
{
    for (int n = 1; n <= kDamagedCopies; ++n) {
        const std::string aside = damagedName(path, n);
        if (::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0) {
            return syncFolderOf(path);
        }
        if (errno == EEXIST) {
            continue;
        }
        // A file system without the no-replace rename: look first, then move.
        if (errno == EINVAL && !exists(aside)) {
            return ::rename(path.c_str(), aside.c_str()) == 0 && syncFolderOf(path);
        }
        if (errno != EINVAL) {
            return false;
        }
    }
    return false;
}

bool keepDamagedCopy(const std::string &path, std::string_view bytes, FileLayer &files)
{
    for (int n = 1; n <= kDamagedCopies; ++n) {
        const std::string copy = damagedName(path, n);
        if (!exists(copy)) {
            return replaceDurably(copy, bytes, files);
        }
        const FileRead kept = readRegularFile(copy, bytes.size());
        if (kept.kind == FileRead::Kind::Regular && kept.bytes == bytes) {
            return true;
        }
    }
    return false;
}

} // namespace slot
