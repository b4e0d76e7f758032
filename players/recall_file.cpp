// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Recall is a convenience beside the record: nothing here may stop a game or touch the credit,
// so every failure ends in a plain false or an empty recall.
#include "players/recall_file.hpp"

#include "players/durable_file.hpp"
#include "players/recall_json.hpp"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace slot
{

namespace fs = std::filesystem;

namespace
{

// A damaged file is kept for whoever wants to look at it; the next save replaces the original.
void setAside(const std::string &path)
{
    std::error_code ec;
    for (int n = 1; n <= 99; ++n) {
        const std::string aside = path + ".damaged" + (n > 1 ? "-" + std::to_string(n) : "");
        if (fs::exists(aside, ec)) {
            continue;
        }
        if (!fs::copy_file(path, aside, ec)) {
            fs::rename(path, aside, ec); // unreadable: move it out of the way instead
        }
        return;
    }
}

} // namespace

std::string recallFolder()
{
    // A relative state folder is not a valid one; the home's default applies then.
    if (const char *state = std::getenv("XDG_STATE_HOME"); state && state[0] == '/') {
        return std::string(state) + "/slots_tarnix";
    }
    if (const char *home = std::getenv("HOME"); home && home[0] == '/') {
        return std::string(home) + "/.local/state/slots_tarnix";
    }
    return {};
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
    const std::string path = pathOf(slot);
    std::error_code ec;
    if (!fs::exists(path, ec) && !ec) {
        return {};
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    if (in && fs::is_regular_file(path, ec) && fs::file_size(path, ec) < (1u << 20)) {
        text << in.rdbuf();
        if (in || in.eof()) {
            if (auto ring = recallFromJson(text.str())) {
                return *ring;
            }
        }
    }
    setAside(path);
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
