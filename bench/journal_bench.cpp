// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the crash journal adds to a paid game, flushes to the disk included: the same games
// played in one run on the same folder, first with the record stored after each (as before the
// journal), then with the journal's entries around them as well. Run it on the state folder's disk:
//   build/tarnix-journal-bench [folder] [games]
#include "journal/game_journal.hpp"
#include "players/recall_file.hpp"
#include "players/record_store.hpp"
#include "rules/headless_game.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{

struct Figures {
    double median = 0, p90 = 0;
};

Figures figuresOf(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    const auto at = [&ms](double q) { return ms[static_cast<std::size_t>(q * (ms.size() - 1))]; };
    return { at(0.5), at(0.9) };
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::homePath();
    const int games = argc > 2 ? std::max(10, std::atoi(argv[2])) : 200;
    QTemporaryDir dir(base + QStringLiteral("/tarnix-journal-bench-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot make a folder in %s\n", qPrintable(base));
        return 1;
    }
    slot::SettingsRecordStore store(dir.filePath(QStringLiteral("aust.ini")));
    slot::FileRecallStorage recallFiles(dir.path().toStdString());
    slot::FileJournalStore journalFiles(dir.path().toStdString());
    slot::GameRecall recall(&recallFiles);
    slot::GameJournal journal(&journalFiles);
    const auto save = [&store](const slot::PlayerState &p) { return store.save(p); };

    // Alternated game by game, so that both kinds meet the disk in the same state.
    std::vector<double> plain, journalled;
    slot::GameRng rng(1);
    slot::HeadlessGame g(rng);
    g.p.playerslot = "1";
    g.p.bank = 1'000'000;
    QElapsedTimer timer;
    bool failed = false;
    for (int i = 0; i < 2 * games && !failed; ++i) {
        const bool withJournal = i % 2 == 1;
        const slot::GameWatch watch {
            [&](const slot::MainState &s, const slot::PlayerState &p) {
                if (withJournal) {
                    failed |= !journal.commit(slot::JournalPhase::Stands, s, p, rng, recall);
                }
                recall.resultStands(s, p);
            },
            [&](const slot::MainState &s, const slot::PlayerState &p) { recall.gameSettled(s, p); },
        };
        timer.start();
        g.s.linesplayed = 25;
        slot::playGame(g.s, g.p, rng, 1, &watch);
        if (withJournal) {
            failed |= !journal.settle(g.p, rng, false, save, recall, g.s);
        } else {
            failed |= !save(g.p);
        }
        (withJournal ? journalled : plain)
            .push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        g.playFeatureToEnd();
        g.collect();
    }
    if (failed) {
        std::fprintf(stderr, "a write failed\n");
        return 1;
    }
    const Figures a = figuresOf(plain);
    const Figures b = figuresOf(journalled);
    std::printf("games in %s: %d of each\n", qPrintable(base), games);
    std::printf("record only:          median %.2f ms, 90%% %.2f ms\n", a.median, a.p90);
    std::printf("with the journal:     median %.2f ms, 90%% %.2f ms\n", b.median, b.p90);
    std::printf("the journal adds:     median %.2f ms per paid game\n", b.median - a.median);
    return 0;
}
