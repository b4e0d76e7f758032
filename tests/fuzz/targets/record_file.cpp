// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Arbitrary bytes as the record file: both loads read every slot without a crash, and a record
// saved into whatever the file held is read back exactly, the damaged rest notwithstanding.
#include "players/player_record.hpp"
#include "players/record_store.hpp"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

using namespace slot;

namespace
{

std::unique_ptr<QTemporaryDir> folder;
int serial = 0;

bool same(const PlayerState &a, const PlayerState &b)
{
    return a.bank == b.bank && a.games == b.games && a.wager == b.wager && a.total == b.total
        && a.amountinvested == b.amountinvested && a.winroll == b.winroll
        && a.reelspeed == b.reelspeed && a.currentplayer == b.currentplayer;
}

PlayerState someone()
{
    PlayerState s;
    s.winroll = 1;
    s.reelspeed = 7;
    s.amountinvested = 2500;
    s.wager = 900;
    s.total = 640;
    s.bank = 2240;
    s.games = 45;
    s.currentplayer = "Ruth";
    return s;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    folder = std::make_unique<QTemporaryDir>();
    return folder->isValid() ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // A new name each time, so that an earlier input's file and the copies kept of it never
    // meet this one.
    const QString path = folder->filePath(QStringLiteral("aust-%1.ini").arg(++serial));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            std::abort();
        }
        file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    }
    SettingsRecordStore store(path);
    for (int slot = 0; slot <= kPlayerSlots + 1; ++slot) {
        PlayerState lenient = someone();
        store.loadLenient(slot, lenient);
        PlayerState resetting = someone();
        store.loadResetting(slot, resetting);
        if (store.readName(slot) != resetting.currentplayer) {
            std::abort();
        }
    }

    // A save into the file as it is: the slot saved reads back as saved, and every other
    // slot as it read before, unless the file was beyond reading and its original was kept.
    PlayerState before[kPlayerSlots + 1];
    for (int slot = 1; slot <= kPlayerSlots; ++slot) {
        store.loadResetting(slot, before[slot]);
    }
    PlayerState saved = before[3];
    saved.playerslot = "3";
    saved.bank = saved.bank == 5 ? 6 : 5;
    if (store.save(saved)) {
        const bool keptOriginal = QFile::exists(path + QStringLiteral(".damaged"));
        for (int slot = 1; slot <= kPlayerSlots; ++slot) {
            PlayerState back;
            store.loadResetting(slot, back);
            if (!same(back, slot == 3 ? saved : before[slot]) && (slot == 3 || !keptOriginal)) {
                std::abort();
            }
        }
    }

    // Nothing of one input may be seen by the next.
    QDir dir(folder->path());
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden)) {
        dir.remove(name);
    }
    return 0;
}
