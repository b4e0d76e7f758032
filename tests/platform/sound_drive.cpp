// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays a script of sounds through the real bank; the recording scripts listen to the result.
// Usage: tarnix-sound-drive PATTERN [play N | loop N | sleep MS | rest MS]...
#include "flow/sound_bank.hpp"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <thread>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(
            stderr, "usage: %s PATTERN [play N | loop N | sleep MS | rest MS]...\n", argv[0]);
        return 2;
    }
    slot::SoundBank bank(args[1]);
    bank.load();
    std::printf("audio %s, %d sounds\n", bank.hasAudio() ? "open" : "none", bank.loadedCount());
    std::fflush(stdout);
    for (qsizetype i = 2; i + 1 < args.size(); i += 2) {
        const int value = args[i + 1].toInt();
        if (args[i] == QLatin1String("play")) {
            bank.play(value);
        } else if (args[i] == QLatin1String("loop")) {
            bank.playLooping(value);
        } else if (args[i] == QLatin1String("sleep")) {
            // The game's animations block its thread exactly like this.
            std::this_thread::sleep_for(std::chrono::milliseconds(value));
        } else if (args[i] == QLatin1String("rest")) {
            // The game waiting for the player: its event loop runs, nothing plays.
            QEventLoop loop;
            QTimer::singleShot(value, &loop, &QEventLoop::quit);
            loop.exec();
            std::printf("rested, device %s\n", bank.deviceOpen() ? "open" : "closed");
            std::fflush(stdout);
        } else {
            std::fprintf(stderr, "unknown step %s\n", qPrintable(args[i]));
            return 2;
        }
    }
    std::printf("done\n");
    return 0;
}
