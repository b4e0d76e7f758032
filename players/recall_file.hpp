// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The recall files on disk: one small JSON file per player slot under the user's state folder.
#pragma once

#include "players/game_recall.hpp"

#include <string>

namespace slot
{

// $XDG_STATE_HOME/slots_tarnix, or ~/.local/state/slots_tarnix; empty when no home is known.
std::string recallFolder();

class FileRecallStorage final : public RecallStorage
{
public:
    explicit FileRecallStorage(std::string folder);
    RecallRing load(int slot) override;
    bool store(int slot, const RecallRing &ring) override;

    std::string pathOf(int slot) const;

private:
    std::string folder;
};

} // namespace slot
