// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A seeded session played once without interruption, then again with the power cut at every
// write and at random instants, the memory dropped and the game started from what the disk
// held: the record and the recall must end the same, credit for credit and card for card.
#include "journal/journalled_game.hpp"
#include "players/recall_file.hpp"
#include "players/recall_json.hpp"

#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <memory>
#include <random>

using namespace slot;

namespace
{

constexpr std::time_t kNow = 1'800'000'000;

// The power: a number of writes that still reach the disk; the next one and all after it are
// lost, and the program is dead from then on (it runs on, but nothing it does is kept).
struct Power {
    long budget = -1; // -1: never cut
    bool dead = false;
    long landed = 0;
    long commits = 0; // landed journal entries and record saves: the writes that decide a step
    bool spend(bool decides)
    {
        if (dead) {
            return false;
        }
        if (budget == 0) {
            dead = true;
            return false;
        }
        if (budget > 0) {
            --budget;
        }
        ++landed;
        commits += decides ? 1 : 0;
        return true;
    }
};

struct MemoryJournal final : JournalStore {
    Power &power;
    JournalStore *disk = nullptr; // real files under the memory copy, when set
    std::map<int, std::string> files;
    explicit MemoryJournal(Power &p)
        : power(p)
    {
    }
    bool write(int slot, const std::string &bytes) override
    {
        // A closing entry decides nothing: the record save or the entry before it did.
        const bool closing = bytes.find("\nphase 0\n") != std::string::npos;
        if (power.spend(!closing)) {
            files[slot] = bytes;
            if (disk && !disk->write(slot, bytes)) {
                return false;
            }
        }
        return true;
    }
    Found read(int slot, std::string &bytes) override
    {
        if (disk) {
            return disk->read(slot, bytes);
        }
        const auto f = files.find(slot);
        if (f == files.end()) {
            return Found::Nothing;
        }
        bytes = f->second;
        return Found::Text;
    }
    void setAside(int slot) override { files.erase(slot); }
    bool remove(int slot) override { return files.erase(slot), true; }
};

struct MemoryRecall final : RecallStorage {
    Power &power;
    std::map<int, RecallRing> rings;
    explicit MemoryRecall(Power &p)
        : power(p)
    {
    }
    RecallRing load(int slot) override { return rings[slot]; }
    bool store(int slot, const RecallRing &ring) override
    {
        if (power.spend(false)) {
            rings[slot] = ring;
        }
        return true;
    }
};

struct Disk {
    Power power;
    MemoryJournal journal { power };
    MemoryRecall recall { power };
    std::map<int, PlayerState> records;
    JournalledDisk view { journal, recall,
        [this](const PlayerState &p) {
            if (power.spend(true)) {
                records[std::stoi(p.playerslot)] = p;
            }
            return true;
        },
        [this](int slot, PlayerState &p) {
            const auto r = records.find(slot);
            p = r != records.end() ? r->second : PlayerState {};
            p.playerslot = std::to_string(slot);
        } };
};

enum class Act { Coin, QuickCredit, ZeroCredit, Play, OpenGamble, Draw, TakeWin, Quit };

struct Action {
    Act act = Act::Coin;
    int lines = 25;
    int index = 1;
    GambleBet bet = GambleBet::Red;
};

// A player's session: mostly games at several lines and bets, a double-up after many wins,
// coins when short, now and then a Quick Credit, a quit, or (rarely) Zero Credit.
std::vector<Action> sessionScript(unsigned seed, int length)
{
    std::mt19937 pick(seed);
    const auto chance = [&pick](int n) { return static_cast<int>(pick() % 1000) < n; };
    std::vector<Action> script;
    script.push_back({ Act::QuickCredit });
    for (int i = 0; i < length; ++i) {
        Action a;
        a.act = Act::Play;
        a.lines = tables::linesPerButton[1 + pick() % 5];
        a.index = static_cast<int>(1 + pick() % 3);
        script.push_back(a);
        if (chance(400)) {
            script.push_back({ Act::OpenGamble });
            const int draws = static_cast<int>(pick() % 4);
            for (int d = 0; d <= draws; ++d) {
                script.push_back({ Act::Draw, 25, 1, static_cast<GambleBet>(pick() % 6) });
            }
            script.push_back({ Act::TakeWin });
        }
        if (chance(60)) {
            script.push_back({ Act::Coin });
        }
        if (chance(15)) {
            script.push_back({ Act::QuickCredit });
        }
        if (chance(20)) {
            script.push_back({ Act::Quit });
        }
        if (chance(3)) {
            script.push_back({ Act::ZeroCredit });
            script.push_back({ Act::QuickCredit });
        }
    }
    script.push_back({ Act::Quit });
    return script;
}

void perform(JournalledGame &g, const Action &a)
{
    switch (a.act) {
    case Act::Coin:
        return g.coin();
    case Act::QuickCredit:
        return g.quickCredit();
    case Act::ZeroCredit:
        return g.zeroCredit();
    case Act::Play:
        return g.play(a.lines, a.index);
    case Act::OpenGamble:
        return g.openGamble();
    case Act::Draw:
        return g.draw(a.bet);
    case Act::TakeWin:
        return g.takeWin();
    case Act::Quit:
        return g.quit();
    }
}

struct Outcome {
    PlayerState record;
    RecallRing ring;
    int restarts = 0;
    int crashes = 0;
    int freeGames = 0;
    int retriggers = 0;
    int draws = 0;
};

// How the power is cut during one session.
struct Cuts {
    std::vector<long> at; // the n-th cut comes after this many more writes land
    double betweenSteps = 0; // chance of a crash after a step, with nothing lost in the writes
    unsigned seed = 0;
};

Outcome playSession(const std::vector<Action> &script, Cuts cuts, Disk &disk)
{
    Outcome out;
    std::mt19937 between(cuts.seed);
    std::size_t nextCut = 0;
    const auto arm
        = [&] { disk.power.budget = nextCut < cuts.at.size() ? cuts.at[nextCut++] : -1; };
    unsigned boot = 0;
    std::unique_ptr<GameRng> rng;
    std::unique_ptr<JournalledGame> game;
    const auto startGame = [&] {
        // A fresh program draws a fresh seed: only the journal can carry the generator on.
        rng = std::make_unique<GameRng>(0x5eed0000u + ++boot);
        game = std::make_unique<JournalledGame>(disk.view, *rng, [] { return kNow; });
        game->start();
    };
    startGame();
    arm();
    std::size_t next = 0;
    for (int guard = 0; guard < 2'000'000; ++guard) {
        const long before = disk.power.commits;
        bool scripted = false;
        if (disk.power.dead) {
            // Died during the start itself: start again.
        } else if (game->featureRunning()) {
            const Short spins = game->s.freespins;
            game->nextFreeGame();
            ++out.freeGames;
            out.retriggers += game->s.freespins > spins ? 1 : 0;
        } else if (game->collectWaiting()) {
            game->collect();
        } else if (next < script.size()) {
            scripted = true;
            out.draws += script[next].act == Act::Draw && game->gambleOpen() ? 1 : 0;
            perform(*game, script[next]);
        } else {
            break;
        }
        if (disk.power.dead) {
            // The step counts as done only when the write that decided it reached the disk.
            if (scripted && disk.power.commits > before) {
                ++next;
            }
            ++out.crashes;
            disk.power.dead = false;
            arm();
            startGame();
            continue;
        }
        if (scripted) {
            const bool quit = script[next].act == Act::Quit;
            ++next;
            if (quit || std::uniform_real_distribution<>(0, 1)(between) < cuts.betweenSteps) {
                out.restarts += quit ? 1 : 0;
                out.crashes += quit ? 0 : 1;
                startGame();
            }
        }
    }
    out.record = disk.records[1];
    out.ring = disk.recall.rings[1];
    return out;
}

void expectSame(const Outcome &crashed, const Outcome &plain, const QString &what)
{
    const PlayerState &a = crashed.record;
    const PlayerState &b = plain.record;
    const QString at = what + QStringLiteral(" (crashes %1)").arg(crashed.crashes);
    QVERIFY2(a.bank == b.bank,
        qPrintable(at + QStringLiteral(": bank %1, not %2").arg(a.bank).arg(b.bank)));
    QVERIFY2(a.total == b.total,
        qPrintable(at + QStringLiteral(": total %1, not %2").arg(a.total).arg(b.total)));
    QVERIFY2(a.wager == b.wager,
        qPrintable(at + QStringLiteral(": wager %1, not %2").arg(a.wager).arg(b.wager)));
    QVERIFY2(a.games == b.games,
        qPrintable(at + QStringLiteral(": games %1, not %2").arg(a.games).arg(b.games)));
    QVERIFY2(a.amountinvested == b.amountinvested, qPrintable(at + QStringLiteral(": invested")));
    QVERIFY2(crashed.ring == plain.ring,
        qPrintable(at + QStringLiteral(": recall differs\n")
            + QString::fromStdString(recallToJson(crashed.ring))
            + QStringLiteral("\nwithout crashes\n")
            + QString::fromStdString(recallToJson(plain.ring))));
}

constexpr unsigned kScriptSeed = 20261210;

} // namespace

class CrashEquivalenceTest : public QObject
{
    Q_OBJECT

private slots:
    void theSessionCoversWhatACrashCanCut()
    {
        Disk disk;
        const Outcome plain = playSession(sessionScript(kScriptSeed, 400), {}, disk);
        QVERIFY(plain.freeGames > 0);
        QVERIFY(plain.retriggers > 0);
        QVERIFY(plain.draws > 10);
        QVERIFY(plain.restarts > 3);
        // The money all adds up: what was put in, less what was staked, plus what was won.
        QCOMPARE(static_cast<long long>(plain.record.bank),
            static_cast<long long>(plain.record.amountinvested) - plain.record.wager
                + plain.record.total);
    }

    // Every write of a shorter session in turn is the one the power cut stops.
    void aCutAtEveryWriteEndsTheSameAsNone()
    {
        const auto script = sessionScript(kScriptSeed + 1, 120);
        Disk plainDisk;
        const Outcome plain = playSession(script, {}, plainDisk);
        const long writes = plainDisk.power.landed - 1; // the first start's write is not cut
        QVERIFY(writes > 200);
        for (long n = 0; n < writes; ++n) {
            Disk disk;
            const Outcome crashed = playSession(script, { { n }, 0, 0 }, disk);
            QCOMPARE(crashed.crashes, 1);
            expectSame(crashed, plain, QStringLiteral("cut at write %1").arg(n));
        }
    }

    // Many cuts in one session, a few writes apart, and crashes between steps that lose no write.
    void manyCutsInOneSessionEndTheSameAsNone()
    {
        const auto script = sessionScript(kScriptSeed, 400);
        Disk plainDisk;
        const Outcome plain = playSession(script, {}, plainDisk);
        int crashes = 0;
        for (unsigned run = 1; run <= 12; ++run) {
            std::mt19937 pick(run);
            Cuts cuts;
            cuts.seed = run;
            cuts.betweenSteps = 0.05;
            for (int i = 0; i < 400; ++i) {
                cuts.at.push_back(static_cast<long>(pick() % 12));
            }
            Disk disk;
            const Outcome crashed = playSession(script, cuts, disk);
            crashes += crashed.crashes;
            expectSame(crashed, plain, QStringLiteral("run %1").arg(run));
        }
        QVERIFY(crashes > 3000);
    }
};

QTEST_APPLESS_MAIN(CrashEquivalenceTest)
#include "crash_equivalence_test.moc"
