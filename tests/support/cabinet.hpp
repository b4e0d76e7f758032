// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A cabinet on the offscreen platform with scripted draws, no waiting and noted sounds.
#pragma once

#include "flow/tarnix.hpp"
#include "support/fakes.hpp"
#include "support/scripted_rng.hpp"
#include "support/windows.hpp"

#include <QCoreApplication>
#include <QEvent>
#include <memory>
#include <string>
#include <vector>

namespace slot::test
{

struct Cabinet {
    ScriptedRng rng;
    ZeroPacing pacing;
    RecordingSound sound;
    PlayerState player;
    Services services { rng, pacing, sound };
    std::unique_ptr<Tarnix> w;
    int ends = 0;
    PlayerState saved;
    std::vector<std::string> messages;

    explicit Cabinet(Money bank)
    {
        services.loadRecord = [bank](int, PlayerState &p) { p.bank = bank; };
        services.saveRecord = [this](const PlayerState &p) { saved = p; };
        services.endProgram = [this] { ++ends; };
        services.information = [this](const std::string &title, const std::string &text) {
            messages.push_back(title + "|" + text);
        };
        w = std::make_unique<Tarnix>(player, services);
        w->Form_Load();
        sound.played.clear();
    }
    void script(const Stops &s) { rng.stops({ s[1], s[2], s[3], s[4], s[5] }); }
    int reelY(int n) const { return w->reel(n)->y(); }

    // During the feature the menu offers only the exit.
    void mnuMenusDoNothingInTheFeature()
    {
        const Money bank = player.bank;
        const auto sounds = sound.played.size();
        w->mnuquickcredit->trigger();
        w->mnuzerocredit->trigger();
        if (player.bank != bank || sound.played.size() != sounds) {
            qFatal("a credit command ran during the feature");
        }
    }

    // Runs the win counter to its end, as its timer would.
    int countOut()
    {
        int ticks = 0;
        while (w->Timerwincounter->isActive() && ticks < 10000) {
            w->Timerwincounter_Timer();
            ++ticks;
        }
        return ticks;
    }
};

inline bool showsIn(const Stops &s, int reel, Sym sym)
{
    return showsOn(reel, s[static_cast<std::size_t>(reel)], sym);
}

inline bool noWildIn(const Stops &s)
{
    return !showsIn(s, 2, kWild) && !showsIn(s, 3, kWild) && !showsIn(s, 4, kWild);
}

inline Stops scatterWindow(int scatters)
{
    return *findWindow([scatters](const Stops &w) {
        const auto r = evaluateWindow(w, kLines);
        return r.scatters == scatters && r.lineUnits == 0 && noWildIn(w);
    });
}

// Closed auxiliary windows delete themselves later; a test with no event loop hands them over.
inline void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace slot::test
