// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The journal's text: one named line per value and a checksum at the end, so that an entry
// cut short or altered on the disk is refused whole instead of resuming a game nobody played.
#include "journal/journal_entry.hpp"

#include "players/recall_json.hpp"

#include <charconv>
#include <limits>
#include <map>

namespace slot
{

namespace
{

constexpr std::string_view kHeader = "slots_tarnix journal 1";

// Every variable of the game in progress, by name. The presentation counters are kept too:
// a resumed game must draw the same frames and make the same choices as the one that crashed.
template <typename F> void eachField(MainState &s, F &&f)
{
    f("linesplayed", s.linesplayed);
    f("betperline", s.betperline);
    f("thiswin", s.thiswin);
    f("winmeter", s.winmeter);
    f("freespins", s.freespins);
    f("freespinsdone", s.freespinsdone);
    f("multiplier", s.multiplier);
    f("rollcount", s.rollcount);
    f("rollstep", s.rollstep);
    f("keyguard", s.keyguard);
    f("lastcollect", s.lastcollect);
    f("atrisk", s.atrisk);
    f("gamblestake", s.gamblestake);
    f("historycount", s.historycount);
    for (int reel = 1; reel <= kReels; ++reel) {
        const std::string n = std::to_string(reel);
        f("reelstop" + n, s.reelstopOf(reel));
        f("reeltop" + n, s.reeltopOf(reel));
    }
    f("linesum", s.linesum);
    f("wildline", s.wildline);
    f("scatters", s.scatters);
    f("scattercell", s.scattercell);
    f("wildcell", s.wildcell);
    f("wildhold2", s.wildhold2);
    f("wildhold3", s.wildhold3);
    f("wildhold4", s.wildhold4);
    f("held2", s.held2);
    f("held3", s.held3);
    f("held4", s.held4);
    f("winline", s.winline);
    f("winlength", s.winlength);
    f("lineindex", s.lineindex);
    f("blink", s.blink);
    f("linetick", s.linetick);
    f("scatterframe", s.scatterframe);
    f("scattertick", s.scattertick);
    f("wildswingframe", s.wildswingframe);
    f("wildswingtick", s.wildswingtick);
    f("wildframe", s.wildframe);
    f("overlayframe", s.overlayframe);
    f("overlaytop", s.overlaytop);
}

template <typename F> void eachField(PlayerState &p, F &&f)
{
    f("bank", p.bank);
    f("games", p.games);
    f("wager", p.wager);
    f("total", p.total);
    f("amountinvested", p.amountinvested);
    f("winroll", p.winroll);
    f("reelspeed", p.reelspeed);
}

std::uint64_t fnv1a(std::string_view text)
{
    std::uint64_t h = 0xcbf29ce484222325ULL;
    for (const char c : text) {
        h = (h ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
    }
    return h;
}

struct Writer {
    std::string out;
    void value(long long v) { out += ' ' + std::to_string(v); }
    template <typename T> void values(const T &v)
    {
        if constexpr (std::is_integral_v<T>) {
            value(v);
        } else {
            for (const auto &x : v) {
                values(x);
            }
        }
    }
    template <typename T> void operator()(const std::string &name, T &v)
    {
        out += name;
        values(v);
        out += '\n';
    }
};

using Lines = std::map<std::string, std::vector<long long>, std::less<>>;

// Reads every field from its line; false when one is missing, has the wrong count of values
// or a value outside its variable's range.
struct Reader {
    const Lines &lines;
    bool ok = true;
    template <typename T> static constexpr std::size_t countOf()
    {
        if constexpr (std::is_integral_v<T>) {
            return 1;
        } else {
            return std::tuple_size_v<T> * countOf<typename T::value_type>();
        }
    }
    template <typename T> void take(T &v, const long long *&at)
    {
        if constexpr (std::is_integral_v<T>) {
            if (*at < std::numeric_limits<T>::min() || *at > std::numeric_limits<T>::max()) {
                ok = false;
                return;
            }
            v = static_cast<T>(*at++);
        } else {
            for (auto &x : v) {
                take(x, at);
            }
        }
    }
    template <typename T> void operator()(const std::string &name, T &v)
    {
        const auto found = lines.find(name);
        if (!ok || found == lines.end() || found->second.size() != countOf<T>()) {
            ok = false;
            return;
        }
        const long long *at = found->second.data();
        take(v, at);
    }
};

std::optional<long long> number(std::string_view text)
{
    long long v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return v;
}

// Splits "name v1 v2 ..." into the lines map; false on any word that is not a number.
bool readLine(std::string_view line, Lines &lines)
{
    auto space = line.find(' ');
    const std::string name(line.substr(0, space));
    if (name.empty() || lines.count(name)) {
        return false;
    }
    auto &values = lines[name];
    while (space != std::string_view::npos) {
        line.remove_prefix(space + 1);
        space = line.find(' ');
        const auto v = number(line.substr(0, space));
        if (!v) {
            return false;
        }
        values.push_back(*v);
    }
    return true;
}

std::optional<std::string_view> takeLine(std::string_view &text)
{
    const auto nl = text.find('\n');
    if (nl == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view line = text.substr(0, nl);
    text.remove_prefix(nl + 1);
    return line;
}

bool validDraw(const std::vector<long long> &v)
{
    return v.size() == 5 && v[4] >= 0 && v[4] <= 10 && v[0] >= 0
        && v[0] <= static_cast<int>(GambleBet::Spades) && v[1] >= 1 && v[1] <= 4
        && (v[2] == 0 || v[2] == 1) && v[3] >= 0 && v[3] <= std::numeric_limits<Money>::max();
}

} // namespace

const char *phaseName(JournalPhase phase)
{
    switch (phase) {
    case JournalPhase::Idle:
        return "idle";
    case JournalPhase::Stands:
        return "stands";
    case JournalPhase::FeatureNext:
        return "feature";
    case JournalPhase::CollectWaiting:
        return "collect";
    case JournalPhase::GambleOpen:
        return "gamble";
    case JournalPhase::GambleDrawn:
        return "drawn";
    case JournalPhase::Settled:
        return "settled";
    }
    return "";
}

std::string encodeJournal(const JournalEntry &entry)
{
    Writer w;
    w.out = std::string(kHeader) + '\n';
    w.out += "phase " + std::to_string(static_cast<int>(entry.phase)) + '\n';
    w.out += "slot " + std::to_string(entry.slot) + '\n';
    w.out += "sequence " + std::to_string(entry.sequence) + '\n';
    if (entry.rng) {
        w.out += "rng";
        for (const std::uint64_t word : *entry.rng) {
            w.out += ' ' + std::to_string(static_cast<long long>(word));
        }
        w.out += '\n';
    }
    eachField(const_cast<MainState &>(entry.state), w); // read only
    eachField(const_cast<PlayerState &>(entry.player), w);
    w.out += "draws " + std::to_string(entry.draws.size()) + '\n';
    for (std::size_t i = 0; i < entry.draws.size(); ++i) {
        const JournalDraw &d = entry.draws[i];
        w.out += "draw" + std::to_string(i + 1) + ' ' + std::to_string(static_cast<int>(d.bet))
            + ' ' + std::to_string(d.card) + ' ' + (d.won ? "1" : "0") + ' '
            + std::to_string(d.stake) + ' ' + std::to_string(d.history) + '\n';
    }
    w.out += std::string("offered ") + (entry.offered ? "1" : "0") + '\n';
    w.out += std::string("table ") + (entry.table ? "1" : "0") + '\n';
    w.out += "session " + std::to_string(entry.recall.newestInSession ? 1 : 0) + ' '
        + std::to_string(entry.recall.newestCounted ? 1 : 0) + '\n';
    const std::string ring = recallToJson(entry.recall.ring);
    w.out += "recall " + std::to_string(ring.size()) + '\n' + ring;
    w.out += "sum " + std::to_string(static_cast<long long>(fnv1a(w.out))) + '\n';
    return w.out;
}

std::optional<JournalEntry> decodeJournal(std::string_view text)
{
    const auto sumAt = text.rfind("sum ");
    if (sumAt == std::string_view::npos
        || text.substr(0, kHeader.size() + 1) != std::string(kHeader) + '\n'
        || !text.ends_with('\n')) {
        return std::nullopt;
    }
    const auto sum = number(text.substr(sumAt + 4, text.size() - sumAt - 5));
    if (!sum || static_cast<std::uint64_t>(*sum) != fnv1a(text.substr(0, sumAt))) {
        return std::nullopt;
    }
    std::string_view body = text.substr(kHeader.size() + 1, sumAt - kHeader.size() - 1);
    Lines lines;
    std::string ring;
    while (auto line = takeLine(body)) {
        if (line->starts_with("recall ")) {
            const auto size = number(line->substr(7));
            if (!size || *size < 0 || static_cast<std::size_t>(*size) != body.size()) {
                return std::nullopt;
            }
            ring = std::string(body);
            body = {};
            break;
        }
        if (!readLine(*line, lines)) {
            return std::nullopt;
        }
    }
    JournalEntry e;
    const auto one
        = [&](std::string_view name, long long lo, long long hi) -> std::optional<long long> {
        const auto found = lines.find(name);
        if (found == lines.end() || found->second.size() != 1 || found->second[0] < lo
            || found->second[0] > hi) {
            return std::nullopt;
        }
        return found->second[0];
    };
    const auto phase = one("phase", 0, static_cast<int>(JournalPhase::Settled));
    const auto slotNumber = one("slot", 1, 6);
    const auto sequence = one("sequence", 0, std::numeric_limits<long long>::max());
    const auto drawCount = one("draws", 0, 1000);
    const auto offered = one("offered", 0, 1);
    const auto table = one("table", 0, 1);
    const auto session = lines.find("session");
    auto recalled = recallFromJson(ring);
    if (!phase || !slotNumber || !sequence || !drawCount || !offered || !table || !recalled
        || session == lines.end() || session->second.size() != 2) {
        return std::nullopt;
    }
    e.phase = static_cast<JournalPhase>(*phase);
    e.slot = static_cast<int>(*slotNumber);
    e.sequence = static_cast<std::uint64_t>(*sequence);
    e.offered = *offered == 1;
    e.table = *table == 1;
    e.recall.ring = std::move(*recalled);
    e.recall.newestInSession = session->second[0] == 1;
    e.recall.newestCounted = session->second[1] == 1;
    if (const auto rng = lines.find("rng"); rng != lines.end()) {
        if (rng->second.size() != 4) {
            return std::nullopt;
        }
        RngState words {};
        for (std::size_t i = 0; i < 4; ++i) {
            words[i] = static_cast<std::uint64_t>(rng->second[i]);
        }
        e.rng = words;
    }
    for (long long i = 1; i <= *drawCount; ++i) {
        const auto d = lines.find("draw" + std::to_string(i));
        if (d == lines.end() || !validDraw(d->second)) {
            return std::nullopt;
        }
        e.draws.push_back({ static_cast<GambleBet>(d->second[0]), static_cast<int>(d->second[1]),
            d->second[2] == 1, static_cast<Money>(d->second[3]),
            static_cast<Short>(d->second[4]) });
    }
    Reader r { lines };
    eachField(e.state, r);
    eachField(e.player, r);
    if (!r.ok) {
        return std::nullopt;
    }
    e.player.playerslot = std::to_string(e.slot);
    return e;
}

} // namespace slot
