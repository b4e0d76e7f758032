// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How closely a spin keeps to its frame sleeps on a real display, how soon the cabinet is
// first painted, and what it holds in memory at rest. Run it under an X server:
//   xvfb-run -a -s "-screen 0 1024x768x24" build/tarnix-bench [games] [--scale N]
// With --scale the cabinet is presented as the game presents it, drawn N times larger.
#include "display/pacing.hpp"
#include "display/presentation.hpp"
#include "flow/sound_out.hpp"
#include "flow/tarnix.hpp"
#include "journal/journal_store.hpp"
#include "rules/reel_motion.hpp"
#include "rules/rng.hpp"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

namespace
{

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

// Processor time used by this process so far, user and system.
double processCpuMs()
{
    rusage use {};
    getrusage(RUSAGE_SELF, &use);
    const auto ms = [](const timeval &t) {
        return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_usec) / 1000.0;
    };
    return ms(use.ru_utime) + ms(use.ru_stime);
}

class FirstPaint : public QObject
{
public:
    qint64 at = -1;
    QElapsedTimer *clock = nullptr;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && at < 0) {
            at = clock->elapsed();
        }
        return false;
    }
};

void spinRatio(
    slot::Tarnix &w, slot::PlayerState &player, int reelspeed, int games, const char *label = "")
{
    player.reelspeed = static_cast<slot::Short>(reelspeed);
    double wall = 0, slept = 0;
    int measured = 0;
    for (int i = 0; i < games; ++i) {
        player.bank = 100000;
        QElapsedTimer t;
        t.start();
        w.play_Click(1);
        const double ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
        if (w.state.freespins > 0) { // a feature's pauses are not part of a spin
            w.state.freespins = 0;
            w.state.freespinsdone = 0;
            continue;
        }
        wall += ms;
        slept += static_cast<double>(slot::animationSleepMs(w.state, reelspeed));
        ++measured;
    }
    std::printf(
        "%sreelspeed %2d: %d spins, wall %.1f ms per spin, frame sleeps %.1f ms, ratio %.4f\n",
        label, reelspeed, measured, wall / measured, slept / measured, wall / slept);
}

} // namespace

int main(int argc, char **argv)
{
    QElapsedTimer clock;
    clock.start();
    auto command = slot::readCommandLine(argc, argv);
    if (!command.scale) {
        command.scale = 1; // a benchmark leaves the screen's mode alone
    }
    slot::StartPresentation presentation(argc, argv, command);
    QApplication app(argc, argv);
    presentation.applicationMade();
    const int games = argc > 1 ? std::atoi(argv[1]) : 30;
    slot::GameRng rng(7);
    slot::RealPacing pacing;
    slot::SilentSound sound;
    slot::PlayerState player;
    slot::Services services { rng, pacing, sound };
    FirstPaint paint;
    paint.clock = &clock;
    app.installEventFilter(&paint);
    slot::Tarnix w(player, services);
    presentation.stage(w, services);
    w.Form_Load();
    while (paint.at < 0 && clock.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    app.removeEventFilter(&paint);
    std::printf("start to first painted window: %lld ms (factor %d)\n",
        static_cast<long long>(paint.at), presentation.chosen().factor);
    // At rest the cabinet runs no timer: a waiting game should cost no processor time.
    QElapsedTimer idle;
    idle.start();
    const double cpuBefore = processCpuMs();
    // A real event loop: polling processEvents would itself keep the processor busy.
    QEventLoop rest;
    QTimer::singleShot(3000, &rest, &QEventLoop::quit);
    rest.exec();
    const double idleCpu = (processCpuMs() - cpuBefore) / static_cast<double>(idle.elapsed());
    std::printf("idle resident memory: %ld KiB\n", residentKiB());
    std::printf("idle CPU: %.2f %% of one core over %.1f s\n", idleCpu * 100.0,
        static_cast<double>(idle.elapsed()) / 1000.0);
    spinRatio(w, player, 1, games);
    spinRatio(w, player, 10, games / 3 + 1);
    // The same spins with the crash journal written on the disk of the state folder (or the
    // folder TARNIX_JOURNAL_BENCH names), flushes included.
    const QString home = qEnvironmentVariable("TARNIX_JOURNAL_BENCH", QDir::homePath());
    QTemporaryDir journalDir(home + QStringLiteral("/tarnix-spin-journal-XXXXXX"));
    if (journalDir.isValid()) {
        slot::FileJournalStore journalFiles(journalDir.path().toStdString());
        services.journal = std::make_shared<slot::GameJournal>(&journalFiles);
        spinRatio(w, player, 1, games, "journalled ");
        services.journal = std::make_shared<slot::GameJournal>();
    }
    return 0;
}
