// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The player records in an INI file: section playerN, eight keys, values as text.
#include "players/record_store.hpp"

#include "players/player_record.hpp"
#include "players/record_file.hpp"
#include "players/user_folders.hpp"

#include <QFile>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>

namespace slot
{
namespace
{

// Far beyond any record the game writes, and small enough to hold in memory to keep a copy.
constexpr std::size_t kLargestRecordFile = 16U << 20U;

std::string local(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

// Where a save must write: the file a symlink leads to, so that a record kept elsewhere (a
// dotfiles folder) stays there; the path itself when there is no file yet.
std::string writtenPath(const std::string &path)
{
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

RecordFile readRecords(const std::string &path)
{
    const FileRead read = readRegularFile(path, kLargestRecordFile);
    return read.kind == FileRead::Kind::Regular ? parseRecordFile(read.bytes) : RecordFile {};
}

} // namespace

RecordStore::~RecordStore() = default;

SettingsRecordStore::SettingsRecordStore(QString path, FileLayer &fileLayer)
    : iniPath(std::move(path))
    , files(fileLayer)
{
}

QString SettingsRecordStore::userPath()
{
    return QFile::decodeName(userFolder("XDG_CONFIG_HOME", ".config").c_str())
        + QStringLiteral("/aust.ini");
}

bool SettingsRecordStore::save(const PlayerState &state)
{
    const auto slot = slotOf(state.playerslot);
    if (!slot) {
        return false;
    }
    unsaved[*slot] = state;
    if (!storeUnsaved()) {
        return false;
    }
    unsaved.clear();
    return true;
}

bool SettingsRecordStore::storeUnsaved()
{
    const std::string path = local(iniPath);
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    const FileRead current = readRegularFile(path, kLargestRecordFile);
    RecordFile file;
    switch (current.kind) {
    case FileRead::Kind::Missing:
        break;
    case FileRead::Kind::Regular:
        file = parseRecordFile(current.bytes);
        // Whatever the save would drop stays readable beside the records, on the disk before
        // the file that lacks it takes its place.
        if (file.damaged && !keepDamagedCopy(path, current.bytes, files)) {
            return false;
        }
        break;
    case FileRead::Kind::Other:
    case FileRead::Kind::TooLarge:
        if (!setAsideDamaged(path)) {
            return false;
        }
        break;
    case FileRead::Kind::Folder:
    case FileRead::Kind::Unreadable:
        return false;
    }
    for (const auto &[slot, record] : unsaved) {
        RecordSection &section = file.sections[slot];
        for (const auto &[key, text] : recordTexts(record)) {
            section[std::string(key)] = text;
        }
    }
    return replaceDurably(writtenPath(path), formatRecordFile(file), files);
}

template <typename Read> void SettingsRecordStore::withSection(int slot, Read read)
{
    // Runs `read` on the slot's section, or on nothing when the slot does not exist, so that an
    // unusable slot number behaves like an empty record.
    RecordSection section;
    if (const auto kept = unsaved.find(slot); kept != unsaved.end()) {
        for (const auto &[key, text] : recordTexts(kept->second)) {
            section[std::string(key)] = text;
        }
    } else if (!sectionOf(slot).empty()) {
        RecordFile file = readRecords(local(iniPath));
        section = std::move(file.sections[slot]);
    }
    read([&section](std::string_view key) {
        const auto found = section.find(std::string(key));
        return found == section.end() ? std::string() : found->second;
    });
}

void SettingsRecordStore::loadLenient(int slot, PlayerState &state)
{
    withSection(slot, [&state](const RecordLookup &lookup) { slot::loadLenient(state, lookup); });
}

void SettingsRecordStore::loadResetting(int slot, PlayerState &state)
{
    withSection(slot, [&state](const RecordLookup &lookup) { slot::loadResetting(state, lookup); });
}

std::string SettingsRecordStore::readName(int slot)
{
    std::string name;
    withSection(slot, [&name](const RecordLookup &lookup) { name = lookup(kRecordKeys[7]); });
    return isStorableName(name) ? name : std::string();
}

} // namespace slot
