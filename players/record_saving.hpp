// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Saving the current player's record, and telling the player when it cannot be stored.
#pragma once

#include "flow/game_state.hpp"

#include <functional>
#include <string>

namespace slot
{

// The message for a record that cannot be stored at `location`.
std::string unsavedRecordTitle();
std::string unsavedRecordText(const std::string &location);

// Runs every save through the store. The first one that fails tells the player, once a run,
// where the record should have gone; play goes on, and the store keeps trying with each save.
class RecordSaving
{
public:
    using Save = std::function<bool(const PlayerState &)>;
    using Tell = std::function<void(const std::string &title, const std::string &text)>;

    RecordSaving(Save save, std::string location, Tell tell);
    bool operator()(const PlayerState &state);

private:
    Save save;
    std::string location;
    Tell tell;
    bool told = false;
};

} // namespace slot
