// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The options window. Every change acts at once on the current player; the record is stored
// when the window opens, on a name, on a delete and when the window closes.
#include "players/options_window.hpp"

#include "care/limits_window.hpp"
#include "display/cabinet_corner.hpp"
#include "display/pacing.hpp"
#include "display/twips.hpp"
#include "flow/services.hpp"
#include "flow/sound_out.hpp"
#include "flow/tarnix.hpp"
#include "players/player_record.hpp"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace slot
{

namespace
{
QString text(const std::string &s)
{
    return QString::fromStdString(s);
}

QString slotCaption(const std::string &name)
{
    return name.empty() ? QStringLiteral("Vacant") : text(name).toUpper();
}

QLabel *labelAt(QWidget *parent, const QString &caption, int left, int top, int width = 0)
{
    auto *l = new QLabel(caption, parent);
    l->move(px(left), px(top));
    if (width > 0) {
        l->resize(px(width), px(300));
    } else {
        l->adjustSize();
    }
    return l;
}

QRadioButton *optionAt(QWidget *parent, const QString &caption, QRect place)
{
    auto *b = new QRadioButton(caption, parent);
    b->setGeometry(place);
    return b;
}
} // namespace

frmtarnixoptions::frmtarnixoptions(Tarnix &mainWindow, PlayerState &p, Services &s)
    : QWidget(nullptr,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , tarnix(mainWindow)
    , player(p)
    , services(s)
{
    setObjectName(QStringLiteral("frmtarnixoptions"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("TarNix Options"));
    setFixedSize(px(8880), px(4950));
    // The window is laid out in twips for small captions; the cabinet's own font is larger.
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    buildControls();
    buildSideFrames();
    wireEvents();
}

void frmtarnixoptions::buildControls()
{
    Framemain = new QGroupBox(QStringLiteral("TarNix Options"), this);
    Framemain->setGeometry(rect());
    QWidget *f = Framemain;
    lblplayername = labelAt(f,
        QStringLiteral("Input Player Name                                        Then Enter"), 240,
        360);
    player1 = new QLineEdit(f);
    player1->setGeometry(twipsRect(1750, 240, 1455, 375));
    lblcurrentplayer = labelAt(f, QString(), 100, 720, 4400);
    lblcurrentplayer->setStyleSheet(QStringLiteral("color: red;"));
    auto *slotGroup = new QButtonGroup(this);
    for (int k = 1; k <= 6; ++k) {
        const int top = 1200 + 360 * (k - 1);
        machine.set(k, optionAt(f, QStringLiteral(" "), twipsRect(100, top, 1500, 300)));
        slotGroup->addButton(machine(k));
        stats[static_cast<std::size_t>(k - 1)] = labelAt(f, QString(), 2000, top, 2620);
    }
    lblgames = stats[0];
    lblwager = stats[1];
    lbltotalwon = stats[2];
    lblwinlose = stats[3];
    lblreturned = stats[4];
    lblinvested = stats[5];
    Btndeletedetails = new QPushButton(f);
    Btndeletedetails->setGeometry(twipsRect(120, 3600, 4335, 375));
    btnokplayer = new QPushButton(QStringLiteral("O.K. Close and save changes"), f);
    btnokplayer->setGeometry(twipsRect(5400, 3720, 2895, 375));
    btnlimits = new QPushButton(QStringLiteral("Reminders and limits"), f);
    btnlimits->setGeometry(twipsRect(5400, 4170, 2895, 375));
}

void frmtarnixoptions::buildSideFrames()
{
    Framecounter = new QGroupBox(QStringLiteral("Win Counter"), Framemain);
    Framecounter->setGeometry(twipsRect(4680, 240, 2040, 1560));
    for (int i = 1; i <= 2; ++i) {
        wincounter.set(
            i, optionAt(Framecounter, QString(), twipsRect(240, i == 1 ? 480 : 1080, 1700, 300)));
    }
    Framespeed = new QGroupBox(QStringLiteral("Reel Speed"), Framemain);
    Framespeed->setGeometry(twipsRect(4680, 1920, 4080, 1680));
    for (int i = 0; i <= 4; ++i) {
        setspeed[static_cast<std::size_t>(i)]
            = optionAt(Framespeed, QString::number(i + 1), twipsRect(360 + 760 * i, 360, 600, 300));
    }
    fastslow = labelAt(
        Framespeed, QStringLiteral("<<<Faster                              Slower>>>"), 360, 720);
    speedlab = labelAt(Framespeed, QString(), 360, 1140, 3000);
    Framescreen = new QGroupBox(QStringLiteral("Screen Size"), Framemain);
    Framescreen->setGeometry(twipsRect(6840, 240, 1980, 1560));
    SSOption1
        = optionAt(Framescreen, QStringLiteral("800 X 600 Small"), twipsRect(90, 300, 1860, 300));
    SSOption2
        = optionAt(Framescreen, QStringLiteral("640 X 480  Large"), twipsRect(90, 660, 1860, 300));
    screennote = labelAt(Framescreen,
        QStringLiteral("Note:- Some machines  may not support this function."), 120, 990);
    screennote->setWordWrap(true);
    screennote->setGeometry(twipsRect(90, 990, 1860, 520));
}

void frmtarnixoptions::wireEvents()
{
    // toggled(true) fires for the player's click and for a choice by program alike, and
    // never for a button that was already chosen.
    const auto onChosen = [this](QRadioButton *b, auto handler) {
        connect(b, &QRadioButton::toggled, this, [handler](bool on) {
            if (on) {
                handler();
            }
        });
    };
    for (int k = 1; k <= 6; ++k) {
        onChosen(machine(k), [this, k] { machine_Click(k); });
    }
    for (int i = 1; i <= 2; ++i) {
        onChosen(wincounter(i), [this, i] { wincounter_Click(i); });
    }
    for (int i = 0; i <= 4; ++i) {
        onChosen(setspeed[static_cast<std::size_t>(i)], [this, i] { setspeed_Click(i); });
    }
    onChosen(SSOption1, [this] { SSOption1_Click(); });
    onChosen(SSOption2, [this] { SSOption2_Click(); });
    connect(
        Btndeletedetails, &QPushButton::clicked, this, &frmtarnixoptions::Btndeletedetails_Click);
    connect(btnokplayer, &QPushButton::clicked, this, &frmtarnixoptions::btnokplayer_Click);
    connect(btnlimits, &QPushButton::clicked, this, &frmtarnixoptions::btnlimits_Click);
    player1->installEventFilter(this);
}

QString frmtarnixoptions::shownName() const
{
    return text(player.currentplayer).toUpper();
}

void frmtarnixoptions::showCurrentPlayer(const char *title)
{
    lblcurrentplayer->setText(QLatin1String(title) + shownName());
}

void frmtarnixoptions::setDeleteCaption()
{
    Btndeletedetails->setText(text(deleteCaption(player.currentplayer)));
}

void frmtarnixoptions::showStats(const StatsCaptions &captions)
{
    for (std::size_t i = 0; i < stats.size(); ++i) {
        if (captions[i]) {
            stats[i]->setText(text(*captions[i]));
        }
    }
}

void frmtarnixoptions::chooseWincounter()
{
    if (player.winroll == 1) {
        wincounter(1)->setText(QStringLiteral("Wincounter ON "));
        wincounter(1)->setChecked(true);
    } else {
        wincounter(2)->setText(QStringLiteral("Wincounter OFF"));
        wincounter(2)->setChecked(true);
    }
}

void frmtarnixoptions::chooseSpeed()
{
    if (const auto i = buttonOfSpeed(player.reelspeed)) {
        setspeed[static_cast<std::size_t>(*i)]->setChecked(true);
    }
}

void frmtarnixoptions::Form_Load()
{
    show();
    openAtCabinetCorner(*this, tarnix);
    services.sound.play(124);
    services.saveRecord(player);
    setDeleteCaption();
    for (int k = 1; k <= 6; ++k) {
        player.currentplayer = services.readName(k);
        machine(k)->setText(slotCaption(player.currentplayer));
    }
    if (const auto k = slotOf(player.playerslot)) {
        machine(*k)->setChecked(true);
    }
    chooseWincounter();
    chooseSpeed();
    showCurrentPlayer(kCurrentPlayerAtOpen);
    showStats(
        player.games == 0 ? statsWithoutNumbers(StatsMoment::AtLoad) : statsWithNumbers(player));
}

void frmtarnixoptions::machine_Click(int Index)
{
    if (!machine(Index)) {
        return;
    }
    // The slot being left is not saved: its record stays as stored at the window's opening
    // or at its last name or delete.
    player.playerslot = std::to_string(Index);
    services.loadRecordResetting(Index, player);
    player1->setFocus();
    services.pacing.processEvents();
    showCurrentPlayer(kCurrentPlayerAtChoice);
    tarnix.refreshCredit();
    tarnix.setWindowTitle(QLatin1String(kMainCaption) + shownName());
    machine(Index)->setText(slotCaption(player.currentplayer));
    setDeleteCaption();
    if (player.games == 0) {
        showCurrentPlayer(kCurrentPlayerAtOpen);
        showStats(statsWithoutNumbers(StatsMoment::AtSlotChoice));
    } else {
        showStats(statsWithNumbers(player));
    }
    chooseWincounter();
    chooseSpeed();
}

bool frmtarnixoptions::player1_KeyPress(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter) {
        setDeleteCaption();
        return false;
    }
    const std::string typed = player1->text().toStdString();
    const NameCheck check = checkName(typed);
    if (check != NameCheck::Accepted) {
        services.information("Slots_Tarnix",
            check == NameCheck::NothingEntered ? "Nothing Entered" : "Name Too Long");
        player1->clear();
        showCurrentPlayer(kCurrentPlayerAtEntry);
        return true;
    }
    player.currentplayer = typed;
    player1->clear();
    showCurrentPlayer(kCurrentPlayerAtEntry);
    tarnix.refreshCredit();
    tarnix.setWindowTitle(QLatin1String(kMainCaption) + shownName());
    if (const auto k = slotOf(player.playerslot)) {
        machine(*k)->setText(slotCaption(player.currentplayer));
    }
    services.saveRecord(player);
    setDeleteCaption();
    return true;
}

bool frmtarnixoptions::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == player1 && event->type() == QEvent::KeyPress) {
        return player1_KeyPress(static_cast<QKeyEvent *>(event)->key());
    }
    return QWidget::eventFilter(watched, event);
}

void frmtarnixoptions::btnlimits_Click()
{
    // The limits belong to the slot the record now shows.
    tarnix.careFollowSlot();
    (new tarnixlimits(this, *services.care))->show();
}

void frmtarnixoptions::Btndeletedetails_Click()
{
    deleteDetails(player);
    services.saveRecord(player);
    if (const auto k = slotOf(player.playerslot)) {
        services.recall->clearSlot(*k);
        services.journal->forget(*k);
        services.care->forget(*k);
    }
    showCurrentPlayer(kCurrentPlayerAtChoice);
    StatsCaptions captions = statsWithNumbers(player);
    captions[4] = statsTitles(StatsMoment::WithNumbers)[4];
    showStats(captions);
    // Blank rather than 0 until the next refresh, so the wipe is plain to see.
    tarnix.Lblcredit->clear();
    tarnix.PANELBANK->clear();
}

void frmtarnixoptions::setspeed_Click(int Index)
{
    if (const auto speed = speedOfButton(Index)) {
        player.reelspeed = *speed;
        speedlab->setText(text(speedCaption(Index)));
    }
}

void frmtarnixoptions::wincounter_Click(int Index)
{
    const bool on = Index == 1;
    player.winroll = on ? 1 : 0;
    wincounter(1)->setText(on ? QStringLiteral("Wincounter ON") : QString());
    wincounter(2)->setText(on ? QString() : QStringLiteral("Wincounter OFF"));
}

void frmtarnixoptions::screenSize(int width, int height)
{
    if (!services.fixedScreenNote.empty()) {
        screennote->setText(text(services.fixedScreenNote));
        return;
    }
    services.changeRes(width, height);
    // 9765 x 7365 twips is the cabinet's outer size, borders and menu bar included: its own
    // fixed size, which a display that refused the mode must not change either.
    tarnix.setFixedSize(tarnix.sizeHint());
    tarnix.move(0, 0);
}

void frmtarnixoptions::SSOption1_Click()
{
    screenSize(800, 600);
}

void frmtarnixoptions::SSOption2_Click()
{
    screenSize(640, 480);
}

void frmtarnixoptions::restoreMainWindow()
{
    tarnix.setEnabled(true);
    tarnix.show();
    tarnix.flasher.each([](QLabel *cell) { cell->hide(); });
    if (player.reelspeed == 0) {
        player.reelspeed = 1;
    }
}

void frmtarnixoptions::btnokplayer_Click()
{
    services.sound.play(124);
    services.saveRecord(player);
    player1->clear();
    restoreMainWindow();
    close();
}

void frmtarnixoptions::closeEvent(QCloseEvent *event)
{
    services.sound.play(124);
    restoreMainWindow();
    tarnix.doublebutton->setEnabled(false);
    services.saveRecord(player);
    player1->clear();
    restoreMainWindow();
    event->accept();
}

} // namespace slot
