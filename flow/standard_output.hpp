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

// Flushes and closes standard output. False, after one line on standard error that starts with
// `program`, when anything written to it was lost.
bool finishStandardOutput(const char *program);

} // namespace slot
