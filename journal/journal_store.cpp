// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Journal files go through the same durable writer as the record: a power cut leaves either
// the old entry or the new one, never a mixture.
#include "journal/journal_store.hpp"

#include "players/durable_file.hpp"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace slot
{

namespace fs = std::filesystem;

namespace
{
constexpr std::uintmax_t kLargestEntry = 1u << 20; // ten recalled games take a few kilobytes
} // namespace

FileJournalStore::FileJournalStore(std::string f)
    : folder(std::move(f))
{
}

std::string FileJournalStore::pathOf(int slot) const
{
    return folder + "/journal-player" + std::to_string(slot);
}

bool FileJournalStore::write(int slot, const std::string &bytes)
{
    if (folder.empty()) {
        return false;
    }
    std::error_code ec;
    fs::create_directories(folder, ec);
    return !ec && replaceDurably(pathOf(slot), bytes);
}

JournalStore::Found FileJournalStore::read(int slot, std::string &bytes)
{
    if (folder.empty()) {
        return Found::Nothing;
    }
    const std::string path = pathOf(slot);
    std::error_code ec;
    const auto status = fs::symlink_status(path, ec);
    if (status.type() == fs::file_type::not_found) {
        return Found::Nothing;
    }
    if (ec || status.type() != fs::file_type::regular || fs::file_size(path, ec) > kLargestEntry
        || ec) {
        return Found::Unreadable;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in && !in.eof()) {
        return Found::Unreadable;
    }
    bytes = text.str();
    return Found::Text;
}

void FileJournalStore::setAside(int slot)
{
    const std::string path = pathOf(slot);
    std::error_code ec;
    for (int n = 1; n <= 99; ++n) {
        const std::string aside = path + ".damaged" + (n > 1 ? "-" + std::to_string(n) : "");
        if (fs::exists(fs::symlink_status(aside, ec))) {
            continue;
        }
        fs::rename(path, aside, ec);
        if (!ec) {
            syncFolderOf(path);
            return;
        }
        break;
    }
    // Nowhere to keep it: it still must not be resumed at every start.
    fs::remove(path, ec);
    syncFolderOf(path);
}

bool FileJournalStore::remove(int slot)
{
    if (folder.empty()) {
        return true;
    }
    const std::string path = pathOf(slot);
    std::error_code ec;
    fs::remove(path, ec);
    return !ec && syncFolderOf(path);
}

} // namespace slot
