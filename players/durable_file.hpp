// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Files that survive a power cut: once a replace returns true, the disk holds the new bytes
// under the file's name, or (after a failure) the old file exactly as it was.
#pragma once

#include <string>
#include <string_view>

namespace slot
{

// Writes `bytes` to a temporary file in the same folder, flushes it to the disk, renames it
// over `path` and flushes the folder, so that the new name itself is on the disk. The folder
// must exist. A replaced file keeps its permissions; a new one is readable by its owner only.
// On any failure returns false, removes the temporary file and leaves `path` untouched.
bool replaceDurably(const std::string &path, std::string_view bytes);

// Flushes the folder holding `path`, for a file that something else renamed into place.
// True when the folder reached the disk, or when its file system cannot flush folders.
bool syncFolderOf(const std::string &path);

} // namespace slot
