// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a command-line answer printed must have reached its reader: `> /dev/full` or a closed
// standard output is a failure to report, not a success.
#pragma once

namespace slot
{

// False when standard output is closed: the next file the program opened would take its place
// and receive what was meant for the reader.
bool standardOutputOpen();

// Puts /dev/null in the place of a closed standard input, output or error, so that no file the
// program opens later (the lock, the records, the display's connection) is given that number
// and receives what is printed. False when one could not be filled.
bool keepStandardStreamsOpen();

// Flushes and closes standard output. False, after one line on standard error that starts with
// `program`, when anything written to it was lost.
bool finishStandardOutput(const char *program);

} // namespace slot
