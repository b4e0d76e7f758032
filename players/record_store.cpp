// The player records in an INI file: section playerN, eight keys, values as text.
#include "players/record_store.hpp"

#include "players/player_record.hpp"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <sys/stat.h>

namespace slot {
namespace {

QString qtText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A value a person typed with commas reads back as a list; the game wants the text.
std::string storedText(const QSettings &settings, std::string_view key)
{
    const QVariant value = settings.value(qtText(key));
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(QLatin1Char(',')).toStdString();
    }
    return value.toString().toStdString();
}

// Runs `read` on the slot's section, or on nothing when the slot does not exist, so that an
// unusable slot number behaves like an empty record.
template <typename Read>
void withSection(const QString &path, int slot, Read read)
{
    const std::string section = sectionOf(slot);
    if (section.empty()) {
        read([](std::string_view) { return std::string(); });
        return;
    }
    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(qtText(section));
    read([&settings](std::string_view key) { return storedText(settings, key); });
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

// QSettings rewrites a file it cannot parse with only what it understood; keep the original
// beside it so that a person can still recover the records it held.
void keepDamagedCopy(const QString &path, const QByteArray &original)
{
    for (int n = 1; n < 100; ++n) {
        QFile copy(path + QStringLiteral(".damaged") +
                   (n == 1 ? QString() : QStringLiteral("-%1").arg(n)));
        if (!copy.exists()) {
            if (copy.open(QIODevice::WriteOnly)) {
                copy.write(original);
            }
            return;
        }
    }
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
    const ino_t before = inodeOf(iniPath);
    const QByteArray original = bytesOf(iniPath);
    QSettings settings(iniPath, QSettings::IniFormat);
    // QSettings writes a temporary file and renames it over the old one, so a write that fails
    // half-way (read-only directory, full disk) leaves the previous records as they were.
    settings.setAtomicSyncRequired(true);
    settings.beginGroup(qtText(sectionOf(*slot)));
    for (const auto &[key, text] : recordTexts(state)) {
        settings.setValue(qtText(key), qtText(text));
    }
    settings.endGroup();
    settings.sync();
    if (settings.status() == QSettings::NoError) {
        return true;
    }
    // After a read error QSettings keeps reporting it even when the write succeeds; only the
    // new file tells.
    const bool replaced = inodeOf(iniPath) != 0 && inodeOf(iniPath) != before;
    if (settings.status() == QSettings::FormatError && replaced) {
        keepDamagedCopy(iniPath, original);
        return true;
    }
    return false;
}

void SettingsRecordStore::loadLenient(int slot, PlayerState &state)
{
    withSection(iniPath, slot,
                [&state](const RecordLookup &lookup) { slot::loadLenient(state, lookup); });
}

void SettingsRecordStore::loadResetting(int slot, PlayerState &state)
{
    withSection(iniPath, slot,
                [&state](const RecordLookup &lookup) { slot::loadResetting(state, lookup); });
}

std::string SettingsRecordStore::readName(int slot)
{
    std::string name;
    withSection(iniPath, slot,
                [&name](const RecordLookup &lookup) { name = lookup(kRecordKeys[7]); });
    return name;
}

} // namespace slot
