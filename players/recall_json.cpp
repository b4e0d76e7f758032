// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Only whole numbers, plain strings, arrays and objects are ever written, so the reader needs
// no more than that; anything else marks the file as damaged.
#include "players/recall_json.hpp"

#include <cstdint>
#include <limits>
#include <memory>
#include <utility>

namespace slot
{

namespace
{

// ---- writing ----

std::string quoted(const std::string &s)
{
    std::string out = "\"";
    for (const char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            static const char hex[] = "0123456789abcdef";
            out += "\\u00";
            out += hex[u >> 4];
            out += hex[u & 15];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

struct Writer {
    std::string out;
    bool first = true;

    void key(const char *k)
    {
        out += first ? "" : ",";
        first = false;
        out += quoted(k) + ":";
    }
    void number(const char *k, long long v)
    {
        key(k);
        out += std::to_string(v);
    }
    void text(const char *k, const std::string &v)
    {
        key(k);
        out += quoted(v);
    }
    void flag(const char *k, bool v)
    {
        key(k);
        out += v ? "true" : "false";
    }
    void open(const char *k, char bracket)
    {
        if (k) {
            key(k);
        } else {
            out += first ? "" : ",";
        }
        out += bracket;
        first = true;
    }
    void close(char bracket)
    {
        out += bracket;
        first = false;
    }
};

void writeGame(Writer &w, const RecallGame &g)
{
    w.open(nullptr, '{');
    w.open("window", '[');
    for (const Sym s : g.window) {
        w.out += w.first ? "" : ",";
        w.first = false;
        w.out += std::to_string(index(s));
    }
    w.close(']');
    w.open("held", '[');
    for (int reel = 1; reel <= kReels; ++reel) {
        if (g.held[static_cast<std::size_t>(reel)]) {
            w.out += w.first ? "" : ",";
            w.first = false;
            w.out += std::to_string(reel);
        }
    }
    w.close(']');
    w.open("winningLines", '[');
    for (const RecallLine &l : g.lines) {
        w.open(nullptr, '{');
        w.number("line", l.line);
        w.number("count", l.count);
        w.number("symbol", index(l.symbol));
        w.number("pay", l.pay);
        w.close('}');
    }
    w.close(']');
    w.number("scatters", g.scatters);
    w.number("scatterPay", g.scatterPay);
    w.number("multiplier", g.multiplier);
    w.number("win", g.win);
    w.number("freeGamesAwarded", g.freeGamesAwarded);
    w.close('}');
}

// ---- reading ----

struct Json {
    enum Kind { Null, Bool, Number, String, Array, Object } kind = Null;
    long long number = 0;
    bool flag = false;
    std::string text;
    std::vector<Json> items;
    std::vector<std::pair<std::string, Json>> members;

    const Json *get(const char *k) const
    {
        for (const auto &[name, value] : members) {
            if (name == k) {
                return &value;
            }
        }
        return nullptr;
    }
};

class Reader
{
public:
    explicit Reader(const std::string &t)
        : s(t)
    {
    }
    std::optional<Json> document()
    {
        Json v;
        if (!value(v, 0)) {
            return std::nullopt;
        }
        space();
        if (i != s.size()) {
            return std::nullopt;
        }
        return v;
    }

private:
    static constexpr int kDepth = 16; // the document nests four deep; more is damage

    void space()
    {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\n' || s[i] == '\r' || s[i] == '\t')) {
            ++i;
        }
    }
    bool literal(const char *word)
    {
        const std::string w(word);
        if (s.compare(i, w.size(), w) != 0) {
            return false;
        }
        i += w.size();
        return true;
    }
    bool string(std::string &out)
    {
        if (i >= s.size() || s[i] != '"') {
            return false;
        }
        ++i;
        while (i < s.size() && s[i] != '"') {
            char c = s[i++];
            if (static_cast<unsigned char>(c) < 0x20) {
                return false;
            }
            if (c == '\\') {
                if (i >= s.size()) {
                    return false;
                }
                const char e = s[i++];
                switch (e) {
                case '"':
                case '\\':
                case '/':
                    c = e;
                    break;
                case 'n':
                    c = '\n';
                    break;
                case 't':
                    c = '\t';
                    break;
                case 'r':
                    c = '\r';
                    break;
                case 'b':
                    c = '\b';
                    break;
                case 'f':
                    c = '\f';
                    break;
                case 'u': {
                    if (i + 4 > s.size()) {
                        return false;
                    }
                    unsigned code = 0;
                    for (int k = 0; k < 4; ++k) {
                        const char h = s[i++];
                        code <<= 4;
                        if (h >= '0' && h <= '9') {
                            code |= static_cast<unsigned>(h - '0');
                        } else if (h >= 'a' && h <= 'f') {
                            code |= static_cast<unsigned>(h - 'a' + 10);
                        } else if (h >= 'A' && h <= 'F') {
                            code |= static_cast<unsigned>(h - 'A' + 10);
                        } else {
                            return false;
                        }
                    }
                    c = code < 0x80 ? static_cast<char>(code) : '?';
                    break;
                }
                default:
                    return false;
                }
            }
            out += c;
        }
        if (i >= s.size()) {
            return false;
        }
        ++i;
        return true;
    }
    bool integer(long long &out)
    {
        const bool negative = i < s.size() && s[i] == '-';
        if (negative) {
            ++i;
        }
        if (i >= s.size() || s[i] < '0' || s[i] > '9') {
            return false;
        }
        long long v = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            v = v * 10 + (s[i++] - '0');
            if (v > (1LL << 40)) {
                return false; // far beyond any amount the game can hold
            }
        }
        if (i < s.size() && (s[i] == '.' || s[i] == 'e' || s[i] == 'E')) {
            return false;
        }
        out = negative ? -v : v;
        return true;
    }
    bool value(Json &v, int depth)
    {
        if (depth > kDepth) {
            return false;
        }
        space();
        if (i >= s.size()) {
            return false;
        }
        const char c = s[i];
        if (c == '{') {
            ++i;
            v.kind = Json::Object;
            space();
            if (i < s.size() && s[i] == '}') {
                ++i;
                return true;
            }
            for (;;) {
                space();
                std::string name;
                if (!string(name)) {
                    return false;
                }
                space();
                if (i >= s.size() || s[i++] != ':') {
                    return false;
                }
                Json member;
                if (!value(member, depth + 1)) {
                    return false;
                }
                v.members.emplace_back(std::move(name), std::move(member));
                space();
                if (i < s.size() && s[i] == ',') {
                    ++i;
                    continue;
                }
                return i < s.size() && s[i++] == '}';
            }
        }
        if (c == '[') {
            ++i;
            v.kind = Json::Array;
            space();
            if (i < s.size() && s[i] == ']') {
                ++i;
                return true;
            }
            for (;;) {
                Json item;
                if (!value(item, depth + 1)) {
                    return false;
                }
                v.items.push_back(std::move(item));
                space();
                if (i < s.size() && s[i] == ',') {
                    ++i;
                    continue;
                }
                return i < s.size() && s[i++] == ']';
            }
        }
        if (c == '"') {
            v.kind = Json::String;
            return string(v.text);
        }
        if (literal("true") || literal("false")) {
            v.kind = Json::Bool;
            v.flag = s[i - 1] == 'e' && s[i - 2] == 'u';
            return true;
        }
        if (literal("null")) {
            return true;
        }
        v.kind = Json::Number;
        return integer(v.number);
    }

    const std::string &s;
    std::size_t i = 0;
};

// Reads fields, failing the whole document on the first one that is missing or impossible.
struct Fields {
    const Json &o;
    bool ok = true;

    long long number(const char *k, long long lo, long long hi)
    {
        const Json *v = o.get(k);
        if (!v || v->kind != Json::Number || v->number < lo || v->number > hi) {
            ok = false;
            return lo;
        }
        return v->number;
    }
    Money money(const char *k)
    {
        return static_cast<Money>(
            number(k, std::numeric_limits<Money>::min(), std::numeric_limits<Money>::max()));
    }
    bool flag(const char *k)
    {
        const Json *v = o.get(k);
        if (!v || v->kind != Json::Bool) {
            ok = false;
            return false;
        }
        return v->flag;
    }
    std::string text(const char *k)
    {
        const Json *v = o.get(k);
        if (!v || v->kind != Json::String || v->text.size() > 64) {
            ok = false;
            return {};
        }
        return v->text;
    }
    const Json &list(const char *k)
    {
        static const Json empty = [] {
            Json j;
            j.kind = Json::Array;
            return j;
        }();
        const Json *v = o.get(k);
        if (!v || v->kind != Json::Array) {
            ok = false;
            return empty;
        }
        return *v;
    }
};

bool readGame(const Json &j, RecallGame &g)
{
    if (j.kind != Json::Object) {
        return false;
    }
    Fields f { j };
    const Json &window = f.list("window");
    if (!f.ok || window.items.size() != static_cast<std::size_t>(kCells)) {
        return false;
    }
    for (std::size_t k = 0; k < window.items.size(); ++k) {
        const Json &cell = window.items[k];
        if (cell.kind != Json::Number || cell.number < 0 || cell.number > index(kScatter)) {
            return false;
        }
        g.window[k] = static_cast<Sym>(cell.number);
    }
    for (const Json &reel : f.list("held").items) {
        if (reel.kind != Json::Number || reel.number < 2 || reel.number > 4) {
            return false;
        }
        g.held[static_cast<std::size_t>(reel.number)] = true;
    }
    for (const Json &l : f.list("winningLines").items) {
        if (l.kind != Json::Object) {
            return false;
        }
        Fields lf { l };
        RecallLine line;
        line.line = static_cast<int>(lf.number("line", 1, kLines));
        line.count = static_cast<int>(lf.number("count", 2, kReels));
        line.symbol = static_cast<Sym>(lf.number("symbol", 0, index(kScatter)));
        line.pay = lf.money("pay");
        if (!lf.ok) {
            return false;
        }
        g.lines.push_back(line);
    }
    g.scatters = static_cast<int>(f.number("scatters", 0, kReels));
    g.scatterPay = f.money("scatterPay");
    g.multiplier = static_cast<int>(f.number("multiplier", 1, 10));
    g.win = f.money("win");
    g.freeGamesAwarded = static_cast<int>(f.number("freeGamesAwarded", 0, 31));
    return f.ok;
}

std::optional<GambleBet> betNamed(const std::string &name)
{
    for (int b = 0; b <= static_cast<int>(GambleBet::Spades); ++b) {
        if (name == betName(static_cast<GambleBet>(b))) {
            return static_cast<GambleBet>(b);
        }
    }
    return std::nullopt;
}

std::optional<GambleEnding> endingNamed(const std::string &name)
{
    for (int e = 0; e <= static_cast<int>(GambleEnding::SettledOnQuit); ++e) {
        if (name == endingName(static_cast<GambleEnding>(e))) {
            return static_cast<GambleEnding>(e);
        }
    }
    return std::nullopt;
}

bool readEntry(const Json &j, RecallEntry &e)
{
    if (j.kind != Json::Object) {
        return false;
    }
    Fields f { j };
    e.when = f.text("when");
    e.linesPlayed = static_cast<int>(f.number("linesPlayed", 1, kLines));
    e.betPerLine = static_cast<int>(f.number("betPerLine", 1, 20));
    e.stake = f.money("stake");
    e.creditBefore = f.money("creditBefore");
    e.creditAfter = f.money("creditAfter");
    e.settled = f.flag("settled");
    e.feature = f.flag("feature");
    e.collected = f.flag("collected");
    e.collectedOnQuit = f.flag("collectedOnQuit");
    e.collect = f.money("collect");
    const Json *game = j.get("game");
    if (!f.ok || !game || !readGame(*game, e.game)) {
        return false;
    }
    for (const Json &free : f.list("freeGames").items) {
        RecallGame g;
        if (!readGame(free, g)) {
            return false;
        }
        e.freeGames.push_back(std::move(g));
    }
    if (const Json *gj = j.get("gamble")) {
        if (gj->kind != Json::Object) {
            return false;
        }
        Fields gf { *gj };
        e.gamble.opened = true;
        e.gamble.stake = gf.money("stake");
        e.gamble.paid = gf.money("paid");
        const auto ending = endingNamed(gf.text("ending"));
        if (!ending) {
            return false;
        }
        e.gamble.ending = *ending;
        for (const Json &d : gf.list("draws").items) {
            if (d.kind != Json::Object) {
                return false;
            }
            Fields df { d };
            RecallDraw draw;
            const auto bet = betNamed(df.text("bet"));
            draw.stake = df.money("stake");
            draw.card = static_cast<int>(df.number("card", 1, 4));
            draw.won = df.flag("won");
            if (!bet || !df.ok) {
                return false;
            }
            draw.bet = *bet;
            e.gamble.draws.push_back(draw);
        }
        if (!gf.ok) {
            return false;
        }
    }
    return f.ok;
}

} // namespace

std::string recallToJson(const RecallRing &ring)
{
    Writer w;
    w.open(nullptr, '{');
    w.number("version", 1);
    w.open("games", '[');
    for (const RecallEntry &e : ring) {
        w.out += w.first ? "\n" : ",\n";
        w.first = true;
        w.out += '{';
        w.text("when", e.when);
        w.number("linesPlayed", e.linesPlayed);
        w.number("betPerLine", e.betPerLine);
        w.number("stake", e.stake);
        w.number("creditBefore", e.creditBefore);
        w.number("creditAfter", e.creditAfter);
        w.flag("settled", e.settled);
        w.key("game");
        w.first = true;
        writeGame(w, e.game);
        w.flag("feature", e.feature);
        w.open("freeGames", '[');
        for (const RecallGame &g : e.freeGames) {
            writeGame(w, g);
        }
        w.close(']');
        w.flag("collected", e.collected);
        w.flag("collectedOnQuit", e.collectedOnQuit);
        w.number("collect", e.collect);
        if (e.gamble.opened) {
            w.open("gamble", '{');
            w.number("stake", e.gamble.stake);
            w.open("draws", '[');
            for (const RecallDraw &d : e.gamble.draws) {
                w.open(nullptr, '{');
                w.text("bet", betName(d.bet));
                w.number("stake", d.stake);
                w.number("card", d.card);
                w.flag("won", d.won);
                w.close('}');
            }
            w.close(']');
            w.text("ending", endingName(e.gamble.ending));
            w.number("paid", e.gamble.paid);
            w.close('}');
        }
        w.close('}');
    }
    w.close(']');
    w.close('}');
    return w.out + "\n";
}

std::optional<RecallRing> recallFromJson(const std::string &text)
{
    const std::optional<Json> doc = Reader(text).document();
    if (!doc || doc->kind != Json::Object) {
        return std::nullopt;
    }
    Fields f { *doc };
    f.number("version", 1, 1);
    const Json &games = f.list("games");
    if (!f.ok) {
        return std::nullopt;
    }
    RecallRing ring;
    for (const Json &g : games.items) {
        RecallEntry e;
        if (!readEntry(g, e)) {
            return std::nullopt;
        }
        if (ring.size() < static_cast<std::size_t>(kRecallGames)) {
            ring.push_back(std::move(e));
        }
    }
    return ring;
}

} // namespace slot
