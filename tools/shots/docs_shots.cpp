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
#include <QMenuBar>
#include <QPainter>
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

// A newcomer's map of the cabinet: the cabinet at the start with every control named beside
// it, and below it the two buttons that only show later (the gamble's, the feature's).
// Every arrow is aimed at the control's own geometry, so the labels follow the layout.
class LabelledCabinet
{
public:
    LabelledCabinet(slot::Tarnix &w, QPixmap gambleRow, QPixmap collect)
        : cabinet(w.grab())
        , canvas(cabinet.width() + 2 * kSide, cabinet.height() + kBottom)
    {
        canvas.fill(QColor(0x20, 0x20, 0x28));
        p.begin(&canvas);
        p.setRenderHint(QPainter::Antialiasing);
        p.drawPixmap(kSide, 0, cabinet);
        QFont f(slot::cabinetFontFamily());
        f.setPixelSize(14);
        f.setBold(true);
        p.setFont(f);
        gambleAt = QRect(QPoint(0, cabinet.height() + 16), gambleRow.size());
        collectAt = QRect(
            QPoint(cabinet.width() - collect.width(), cabinet.height() + 16), collect.size());
        p.drawPixmap(gambleAt.topLeft() + QPoint(kSide, 0), gambleRow);
        p.drawPixmap(collectAt.topLeft() + QPoint(kSide, 0), collect);
    }
    // Places in the cabinet's picture, for a control or a menu command.
    static QRect of(const slot::Tarnix &w, const QWidget *c)
    {
        return QRect(c->mapTo(&w, QPoint(0, 0)), c->size());
    }
    static QRect of(slot::Tarnix &w, QAction *a)
    {
        const QRect r = w.menuBar()->actionGeometry(a);
        return r.translated(w.menuBar()->mapTo(&w, QPoint(0, 0)));
    }
    // A label in the left (side -1) or right (side 1) margin, its top at y, pointing at target:
    // just beside its near edge, so that the mark hides no caption, or at its middle.
    void label(int side, int y, const QString &text, const QRect &target, bool middle = false)
    {
        const QRect box = side < 0 ? QRect(8, y, kSide - 24, 200)
                                   : QRect(kSide + cabinet.width() + 16, y, kSide - 24, 200);
        const QRect used = p.boundingRect(box, Qt::TextWordWrap | Qt::AlignLeft, text);
        const QRect t = target.translated(kSide, 0);
        const QPoint aim
            = middle ? t.center() : QPoint(side < 0 ? t.left() - 4 : t.right() + 4, t.center().y());
        const QPoint from(side < 0 ? used.right() + 4 : used.left() - 4, used.center().y());
        p.setPen(QPen(QColor(0xff, 0xe0, 0x40), 2));
        p.drawLine(from, aim);
        p.setBrush(QColor(0xff, 0xe0, 0x40));
        p.drawEllipse(aim, 4, 4);
        p.setPen(Qt::white);
        p.drawText(used, Qt::TextWordWrap | Qt::AlignLeft, text);
    }
    int height() const { return cabinet.height(); }
    QRect gambleAt, collectAt; // beside the cabinet's picture, below it
    void save(const QString &path)
    {
        p.end();
        canvas.save(path);
        std::printf("%s\n", qPrintable(path));
    }

private:
    static constexpr int kSide = 250;
    static constexpr int kBottom = 84;
    QPixmap cabinet;
    QPixmap canvas;
    QPainter p;
};

void labelledCabinet(slot::Tarnix &w, slot::Tarnix &gamble, const QString &dir)
{
    slot::DoublePanel &panel = *gamble.pandouble;
    const QRect row = LabelledCabinet::of(gamble, panel.betred)
                          .united(LabelledCabinet::of(gamble, panel.betblack));
    LabelledCabinet c(w, gamble.grab(row), w.takewin->grab());
    using L = LabelledCabinet;
    QRect tabs;
    for (int k = 1; k <= 25; ++k) {
        if (w.lin(k)->x() < w.width() / 2) {
            tabs = tabs.united(L::of(w, w.lin(k)));
        }
    }
    c.label(-1, 4,
        QStringLiteral("The menu: about, Zero Credit, Paytable, Options, Quick Credit, exit"),
        L::of(w, w.mnuzerocredit));
    c.label(-1, 70, QStringLiteral("CREDIT in credits and in dollars: 1 credit is 1 cent"),
        L::of(w, w.PANELBANK));
    c.label(-1, 190, QStringLiteral("The line numbers: the lines in play are lit"), tabs);
    c.label(-1, 300, QStringLiteral("How many lines to play: 1, 5, 10, 20 or 25"),
        L::of(w, w.payline(1)));
    c.label(-1, 380,
        QStringLiteral("BET 1 to BET 20: credits per line, and play a game. The space bar plays "
                       "the same bet again"),
        L::of(w, w.play(1)));
    c.label(
        1, 4, QStringLiteral("Recall: the last ten games and this session"), L::of(w, w.mnurecall));
    c.label(1, 50, QStringLiteral("WIN: what the last game won"), L::of(w, w.lblwin), true);
    c.label(1, 100, QStringLiteral("LAST BET: lines x bet, the stake of the last game"),
        L::of(w, w.lbllast), true);
    c.label(1, 180,
        QStringLiteral("The five reels. The lion is wild and holds its reel for one more game; "
                       "the elephant is the scatter: it pays anywhere, three or more start free "
                       "games"),
        L::of(w, w.Picture(5)), true);
    c.label(1, 320, QStringLiteral("INSERT COIN: 20 credits more"), L::of(w, w.COINSIN), true);
    c.label(1, 390, QStringLiteral("Double Up: gamble the last win"), L::of(w, w.doublebutton));
    c.label(-1, c.height() + 4,
        QStringLiteral("In the gamble: RED or BLACK doubles the win, a suit (beside the card) "
                       "makes it four times; TAKE WIN keeps it"),
        c.gambleAt, true);
    c.label(1, c.height() + 12,
        QStringLiteral("After the free games: COLLECT puts the win meter into the credit"),
        c.collectAt);
    c.save(dir + QStringLiteral("/cabinet-labelled.png"));
}

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
        Stage start;
        labelledCabinet(*start.w, *st.w, dir);
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
