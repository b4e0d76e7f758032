// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The player records in an INI file: section playerN, eight keys, values as text.
#include "players/record_store.hpp"

#include "players/durable_file.hpp"
#include "players/player_record.hpp"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <algorithm>
#include <sys/stat.h>

namespace slot {
namespace {

QString qtText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A value a person typed with commas reads back as a list; the game wants the text.
std::string storedText(const QVariant &value)
{
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(QLatin1Char(',')).toStdString();
    }
    return value.toString().toStdString();
}

std::string storedText(const QSettings &settings, std::string_view key)
{
    return storedText(settings.value(qtText(key)));
}

// A key of a player's section holding a value the game could have written itself.
bool isOwned(const QSettings &settings, const QString &key)
{
    const auto slash = key.indexOf(QLatin1Char('/'));
    if (slash < 0) {
        return false;
    }
    const QString section = key.left(slash);
    const QString name = key.mid(slash + 1);
    bool ownedSection = false;
    for (int slot = 1; slot <= kPlayerSlots; ++slot) {
        ownedSection = ownedSection || section == qtText(sectionOf(slot));
    }
    const bool ownedKey = std::any_of(kRecordKeys.begin(), kRecordKeys.end(),
                                      [&name](std::string_view k) { return name == qtText(k); });
    if (!ownedSection || !ownedKey) {
        return false;
    }
    const QVariant value = settings.value(key);
    const bool text =
            value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QStringList;
    return text && isStorableText(name.toStdString(), storedText(value));
}

// Removes whatever the game does not own, so that damage read once is not written back after
// every game; true when anything went.
bool dropForeign(QSettings &settings)
{
    bool dropped = false;
    for (const QString &key : settings.allKeys()) {
        if (!isOwned(settings, key)) {
            settings.remove(key);
            dropped = true;
        }
    }
    return dropped;
}

// The file's inode, or 0 when there is none. QSettings replaces the file by renaming a new one
// over it, so a changed inode proves that a save reached the disk.
ino_t inodeOf(const QString &path)
{
    struct stat st { };
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whatever a save is about to drop stays readable beside the records, on the disk before the
// file that lacks it replaces the old one. A copy already holding these bytes is enough.
bool keepDamagedCopy(const QString &path, const QByteArray &original)
{
    for (int n = 1; n < 100; ++n) {
        const QString copy = path + QStringLiteral(".damaged") +
                             (n == 1 ? QString() : QStringLiteral("-%1").arg(n));
        if (!QFile::exists(copy)) {
            return replaceDurably(QFile::encodeName(copy).toStdString(),
                                  std::string_view(original.constData(),
                                                   static_cast<std::size_t>(original.size())));
        }
        if (bytesOf(copy) == original) {
            return true;
        }
    }
    return false;
}

} // namespace

RecordStore::~RecordStore() = default;

SettingsRecordStore::SettingsRecordStore(QString path) : iniPath(std::move(path)) { }

QString SettingsRecordStore::userPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
        QStringLiteral("/aust.ini");
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
    const ino_t before = inodeOf(iniPath);
    const QByteArray original = bytesOf(iniPath);
    QSettings settings(iniPath, QSettings::IniFormat);
    // QSettings writes a temporary file, flushes it and renames it over the old one, so a write
    // that fails half-way (read-only directory, full disk) leaves the previous records as they
    // were.
    settings.setAtomicSyncRequired(true);
    const bool unparsed = settings.status() == QSettings::FormatError;
    const bool dropped = dropForeign(settings);
    if ((unparsed || dropped) && !original.isEmpty() && !keepDamagedCopy(iniPath, original)) {
        return false;
    }
    for (const auto &[slot, record] : unsaved) {
        settings.beginGroup(qtText(sectionOf(slot)));
        for (const auto &[key, text] : recordTexts(record)) {
            settings.setValue(qtText(key), qtText(text));
        }
        settings.endGroup();
    }
    settings.sync();
    // After a read error QSettings keeps reporting it even when the write succeeds; only the
    // new file tells.
    const bool replaced = inodeOf(iniPath) != 0 && inodeOf(iniPath) != before;
    const bool written = settings.status() == QSettings::NoError ||
                         (settings.status() == QSettings::FormatError && replaced);
    // The rename is only on the disk once the folder is.
    return written && syncFolderOf(QFile::encodeName(iniPath).toStdString());
}

template <typename Read>
void SettingsRecordStore::withSection(int slot, Read read)
{
    // Runs `read` on the slot's section, or on nothing when the slot does not exist, so that an
    // unusable slot number behaves like an empty record.
    const std::string section = sectionOf(slot);
    if (section.empty()) {
        read([](std::string_view) { return std::string(); });
        return;
    }
    if (const auto kept = unsaved.find(slot); kept != unsaved.end()) {
        const RecordTexts texts = recordTexts(kept->second);
        read([&texts](std::string_view key) {
            for (const auto &[k, text] : texts) {
                if (k == key) {
                    return text;
                }
            }
            return std::string();
        });
        return;
    }
    QSettings settings(iniPath, QSettings::IniFormat);
    settings.beginGroup(qtText(section));
    read([&settings](std::string_view key) { return storedText(settings, key); });
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
