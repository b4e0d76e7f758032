// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Buffered output fails late: the error shows only at the flush or the close, so both are
// checked, along with the stream's own record of earlier failed writes.
#include "flow/standard_output.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace slot
{

bool standardOutputOpen()
{
    return ::fcntl(STDOUT_FILENO, F_GETFD) != -1;
}

bool keepStandardStreamsOpen()
{
    bool filled = true;
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) {
            continue;
        }
        // The lowest free number is the one just found closed.
        const int opened = ::open("/dev/null", O_RDWR);
        if (opened != fd) {
            if (opened >= 0) {
                ::close(opened);
            }
            filled = false;
        }
    }
    return filled;
}

bool finishStandardOutput(const char *program)
{
    const bool earlier = std::ferror(stdout) != 0;
    int error = 0;
    if (std::fflush(stdout) != 0) {
        error = errno;
    }
    // The close itself can report a write the kernel had accepted and then lost (NFS, full disk).
    if (std::fclose(stdout) != 0 && error == 0) {
        error = errno;
    }
    if (!earlier && error == 0) {
        return true;
    }
    std::fprintf(stderr, "%s: cannot write to standard output: %s\n", program,
        std::strerror(error != 0 ? error : EIO));
    return false;
}

} // namespace slot
