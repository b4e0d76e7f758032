// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Files that survive a power cut: once a replace returns true, the disk holds the new bytes
// under the file's name, or (after a failure) the old file exactly as it was.
#pragma once

#include <string>
#include <string_view>
#include <sys/stat.h>
#include <sys/types.h>

namespace slot
{

// The system calls a save makes, behind one seam, so that tests can make any one of them fail
// as a full disk or a failing device would. Each returns what the system call returns.
class FileLayer
{
public:
    virtual ~FileLayer();
    virtual int makeTemp(char *pattern) = 0; // mkostemp
    virtual ssize_t write(int fd, const void *data, std::size_t size) = 0;
    virtual int sync(int fd) = 0;
    virtual int close(int fd) = 0;
    virtual int rename(const char *from, const char *to) = 0;
    virtual int chmod(int fd, mode_t mode) = 0;
    virtual int openFolder(const char *path) = 0;
};

// The real system calls.
FileLayer &systemFiles();

// Writes `bytes` to a temporary file in the same folder, flushes it to the disk, renames it
// over `path` and flushes the folder, so that the new name itself is on the disk. The folder
// must exist. A replaced file keeps its permissions; a new one is readable by its owner only.
// On any failure returns false, removes the temporary file and leaves `path` untouched.
bool replaceDurably(
    const std::string &path, std::string_view bytes, FileLayer &files = systemFiles());

// Flushes the folder holding `path`, for a file that something else renamed into place.
// True when the folder reached the disk, or when its file system cannot flush folders.
bool syncFolderOf(const std::string &path, FileLayer &files = systemFiles());

// What stands at a path, read without ever waiting: a FIFO, socket or device is reported, not
// opened for good, so a reader cannot hang on one.
struct FileRead {
    enum class Kind { Missing, Regular, Folder, Other, TooLarge, Unreadable };
    Kind kind = Kind::Missing;
    std::string bytes; // the whole file, for a Regular one
};
FileRead readRegularFile(const std::string &path, std::size_t largest);

// Moves whatever stands at `path` (of any kind, a symlink itself rather than its target) to
// the first free name of `path`.damaged, `path`.damaged-2, ... without replacing anything there.
bool setAsideDamaged(const std::string &path);

// Keeps `bytes` as the first free one of `path`.damaged, -2, ..., or finds them already kept in
// one of those; false when they could not be kept.
bool keepDamagedCopy(
    const std::string &path, std::string_view bytes, FileLayer &files = systemFiles());

} // namespace slot
