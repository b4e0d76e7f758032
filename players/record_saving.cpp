// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The notice for a record that cannot be stored, in the game's own words.
#include "players/record_saving.hpp"

#include <utility>

namespace slot
{

std::string unsavedRecordTitle()
{
    return "Slots_Tarnix";
}

std::string unsavedRecordText(const std::string &location)
{
    return "Sorry... Your player details can't be saved.\n"
           "They should be kept in\n"
        + location
        + "\n"
          "but that place can't be written to.\n"
          "You can play on, and the game keeps trying,\n"
          "but until it works your credit will be lost when you leave.";
}

RecordSaving::RecordSaving(Save s, std::string where, Tell t)
    : save(std::move(s))
    , location(std::move(where))
    , tell(std::move(t))
{
}

bool RecordSaving::operator()(const PlayerState &state)
{
    if (save(state)) {
        return true;
    }
    if (!told) {
        told = true;
        tell(unsavedRecordTitle(), unsavedRecordText(location));
    }
    return false;
}

} // namespace slot
