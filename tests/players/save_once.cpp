// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Makes one save and nothing else, so that a trace of its system calls shows that save alone.
// Usage: save_once record|file PATH
#include "players/durable_file.hpp"
#include "players/record_store.hpp"

#include <cstring>

int main(int argc, char **argv)
{
    if (argc != 3) {
        return 2;
    }
    if (std::strcmp(argv[1], "file") == 0) {
        return slot::replaceDurably(argv[2], "recall\n") ? 0 : 1;
    }
    slot::PlayerState player;
    player.playerslot = "1";
    player.currentplayer = "ann";
    player.bank = 1250;
    return slot::SettingsRecordStore(QString::fromLocal8Bit(argv[2])).save(player) ? 0 : 1;
}
