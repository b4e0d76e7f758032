// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The cabinet's controls at their places: positions are given in twips, 15 to a pixel.
#include "display/controls.hpp"
#include "display/line_layer.hpp"
#include "display/pacing.hpp"
#include "display/twips.hpp"
#include "flow/tarnix.hpp"
#include "gamble/double_panel.hpp"

#include <QMenuBar>

namespace slot
{

namespace
{

constexpr int kReelLeft[6] = { 0, 800, 2430, 4090, 5750, 7390 };
constexpr int kReelTop = 800;
constexpr int kTabTop = 720;
constexpr int kTabPitch = 356;
// The payline tab in each of the 13 slots of the left and the right column.
constexpr int kLeftTabs[13] = { 6, 2, 4, 12, 11, 9, 1, 8, 10, 7, 5, 3, 13 };
constexpr int kRightTabs[13] = { 14, 18, 25, 22, 21, 23, 26, 15, 17, 20, 16, 19, 24 };
constexpr int kButtonLeft[7] = { 0, 135, 1450, 2770, 4090, 5415, 6735 };

} // namespace

void Tarnix::buildControls()
{
    auto *client = new QWidget(this);
    client->setFixedSize(px(9585), px(6630));
    setCentralWidget(client);
    setFont(QFont(QStringLiteral("Comic Neue")));

    auto *background = new QLabel(client);
    background->setGeometry(client->rect());
    background->setPixmap(pictures.background);
    background->setScaledContents(true);
    QPalette dark = client->palette();
    dark.setColor(QPalette::Window, QColor(0x0b, 0x16, 0x4a));
    client->setPalette(dark);
    client->setAutoFillBackground(true);

    // Segments first: they lie beneath the reel windows.
    lines = new LineLayer(client);
    lines->setGeometry(client->rect());
    for (int i = 1; i <= 6; ++i) {
        Lineflash.set(i, lines->Lineflash(i));
    }

    for (int n = 1; n <= 5; ++n) {
        auto *window = new QWidget(client);
        window->setGeometry(twipsRect(kReelLeft[n], kReelTop, 1500, 4500));
        window->setAutoFillBackground(true);
        auto *strip = new QLabel(window);
        strip->setGeometry(0, 0, px(1500), px(43500));
        // Drawn unscaled: a strip is repainted every frame of the spin.
        strip->setPixmap(pictures.reel[static_cast<std::size_t>(n)]);
        Picture.set(n, window);
        reel.set(n, strip);
        placeReel(n, n == 1 ? 0 : -45);
    }

    for (int r = 1; r <= 5; ++r) {
        for (int row = 1; row <= 3; ++row) {
            auto *cell = new QLabel(client);
            cell->setGeometry(twipsRect(kReelLeft[r], kReelTop + 1500 * (row - 1), 1500, 1500));
            cell->setScaledContents(true);
            cell->setPixmap(pictures.ImageList1.picture(21));
            cell->hide();
            flasher.set(cellOf(r, row), cell);
        }
    }

    for (int slotIndex = 0; slotIndex < 13; ++slotIndex) {
        const int top = kTabTop + kTabPitch * slotIndex;
        const int height = slotIndex >= 10 ? 360 : 356;
        for (const auto &[left, tab] : { std::pair { 120, kLeftTabs[slotIndex] },
                 std::pair { 9070, kRightTabs[slotIndex] } }) {
            auto *t = new QLabel(client);
            t->setGeometry(twipsRect(left, top, 450, height));
            t->setAlignment(Qt::AlignCenter);
            lin.set(tab, t);
        }
    }

    // Amounts sit on the cream meter panels of the background: dark ink reads best there.
    const QColor gold(0xf7, 0xd3, 0x5c), ink(0x8a, 0x10, 0x10), blue(0x12, 0x3c, 0xb0);
    PANELBANK = makeLabel(client, twipsRect(795, 300, 1500, 420), 14, ink);
    Lblcredit = makeLabel(client, twipsRect(2000, 50, 1500, 330), 11, blue);
    LABWIN = makeLabel(client, twipsRect(3600, 300, 2400, 420), 14, ink);
    lblwin = makeLabel(client, twipsRect(4200, 50, 1500, 330), 11, blue);
    LABLASTBET = new QLabel(client);
    LABLASTBET->setGeometry(twipsRect(6900, 40, 1800, 330));
    LABLASTBET->setPixmap(pictures.lastBetTitle);
    LABLASTBET->setScaledContents(true);
    lbllast = makeLabel(client, twipsRect(7200, 330, 1500, 420), 14, ink);
    LABTHISWIN = new QLabel(client);
    LABTHISWIN->setGeometry(LABLASTBET->geometry());
    LABTHISWIN->setPixmap(pictures.thisWinTitle);
    LABTHISWIN->setScaledContents(true);
    LABTHISWIN->hide();
    Lblcurrentwin = makeLabel(client, lbllast->geometry(), 14, ink);
    Lblcurrentwin->hide();

    spinsleft = makeLabel(client, twipsRect(135, 5480, 5300, 450), 13, gold);

    for (int i = 1; i <= 5; ++i) {
        static const char *captions[]
            = { "", "1 LINE", "5 LINES", "10 LINES", "20 LINES", "25 LINES" };
        payline.set(i,
            makeButton(client, twipsRect(kButtonLeft[i], 5400, 1330, 600),
                pictures.paylineFace[static_cast<std::size_t>(i)],
                QString::fromLatin1(captions[i])));
    }
    COINSIN = makeButton(
        client, twipsRect(6735, 5400, 1330, 600), pictures.coinFace, QStringLiteral("INSERT COIN"));
    doublebutton = makeButton(client, twipsRect(8050, 5400, 1400, 1200), pictures.doubleFace,
        QStringLiteral("Double Up"));
    doublebutton->setEnabled(false);
    for (int i = 1; i <= 6; ++i) {
        play.set(i,
            makeButton(client, twipsRect(kButtonLeft[i], 6000, 1330, 600),
                pictures.playFace[static_cast<std::size_t>(i)],
                QStringLiteral("BET %1").arg(tables::betPerButton[static_cast<std::size_t>(i)])));
    }
    takewin = makeButton(
        client, twipsRect(5520, 5640, 2115, 600), pictures.takewinFace, QStringLiteral("COLLECT"));
    takewin->hide();

    pannomoney = makeLabel(client, twipsRect(3000, 2500, 3600, 800), 16, QColor(Qt::yellow));
    pannomoney->setText(QStringLiteral("Not enough credit !"));
    pannomoney->setAlignment(Qt::AlignCenter);
    pannomoney->setAutoFillBackground(true);
    QPalette warn = pannomoney->palette();
    warn.setColor(QPalette::Window, QColor(0x9b, 0x10, 0x1c));
    pannomoney->setPalette(warn);
    pannomoney->setFrameStyle(QFrame::Box | QFrame::Raised);
    pannomoney->hide();

    pandouble = new DoublePanel(pictures, client);
    pandouble->setGeometry(twipsRect(2940, 60, 3840, 5655));
    pandouble->hide();
}

void Tarnix::buildMenus()
{
    QMenuBar *bar = menuBar();
    mnuabout = bar->addAction(QStringLiteral("&about"));
    mnuzerocredit = bar->addAction(QStringLiteral("&Zero Credit"));
    mnuptble = bar->addAction(QStringLiteral("&Paytable"));
    mnuplayer = bar->addAction(QStringLiteral("Options"));
    mnuquickcredit = bar->addAction(QStringLiteral("Quick Credit"));
    mnuexit = bar->addAction(QStringLiteral("&exit"));
    mnurecall = bar->addAction(QStringLiteral("&Recall"));
    mnuodds = bar->addAction(QStringLiteral("O&dds"));
    mnustatement = bar->addAction(QStringLiteral("S&tatement"));
}

void Tarnix::buildTimers()
{
    auto timer = [this](int ms, void (Tarnix::*tick)()) {
        auto *t = new QTimer(this);
        t->setInterval(services.pacing.interval(ms));
        connect(t, &QTimer::timeout, this, tick);
        return t;
    };
    Timer1 = timer(150, &Tarnix::Timer1_Timer);
    Timerscatters = timer(100, &Tarnix::Timerscatters_Timer);
    Timer4 = timer(100, &Tarnix::Timer4_Timer);
    timerwild = timer(100, &Tarnix::timerwild_Timer);
    Timerwincounter = timer(100, &Tarnix::Timerwincounter_Timer);
    Timerrespin = timer(4000, &Tarnix::Timerrespin_Timer);
}

void Tarnix::placeReel(int n, Money top)
{
    if (QLabel *strip = reel(n)) {
        strip->move(0, px(top));
    }
}

} // namespace slot
