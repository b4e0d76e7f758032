// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Pictures of the cabinet for the documentation: real windows, real art, chosen outcomes.
// Run under an X server:  xvfb-run -a -s "-screen 0 1024x768x24" build/tarnix-shots docs
#include "assets/asset_catalog.hpp"
#include "display/pacing.hpp"
#include "flow/sound_out.hpp"
#include "flow/tarnix.hpp"
#include "gamble/double_panel.hpp"
#include "players/recall_window.hpp"
#include "rules/window_eval.hpp"

#include <QApplication>
#include <QDir>
#include <cstdio>
#include <deque>
#include <functional>
#include <optional>

namespace
{

using Stops = std::array<int, slot::kReels + 1>;

// Hands out the chosen outcomes in order.
class ChosenDraws final : public slot::Rng
{
public:
    double uniform() override
    {
        if (values.empty()) {
            return 0.0;
        }
        const double v = values.front();
        values.pop_front();
        return v;
    }
    void pick(int k, int n) { values.push_back((k - 0.5) / n); }
    void stops(const Stops &s)
    {
        for (int reel = 1; reel <= slot::kReels; ++reel) {
            pick(s[static_cast<std::size_t>(reel)], slot::kStops);
        }
    }

private:
    std::deque<double> values;
};

class NoWait final : public slot::Pacing
{
public:
    void sleep(int) override { }
    void processEvents() override { QCoreApplication::processEvents(); }
};

bool shows(const Stops &s, int reel, slot::Sym sym)
{
    for (int row = 1; row <= 3; ++row) {
        if (slot::symbolAt(reel, s[static_cast<std::size_t>(reel)], row) == sym) {
            return true;
        }
    }
    return false;
}

int count(const Stops &s, slot::Sym sym)
{
    int n = 0;
    for (int reel = 1; reel <= slot::kReels; ++reel) {
        n += shows(s, reel, sym);
    }
    return n;
}

std::optional<Stops> find(const std::function<bool(const Stops &)> &wanted)
{
    Stops s {};
    for (s[1] = 1; s[1] <= slot::kStops; ++s[1])
        for (s[2] = 1; s[2] <= slot::kStops; ++s[2])
            for (s[3] = 1; s[3] <= slot::kStops; ++s[3])
                for (s[4] = 1; s[4] <= slot::kStops; ++s[4])
                    for (s[5] = 1; s[5] <= slot::kStops; ++s[5])
                        if (wanted(s)) {
                            return s;
                        }
    return std::nullopt;
}

struct Stage {
    ChosenDraws rng;
    NoWait pacing;
    slot::SilentSound sound;
    slot::PlayerState player;
    slot::Services services { rng, pacing, sound };
    std::unique_ptr<slot::Tarnix> w;
    Stage()
    {
        services.loadRecord = [](int, slot::PlayerState &p) {
            p.bank = 2500;
            p.winroll = 0;
        };
        w = std::make_unique<slot::Tarnix>(player, services);
        w->Form_Load();
    }
    void play(const Stops &s, bool trigger = false)
    {
        rng.stops(s);
        rng.pick(1, 4); // kept by the payback check
        if (trigger) {
            rng.pick(1, 2); // the feature tune
        }
        w->play_Click(1);
        while (w->Timerwincounter->isActive()) {
            w->Timerwincounter_Timer();
        }
    }
    void save(const QString &dir, const char *name)
    {
        QCoreApplication::processEvents();
        const QString path = dir + QLatin1Char('/') + QLatin1String(name);
        w->grab().save(path);
        std::printf("%s\n", qPrintable(path));
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    slot::initAssets();
    QApplication::setFont(QFont(slot::cabinetFontFamily()));
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(dir);
    using slot::Sym;

    const Stops fiveOfAKind = *find([](const Stops &s) {
        return count(s, slot::kWild) == 0 && count(s, slot::kScatter) == 0
            && slot::lineRun(s, 2).count == 5 && slot::evaluateWindow(s, 25).lineUnits < 400;
    });
    {
        Stage st;
        st.save(dir, "cabinet.png");
        st.play(fiveOfAKind);
        st.w->Timer1_Timer();
        st.w->Timer1_Timer();
        st.save(dir, "winning-line.png");
    }
    {
        Stage st;
        const Stops twoScatters = *find([](const Stops &s) {
            return count(s, slot::kScatter) == 2 && count(s, slot::kWild) == 0
                && slot::evaluateWindow(s, 25).lineUnits > 0;
        });
        st.play(twoScatters);
        for (int i = 0; i < 7; ++i) {
            st.w->Timerscatters_Timer();
        }
        st.save(dir, "scatters.png");
    }
    {
        Stage st;
        const Stops trigger = *find([](const Stops &s) {
            return count(s, slot::kScatter) == 3 && count(s, slot::kWild) == 0
                && slot::evaluateWindow(s, 25).lineUnits == 0;
        });
        st.play(trigger, true);
        const Stops wildWin = *find([](const Stops &s) {
            const slot::WindowResult r = slot::evaluateWindow(s, 25);
            return count(s, slot::kScatter) == 0 && r.wildWin && slot::lineRun(s, 1).throughWild;
        });
        st.rng.stops(wildWin);
        st.rng.pick(1, 25); // x10
        st.rng.pick(1, 4);
        st.w->Timerrespin->start();
        st.w->Timerrespin_Timer();
        for (int i = 0; i < 12; ++i) {
            st.w->timerwild_Timer();
        }
        st.w->Timer1_Timer();
        st.w->Timer1_Timer();
        st.save(dir, "wild-multiplier.png");
    }
    {
        Stage st;
        st.play(fiveOfAKind);
        st.w->doublebutton_Click();
        st.save(dir, "gamble.png");
    }
    {
        // A short session for the Recall window: a few games, a doubled win taken, then the
        // five of a kind the player doubled and wants to look at again.
        Stage st;
        const Stops blank = *find([](const Stops &s) {
            return count(s, slot::kWild) == 0 && count(s, slot::kScatter) == 0
                && slot::evaluateWindow(s, 25).lineUnits == 0;
        });
        const Stops smallWin = *find([](const Stops &s) {
            const slot::WindowResult r = slot::evaluateWindow(s, 25);
            return count(s, slot::kWild) == 0 && r.scatters < 2 && r.lineUnits >= 20
                && r.lineUnits <= 40 && __builtin_popcount(r.winLines) >= 2;
        });
        for (const Stops *s : { &blank, &smallWin, &blank, &blank, &blank, &smallWin }) {
            st.play(*s);
        }
        const auto doubleOnRed = [&st] {
            st.w->doublebutton_Click();
            st.rng.pick(slot::kHearts, 4);
            st.w->betred_Click();
            st.w->cancelbet_Click();
        };
        doubleOnRed();
        st.play(blank);
        st.play(fiveOfAKind);
        doubleOnRed();
        st.w->mnurecall_Click();
        QCoreApplication::processEvents();
        const QString path = dir + QStringLiteral("/recall.png");
        st.w->recallWindow->grab().save(path);
        std::printf("%s\n", qPrintable(path));
        st.w->recallWindow->close();
    }
    return 0;
}
