// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What one save of the player record costs, flushes to the disk included, since every coin
// and credit command stores the record at once. Run it on the disk the records live on:
//   build/tarnix-save-bench [folder] [saves]
#include "players/record_store.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::homePath();
    const int saves = argc > 2 ? std::max(1, std::atoi(argv[2])) : 200;
    QTemporaryDir dir(base + QStringLiteral("/tarnix-save-bench-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot make a folder in %s\n", qPrintable(base));
        return 1;
    }
    slot::SettingsRecordStore store(dir.filePath(QStringLiteral("aust.ini")));
    slot::PlayerState player;
    player.playerslot = "1";
    player.currentplayer = "bench";
    // A full file: all six players, as a busy household's would be.
    for (int slot = 1; slot <= 6; ++slot) {
        player.playerslot = std::to_string(slot);
        store.save(player);
    }
    player.playerslot = "1";
    std::vector<double> ms;
    QElapsedTimer timer;
    for (int i = 0; i < saves; ++i) {
        player.bank += 20;
        player.amountinvested += 20;
        timer.start();
        if (!store.save(player)) {
            std::fprintf(stderr, "a save failed\n");
            return 1;
        }
        ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    const auto at = [&ms](double q) { return ms[static_cast<std::size_t>(q * (ms.size() - 1))]; };
    std::printf("record saves in %s: %d, median %.2f ms, 90%% %.2f ms, slowest %.2f ms\n",
        qPrintable(base), saves, at(0.5), at(0.9), ms.back());
    return 0;
}
