// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Recall is a convenience beside the record: nothing here may stop a game or touch the credit,
// so every failure ends in a plain false or an empty recall.
#include "players/recall_file.hpp"

#include "players/durable_file.hpp"
#include "players/recall_json.hpp"
#include "players/user_folders.hpp"

#include <filesystem>

namespace slot
{

namespace fs = std::filesystem;

std::string recallFolder()
{
    const std::string state = userFolder("XDG_STATE_HOME", ".local/state");
    return state.empty() ? state : state + "/slots_tarnix";
}

FileRecallStorage::FileRecallStorage(std::string f)
    : folder(std::move(f))
{
}

std::string FileRecallStorage::pathOf(int slot) const
{
    return folder + "/recall-player" + std::to_string(slot) + ".json";
}

RecallRing FileRecallStorage::load(int slot)
{
    if (folder.empty()) {
        return {};
    }
    // A damaged file is kept for whoever wants to look at it; the next save replaces it.
    const std::string path = pathOf(slot);
    const FileRead read = readRegularFile(path, 1U << 20U);
    if (read.kind == FileRead::Kind::Regular) {
        if (auto ring = recallFromJson(read.bytes)) {
            return *ring;
        }
        keepDamagedCopy(path, read.bytes);
    } else if (read.kind != FileRead::Kind::Missing) {
        setAsideDamaged(path); // never opened: it may be a FIFO no one will ever write to
    }
    return {};
}

bool FileRecallStorage::store(int slot, const RecallRing &ring)
{
    if (folder.empty()) {
        return false;
    }
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) {
        return false;
    }
    return replaceDurably(pathOf(slot), recallToJson(ring));
}

} // namespace slot
