// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// tarnix-math: the game's par sheet from its own rules, as JSON (or a table with --table).
#include "flow/standard_output.hpp"
#include "json_out.hpp"
#include "math_args.hpp"
#include "math_validate.hpp"
#include "par_sheet_text.hpp"
#include "rules/exact_return.hpp"
#include "rules/game_tables.hpp"
#include "rules/par_sheet.hpp"
#include "rules/reel_outcome.hpp"
#include "rules/win_evaluation.hpp"

#include <atomic>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

using namespace slot;
using namespace slot::math_args;

namespace
{

const char *kUsage = R"(usage: tarnix-math COMMAND [options] [--table]

  evaluate --stops a,b,c,d,e [--lines N] [--bet B] [--held R,..]
      One window: its 15 symbols (top row, middle row, bottom row, reels left to right),
      thiswin before any multiplier, and the game's per-line and per-reel arrays.
      --held names reels (2..4) that hold their wild from the previous game.
  enumerate [--lines N]
      Exact base-game figures over all 22^5 stop combinations, as fractions of the stake.
  simulate --games N --seed S [--lines N] [--bet B] [--threads T] [--base-only | --faithful]
      Complete games as the cabinet plays them: held wilds, the payback check, the feature.
      --base-only draws independent windows with none of those, to check against enumerate.
      --faithful plays through the cabinet's own line-sum steps: slower, and the reference.
  exact [--lines N] [--bet B]
      The complete game's long-run return, counted exactly over every window and hold
      state: held wilds, the payback check, the feature with its retriggers and multiplier.
      Leaves out the rule against players far ahead (over 2000 %), which depends on a
      player's own history.
  parsheet [--lines N] [--bet B] [--format json|markdown] [--figure FILE.svg]
      The exact par sheet: return, standard deviation and volatility index, the spread of
      the long-run average, return bands, every prize's chance and share, the feature's
      length and win. --figure also draws the return band against games played.

  N lines: 1, 5, 10, 20 or 25 (default 25); B: bet per line 1, 2, 3, 5, 10 or 20 (default 1).
)";

void emit(const JsonObject &o, bool table)
{
    const std::string out = table ? o.table() : o.text();
    std::fwrite(out.data(), 1, out.size(), stdout);
}

// Returns the stops it was given, in order; the evaluation draws nothing else.
class GivenStops final : public Rng
{
public:
    explicit GivenStops(std::vector<int> given)
        : stops(std::move(given))
    {
    }
    double uniform() override
    {
        const int stop = next < stops.size() ? stops[next++] : 1;
        return (stop - 0.5) / kStops;
    }

private:
    std::vector<int> stops;
    std::size_t next = 0;
};

template <typename T, std::size_t N> std::string shortArray(const std::array<T, N> &values)
{
    std::vector<std::string> items;
    for (auto v : values) {
        items.push_back(std::to_string(v));
    }
    return jsonArray(items);
}

int runEvaluate(const Args &a)
{
    const auto it = a.options.find("stops");
    if (it == a.options.end()) {
        fail("evaluate needs --stops a,b,c,d,e");
    }
    const auto stops = intList("stops", it->second, 1, kStops);
    if (stops.size() != kReels) {
        fail("--stops wants five stops, one per reel");
    }
    MainState s;
    PlayerState p;
    s.linesplayed = static_cast<Short>(intOption(a, "lines", 25, 1, 25));
    s.betperline
        = tables::betPerButton[static_cast<std::size_t>(betIndexOf(intOption(a, "bet", 1, 1, 20)))];
    std::vector<int> drawn;
    std::vector<bool> held(kReels + 1, false);
    if (const auto h = a.options.find("held"); h != a.options.end()) {
        for (long long reel : intList("held", h->second, 2, 4)) {
            held[static_cast<std::size_t>(reel)] = true;
        }
    }
    for (int reel = 1; reel <= kReels; ++reel) {
        const int stop = static_cast<int>(stops[static_cast<std::size_t>(reel - 1)]);
        if (held[static_cast<std::size_t>(reel)]) {
            bool showsWild = false;
            for (int row = 1; row <= 3; ++row) {
                showsWild = showsWild || symbolAt(reel, stop, row) == kWild;
            }
            if (!showsWild) {
                fail("reel " + std::to_string(reel) + " at stop " + std::to_string(stop)
                    + " shows no wild, so it cannot be held");
            }
            s.reelstopOf(reel) = static_cast<Short>(stop);
            *s.wildholdOf(reel) = 1;
        } else {
            drawn.push_back(stop);
        }
    }
    GivenStops rng(drawn);
    clearPreviousOutcome(s);
    for (int reel = 1; reel <= kReels; ++reel) {
        spinReelOutcome(s, reel, rng);
    }
    p.bank = 1'000'000;
    evaluateWins(s, p, rng);

    std::vector<std::string> window;
    for (int row = 1; row <= 3; ++row) {
        for (int reel = 1; reel <= kReels; ++reel) {
            window.push_back(
                jsonString(std::string(symbolName(symbolAt(reel, s.reelstopOf(reel), row)))));
        }
    }
    JsonObject o;
    o.raw("window", jsonArray(window))
        .num("thiswin", static_cast<std::int64_t>(s.thiswin))
        .raw("winline", shortArray(s.winline))
        .raw("winlength", shortArray(s.winlength))
        .raw("wildline", shortArray(s.wildline))
        .num("scatters", static_cast<std::int64_t>(s.scatters))
        .raw("scattercell", shortArray(s.scattercell))
        .raw("wildcell", shortArray(s.wildcell));
    emit(o, a.table);
    return 0;
}

int runEnumerate(const Args &a)
{
    const auto lines = static_cast<int>(intOption(a, "lines", 25, 1, 25));
    const auto start = std::chrono::steady_clock::now();
    const EnumerateFigures f = enumerateBaseGame(lines);
    const double seconds
        = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    JsonObject o;
    o.num("lines", static_cast<std::int64_t>(f.lines))
        .num("outcomes", static_cast<std::int64_t>(f.outcomes))
        .num("line_return", f.lineReturn)
        .num("scatter_return", f.scatterReturn)
        .num("base_return", f.lineReturn + f.scatterReturn)
        .num("hit_frequency", f.hitFrequency)
        .num("p_feature_trigger", f.pFeatureTrigger)
        .num("p_discardable", f.pDiscardable)
        .num("standing_return", f.standingReturn)
        .num("standing_p_feature_trigger", f.standingTrigger)
        .num("seconds", seconds);
    emit(o, a.table);
    return 0;
}

int runSimulate(const Args &a)
{
    if (!a.options.count("games") || !a.options.count("seed")) {
        fail("simulate needs --games N and --seed S");
    }
    SimulateOptions opt;
    opt.games = static_cast<std::uint64_t>(intOption(a, "games", 0, 1, 1'000'000'000'000LL));
    opt.seed = static_cast<std::uint64_t>(intOption(a, "seed", 0, 0, 0x7fffffffffffffffLL));
    opt.lines = static_cast<int>(intOption(a, "lines", 25, 1, 25));
    opt.betIndex = betIndexOf(intOption(a, "bet", 1, 1, 20));
    opt.threads = static_cast<int>(intOption(a, "threads", 1, 1, 256));
    opt.baseOnly = a.options.count("base-only") > 0;
    opt.faithful = a.options.count("faithful") > 0;

    std::atomic<std::uint64_t> progress { 0 };
    std::atomic<bool> done { false };
    std::thread bar([&] {
        const auto start = std::chrono::steady_clock::now();
        bool shown = false;
        while (!done) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            if (std::chrono::steady_clock::now() - start < std::chrono::seconds(1)) {
                continue;
            }
            const double share = static_cast<double>(progress) / static_cast<double>(opt.games);
            const int filled = static_cast<int>(share * 40);
            std::fprintf(stderr, "\r[%-40s] %5.1f%%",
                std::string(static_cast<std::size_t>(filled), '#').c_str(), share * 100);
            shown = true;
        }
        if (shown) {
            std::fputs("\n", stderr);
        }
    });
    const SimulateFigures f = simulate(opt, &progress);
    done = true;
    bar.join();

    JsonObject o;
    o.num("games", static_cast<std::int64_t>(f.games))
        .num("lines", static_cast<std::int64_t>(opt.lines))
        .num("bet",
            static_cast<std::int64_t>(tables::betPerButton[static_cast<std::size_t>(opt.betIndex)]))
        .num("rtp", f.rtp)
        .raw("rtp_ci95", jsonArray({ jsonNumber(f.ciLow), jsonNumber(f.ciHigh) }))
        .num("sd", f.sd)
        .raw("sd_ci95", jsonArray({ jsonNumber(f.sdLow), jsonNumber(f.sdHigh) }))
        .num("hit_frequency", f.hitFrequency)
        .num("games_per_feature", f.gamesPerFeature)
        .num("mean_feature_win", f.meanFeatureWin)
        .num("discard_rate", f.discardRate)
        .num("games_per_second", f.seconds > 0 ? static_cast<double>(f.games) / f.seconds : 0.0)
        .num("threads", static_cast<std::int64_t>(opt.threads))
        .str("mode",
            opt.baseOnly       ? "base-only"
                : opt.faithful ? "faithful"
                               : "complete");
    emit(o, a.table);
    return 0;
}

int runExact(const Args &a)
{
    const auto lines = static_cast<int>(intOption(a, "lines", 25, 1, 25));
    const int betIndex = betIndexOf(intOption(a, "bet", 1, 1, 20));
    const auto start = std::chrono::steady_clock::now();
    const ExactFigures f = exactReturn(lines, betIndex);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    JsonObject o;
    o.num("lines", static_cast<std::int64_t>(f.lines))
        .num("bet", static_cast<std::int64_t>(f.bet))
        .num("rtp", f.rtp)
        .num("rtp_base", f.rtpBase)
        .num("rtp_feature", f.rtpFeature)
        .num("hit_frequency", f.hitFrequency)
        .num("games_per_feature", f.gamesPerFeature)
        .num("free_games_per_feature", f.freeGamesPerFeature)
        .num("mean_feature_win", f.meanFeatureWin)
        .num("discard_rate", f.discardRate)
        .num("held_game_share", f.heldGameShare)
        .num("feature_residual", f.residual)
        .num("windows", static_cast<std::int64_t>(f.windows))
        .str("excludes", "the 2000 % rule (it depends on the player's history)")
        .num("seconds", seconds);
    emit(o, a.table);
    return 0;
}

int runParsheet(const Args &a)
{
    const auto lines = static_cast<int>(intOption(a, "lines", 25, 1, 25));
    const int betIndex = betIndexOf(intOption(a, "bet", 1, 1, 20));
    const auto format = a.options.count("format") ? a.options.at("format") : "json";
    const auto figure = a.options.count("figure") ? a.options.at("figure") : "";
    const ParReport r = parReport(lines, betIndex);
    if (!figure.empty()) {
        std::ofstream file(figure, std::ios::binary);
        file << returnBandSvg(r);
        if (!file.flush()) {
            fail("cannot write " + figure);
        }
    }
    const std::string out = format == "markdown"
        ? parSheetMarkdown(r, figure.substr(figure.find_last_of('/') + 1))
        : parSheetJson(r);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}

int run(const Args &a)
{
    if (a.command == "--help" || a.command == "help" || a.command == "-h") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (const auto problem = optionProblem(a.command, a.options)) {
        fail(*problem);
    }
    if (a.command == "evaluate") {
        return runEvaluate(a);
    }
    if (a.command == "enumerate") {
        return runEnumerate(a);
    }
    if (a.command == "simulate") {
        return runSimulate(a);
    }
    if (a.command == "exact") {
        return runExact(a);
    }
    if (a.command == "parsheet") {
        return runParsheet(a);
    }
    fail("unknown command '" + a.command + "': use " + kCommandList);
}

} // namespace

int main(int argc, char **argv)
{
    const Args a = parse(argc, argv, kUsage);
    // Checked before any work: with standard output closed, the --figure file would be given
    // its descriptor and the figures would be written into the picture.
    if (!standardOutputOpen()) {
        std::fputs("tarnix-math: standard output is closed: nothing would be seen\n", stderr);
        return 1;
    }
    const int status = run(a);
    return finishStandardOutput("tarnix-math") ? status : 1;
}
