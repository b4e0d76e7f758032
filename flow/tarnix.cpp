// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The cabinet's start-up, its end, and the commands that need no game.
#include "flow/tarnix.hpp"

#include "display/controls.hpp"
#include "display/pacing.hpp"
#include "flow/money_display.hpp"
#include "flow/sound_out.hpp"
#include "gamble/double_panel.hpp"
#include "rules/reel_motion.hpp"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLocale>

namespace slot
{

namespace
{

} // namespace

Tarnix::Tarnix(PlayerState &playerState, Services &s, QWidget *parent)
    : QMainWindow(parent)
    , player(playerState)
    , services(s)
{
    setObjectName(QStringLiteral("tarnix"));
    setWindowTitle(QStringLiteral("slots_TarNix"));
    pictures = loadCabinetPictures();
    buildControls();
    buildMenus();
    buildTimers();
    wireEvents();
    setFixedSize(sizeHint());
}

void Tarnix::wireEvents()
{
    for (int i = 1; i <= 6; ++i) {
        connect(play(i), &QAbstractButton::clicked, this, [this, i] { play_Click(i); });
    }
    for (int i = 1; i <= 5; ++i) {
        connect(payline(i), &QAbstractButton::clicked, this, [this, i] { payline_Click(i); });
    }
    connect(COINSIN, &QAbstractButton::clicked, this, &Tarnix::COINSIN_Click);
    connect(takewin, &QAbstractButton::clicked, this, &Tarnix::takewin_Click);
    connect(doublebutton, &QAbstractButton::clicked, this, &Tarnix::doublebutton_Click);
    connect(pandouble->cancelbet, &QAbstractButton::clicked, this, &Tarnix::cancelbet_Click);
    connect(pandouble->betred, &QAbstractButton::clicked, this, &Tarnix::betred_Click);
    connect(pandouble->betblack, &QAbstractButton::clicked, this, &Tarnix::betblack_Click);
    for (int i = 1; i <= 4; ++i) {
        connect(pandouble->suitbet(i), &QAbstractButton::clicked, this,
            [this, i] { suitbet_Click(i); });
    }
    connect(mnuquickcredit, &QAction::triggered, this, &Tarnix::mnuquickcredit_Click);
    connect(mnuzerocredit, &QAction::triggered, this, &Tarnix::mnuzerocredit_Click);
    connect(mnuabout, &QAction::triggered, this, &Tarnix::mnuabout_Click);
    connect(mnuptble, &QAction::triggered, this, &Tarnix::mnuptble_Click);
    connect(mnuplayer, &QAction::triggered, this, &Tarnix::mnuplayer_Click);
    connect(mnuexit, &QAction::triggered, this, &Tarnix::mnuexit_Click);
    connect(mnurecall, &QAction::triggered, this, &Tarnix::mnurecall_Click);
    connect(mnuodds, &QAction::triggered, this, &Tarnix::mnuodds_Click);
    connect(mnustatement, &QAction::triggered, this, &Tarnix::mnustatement_Click);
    qApp->installEventFilter(this);
}

bool Tarnix::Form_Load()
{
    if (!services.isScreenFontSmall()) {
        services.showLargeFontsMessage();
        ended = true;
        return false;
    }
    // A screen the cabinet is drawn to fit (any --scale, or a factor above 1) keeps its mode
    // at load as in the options window: 800 x 600 there would cut the larger cabinet off.
    if (services.fixedScreenNote.empty()) {
        services.changeRes(800, 600);
    }
    move(0, 0);
    show();
    services.loadSounds();
    player.playerslot = "1";
    services.loadRecord(1, player);
    setWindowTitle(
        QStringLiteral("Current Player       ") + QString::fromStdString(player.currentplayer));
    refreshCredit();
    while (QApplication::overrideCursor()) {
        QApplication::restoreOverrideCursor();
    }
    state.linesplayed = 25;
    applyTabRule();
    normaliseReelspeed(player.reelspeed);
    services.sound.play(101);
    move(0, 0);
    if (auto *first = play(1)) {
        first->setFocus();
    }
    careFollowSlot(); // the session's time starts here
    // Only after a crash is there anything to resume; a normal start is unchanged.
    resumeJournal();
    return true;
}

void Tarnix::refreshCredit()
{
    PANELBANK->setText(plainText(player.bank));
    Lblcredit->setText(moneyText(player.bank));
    PANELBANK->repaint();
    Lblcredit->repaint();
}

void Tarnix::showWin(Money amount)
{
    LABWIN->setText(plainText(amount));
    lblwin->setText(moneyText(amount));
    LABWIN->repaint();
    lblwin->repaint();
}

void Tarnix::applyTabRule()
{
    for (state.blink = 1; state.blink <= 25; ++state.blink) {
        if (QLabel *tab = lin(state.blink)) {
            tab->setPixmap(pictures.linepics.picture(state.blink));
        }
    }
    for (int k = state.linesplayed + 1; k <= 25; ++k) {
        if (QLabel *tab = lin(k)) {
            tab->setPixmap(pictures.linepics.picture(25 + k));
        }
    }
    lin(26)->setPixmap(pictures.linepics.picture(1));
}

void Tarnix::closeEvent(QCloseEvent *event)
{
    if (ended) {
        event->accept();
        return;
    }
    event->ignore();
    mnuexit_Click();
}

bool Tarnix::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || ended) {
        return QMainWindow::eventFilter(watched, event);
    }
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != this) {
        return QMainWindow::eventFilter(watched, event);
    }
    // Keys typed while a game runs would start another game inside it; keys typed at the
    // gamble are meant for nothing there and must not reach its buttons or a later game.
    if (gameRunning() || !pandouble->isHidden()) {
        return true;
    }
    if (KeyPreview) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (Form_KeyPress(key->key(), key->text())) {
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace slot
