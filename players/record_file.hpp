// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The bytes of aust.ini: the INI text that earlier versions wrote through Qt's settings class,
// read and written here so that a save can be checked at every step.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace slot
{

// Key and text pairs of one player's section.
using RecordSection = std::map<std::string, std::string>;

struct RecordFile {
    std::map<int, RecordSection> sections; // by slot, 1 to 6
    // The file held something the game never writes, which a save would drop: another
    // section or key, a value no game could have stored, a section or key twice, a comment.
    bool damaged = false;
};

// Reads the players' sections; only keys of a player's section whose text the game could have
// stored are kept, anything else marks the file damaged.
RecordFile parseRecordFile(std::string_view bytes);

// Sections by slot, keys in alphabetical order, text escaped and quoted where needed: the
// same bytes as Qt's settings class writes for a new file, so either reads the other's.
std::string formatRecordFile(const RecordFile &file);

} // namespace slot
