// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The recorder keeps only what the player saw: a replaced result never reaches it, because
// the cabinet reports a result only once the payback check has let it stand.
#include "players/game_recall.hpp"

#include "players/player_record.hpp"

#include <algorithm>
#include <numeric>

namespace slot
{

namespace
{

RecallGame captureWindow(const MainState &s, bool paid)
{
    RecallGame g;
    for (int reel = 1; reel <= kReels; ++reel) {
        const int stop = const_cast<MainState &>(s).reelstopOf(reel); // read only
        for (int row = 1; row <= 3; ++row) {
            g.window[static_cast<std::size_t>((row - 1) * kReels + reel - 1)]
                = stop >= 1 && stop <= kStops ? symbolAt(reel, stop, row) : Sym::None;
        }
        g.held[static_cast<std::size_t>(reel)] = s.isHeld(reel);
    }
    const int lines = std::min<int>(s.linesplayed, kLines);
    for (int l = 1; l <= lines; ++l) {
        const int count = s.winlength[static_cast<std::size_t>(l)];
        if (count < 2) {
            continue;
        }
        // Only the symbol on reel 1 can start a line (the wild never stands there).
        const int row = tables::paylineRows[static_cast<std::size_t>(l)][1];
        RecallLine line { l, count, g.at(1, row), 0 };
        if (isOrdinary(line.symbol)) {
            const long long pay = static_cast<long long>(s.betperline)
                * tables::linePay[static_cast<std::size_t>(index(line.symbol))]
                                 [static_cast<std::size_t>(count)];
            if (count == 5 || narrow<Short>(pay)) { // what the win check itself adds
                line.pay = static_cast<Money>(pay);
            }
        }
        g.lines.push_back(line);
    }
    g.scatters = s.scatters;
    if (s.scatters >= 2 && s.scatters <= 5) {
        const long long pay = static_cast<long long>(s.betperline)
            * tables::scatterPay[static_cast<std::size_t>(s.scatters)] * s.linesplayed;
        if (narrow<Short>(pay)) {
            g.scatterPay = static_cast<Money>(pay);
        }
    }
    g.multiplier = paid ? 1 : s.multiplier;
    g.win = s.thiswin;
    return g;
}

} // namespace

Money RecallEntry::paid() const
{
    const long long won = feature ? (collected ? collect : 0) : game.win;
    if (!gamble.opened || gamble.ending == GambleEnding::Open) {
        return static_cast<Money>(won);
    }
    // The gamble normally stakes the whole win; a refused Play between a collect and the
    // gamble leaves it staking the last free game's win only, and the collect stays paid.
    const long long paid = won - gamble.stake + gamble.paid;
    return static_cast<Money>(std::clamp<long long>(
        paid, std::numeric_limits<Money>::min(), std::numeric_limits<Money>::max()));
}

GameRecall::GameRecall(RecallStorage *store, Clock c)
    : storage(store)
    , clock(c ? std::move(c) : Clock([] { return std::time(nullptr); }))
{
}

GameRecall::Slot &GameRecall::slot(int n)
{
    Slot &s = bySlot[n];
    if (!s.loaded) {
        s.loaded = true;
        if (storage && n >= 1 && n <= 6) {
            s.ring = storage->load(n);
        }
        while (s.ring.size() > kRecallGames) {
            s.ring.pop_back();
        }
    }
    return s;
}

GameRecall::Slot &GameRecall::slotFor(const PlayerState &p)
{
    currentSlot = slot::slotOf(p.playerslot).value_or(0);
    return slot(currentSlot);
}

RecallEntry *GameRecall::open(Slot &s)
{
    return s.newestInSession && !s.ring.empty() ? &s.ring.front() : nullptr;
}

void GameRecall::store(int n, const Slot &s)
{
    if (storage && n >= 1 && n <= 6) {
        storeFailed = !storage->store(n, s.ring);
    }
}

void GameRecall::entrySettled(Slot &s)
{
    const RecallEntry &e = s.ring.front();
    SessionMeters &m = s.session;
    if (!s.newestCounted) {
        s.newestCounted = true;
        m.paid.push_back(e.paid());
        m.credit.push_back(e.creditAfter);
    } else if (!m.paid.empty()) {
        // A gamble after the game replaces what the game paid.
        m.paid.back() = e.paid();
        m.credit.back() = e.creditAfter;
    }
}

void GameRecall::resultStands(const MainState &s, const PlayerState &p)
{
    standingPaid = s.freespins < 1;
    standing = captureWindow(s, standingPaid);
    standingBank = p.bank;
    freespinsBefore = s.freespins;
    hasStanding = true;
}

void GameRecall::gameSettled(const MainState &s, const PlayerState &p)
{
    if (!hasStanding) {
        return;
    }
    hasStanding = false;
    standing.freeGamesAwarded = std::max(0, s.freespins - freespinsBefore);
    Slot &sl = slotFor(p);
    if (standingPaid) {
        RecallEntry e;
        e.when = localTimeText(clock());
        e.linesPlayed = s.linesplayed;
        e.betPerLine = s.betperline;
        e.stake = static_cast<Money>(stakeOf(s));
        e.game = standing;
        // The stake left the credit when the result was worked out.
        e.creditBefore = static_cast<Money>(std::min<long long>(
            static_cast<long long>(standingBank) + e.stake, std::numeric_limits<Money>::max()));
        e.creditAfter = p.bank;
        e.feature = s.freespins > 0;
        e.settled = !e.feature;
        sl.ring.push_front(std::move(e));
        while (sl.ring.size() > kRecallGames) {
            sl.ring.pop_back();
        }
        sl.newestInSession = true;
        sl.newestCounted = false;
        SessionMeters &m = sl.session;
        if (m.started == 0) {
            m.started = clock();
        }
        if (m.credit.empty()) {
            m.credit.push_back(sl.ring.front().creditBefore);
        }
        ++m.paidGames;
        m.staked += sl.ring.front().stake;
        if (sl.ring.front().settled) {
            entrySettled(sl);
        }
    } else if (RecallEntry *e = open(sl); e && e->feature && !e->collected) {
        e->freeGames.push_back(standing);
        e->creditAfter = p.bank;
    } else {
        return;
    }
    store(currentSlot, sl);
}

void GameRecall::featureCollected(const MainState &s, const PlayerState &p)
{
    Slot &sl = slotFor(p);
    RecallEntry *e = open(sl);
    if (!e || !e->feature || e->collected) {
        return;
    }
    e->collected = true;
    e->collect = s.lastcollect;
    e->creditAfter = p.bank;
    e->settled = true;
    entrySettled(sl);
    store(currentSlot, sl);
}

void GameRecall::gambleOpened(const MainState &s, const PlayerState &p)
{
    RecallEntry *e = open(slotFor(p));
    if (!e || !e->settled || e->gamble.opened) {
        return;
    }
    e->gamble = RecallGamble {};
    e->gamble.opened = true;
    e->gamble.stake = s.atrisk;
}

void GameRecall::gambleDrawn(GambleBet bet, int card, bool won, Money stake)
{
    RecallEntry *e = open(slot(currentSlot));
    if (!e || !e->gamble.opened || e->gamble.ending != GambleEnding::Open) {
        return;
    }
    e->gamble.draws.push_back(RecallDraw { bet, stake, card, won });
}

void GameRecall::gambleEnded(const MainState &s, const PlayerState &p)
{
    Slot &sl = slotFor(p);
    RecallEntry *e = open(sl);
    if (!e || !e->gamble.opened || e->gamble.ending != GambleEnding::Open) {
        return;
    }
    const bool lost = !e->gamble.draws.empty() && !e->gamble.draws.back().won;
    e->gamble.ending = lost ? GambleEnding::Lost : GambleEnding::TakeWin;
    e->gamble.paid = lost ? 0 : s.atrisk;
    e->creditAfter = p.bank;
    entrySettled(sl);
    store(currentSlot, sl);
}

GameWatch GameRecall::watcher()
{
    return { [this](const MainState &s, const PlayerState &p) { resultStands(s, p); },
        [this](const MainState &s, const PlayerState &p) { gameSettled(s, p); } };
}

void GameRecall::quitSettled(
    const MainState &s, bool gambleWasOpen, Money atriskBefore, const PlayerState &p)
{
    Slot &sl = slotFor(p);
    RecallEntry *e = open(sl);
    if (!e) {
        return;
    }
    bool changed = false;
    if (e->feature && !e->collected && s.freespins < 1) {
        e->collected = true;
        e->collectedOnQuit = true;
        e->collect = s.lastcollect;
        e->settled = true;
        changed = true;
    }
    if (gambleWasOpen && e->gamble.opened && e->gamble.ending == GambleEnding::Open) {
        e->gamble.ending = GambleEnding::SettledOnQuit;
        e->gamble.paid = atriskBefore;
        changed = true;
    }
    if (changed) {
        e->creditAfter = p.bank;
        entrySettled(sl);
        store(currentSlot, sl);
    }
}

void GameRecall::clearSlot(int n)
{
    Slot &s = slot(n);
    s.ring.clear();
    s.session = SessionMeters {};
    s.newestInSession = false;
    s.newestCounted = false;
    store(n, s);
}

RecallSlotState GameRecall::slotState(int n)
{
    const Slot &s = slot(n);
    return { s.ring, s.newestInSession, s.newestCounted };
}

void GameRecall::resumeSlot(int n, const RecallSlotState &state)
{
    Slot &s = slot(n);
    s.ring = state.ring;
    s.newestInSession = state.newestInSession;
    s.newestCounted = state.newestCounted;
    currentSlot = n;
    hasStanding = false;
    store(n, s);
}

const RecallRing &GameRecall::ring(int n)
{
    return slot(n).ring;
}

const SessionMeters &GameRecall::session(int n)
{
    return slot(n).session;
}

long long SessionMeters::won() const
{
    return std::accumulate(paid.begin(), paid.end(), 0LL);
}

long long SessionMeters::biggestWin() const
{
    return paid.empty() ? 0 : *std::max_element(paid.begin(), paid.end());
}

std::string localTimeText(std::time_t t)
{
    std::tm local {};
    if (!localtime_r(&t, &local)) {
        return {};
    }
    char text[32] = {};
    const std::size_t n = std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return std::string(text, n);
}

const char *betName(GambleBet bet)
{
    switch (bet) {
    case GambleBet::Red:
        return "red";
    case GambleBet::Black:
        return "black";
    case GambleBet::Hearts:
        return "hearts";
    case GambleBet::Clubs:
        return "clubs";
    case GambleBet::Diamonds:
        return "diamonds";
    case GambleBet::Spades:
        return "spades";
    }
    return "";
}

const char *endingName(GambleEnding e)
{
    switch (e) {
    case GambleEnding::Open:
        return "open";
    case GambleEnding::TakeWin:
        return "take win";
    case GambleEnding::Lost:
        return "lost";
    case GambleEnding::SettledOnQuit:
        return "settled on quit";
    }
    return "";
}

} // namespace slot
