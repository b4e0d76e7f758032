// The recall files on disk: one small JSON file per player slot under the user's state folder.
#pragma once

#include "players/game_recall.hpp"

#include <string>

namespace slot
{

// $XDG_STATE_HOME/slots_tarnix, or ~/.local/state/slots_tarnix; empty when neither is known.
std::string recallFolder();

// Puts contents in place of path so that a crash leaves either the old file or the new one,
// never half of either: a temporary file in the same folder, flushed, renamed over, and the
// folder flushed. False, with nothing changed, when any step fails.
bool replaceFileDurably(const std::string &path, const std::string &contents);

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
