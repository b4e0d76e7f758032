// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The options window: six player slots, the name entry, statistics, delete details, reel
// speed, win counter and screen size. It works on the current player's record directly.
#pragma once

#include "display/one_based.hpp"
#include "flow/game_state.hpp"
#include "players/options_rules.hpp"

#include <QWidget>
#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace slot
{

struct Services;
class Tarnix;

class frmtarnixoptions : public QWidget
{
    Q_OBJECT
public:
    frmtarnixoptions(Tarnix &tarnix, PlayerState &player, Services &services);

    void Form_Load();
    void machine_Click(int Index);
    // Returns true when the key is consumed and must not reach the box.
    bool player1_KeyPress(int key);
    void Btndeletedetails_Click();
    void btnlimits_Click(); // reminders and limits of the slot shown
    void setspeed_Click(int Index);
    void wincounter_Click(int Index);
    void SSOption1_Click();
    void SSOption2_Click();
    void btnokplayer_Click();

    QGroupBox *Framemain = nullptr, *Framecounter = nullptr, *Framespeed = nullptr,
              *Framescreen = nullptr;
    QLabel *lblplayername = nullptr, *lblcurrentplayer = nullptr;
    QLineEdit *player1 = nullptr;
    OneBased<QRadioButton, 6> machine;
    QLabel *lblgames = nullptr, *lblwager = nullptr, *lbltotalwon = nullptr, *lblwinlose = nullptr,
           *lblreturned = nullptr, *lblinvested = nullptr;
    QPushButton *Btndeletedetails = nullptr, *btnokplayer = nullptr;
    QPushButton *btnlimits = nullptr;
    OneBased<QRadioButton, 2> wincounter;
    std::array<QRadioButton *, 5> setspeed {}; // counted from 0, as the speeds are
    QLabel *fastslow = nullptr, *speedlab = nullptr, *screennote = nullptr;
    QRadioButton *SSOption1 = nullptr, *SSOption2 = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildSideFrames();
    void wireEvents();
    void showStats(const StatsCaptions &captions);
    void showCurrentPlayer(const char *title);
    void setDeleteCaption();
    void chooseWincounter();
    void chooseSpeed();
    void screenSize(int width, int height);
    void restoreMainWindow();
    QString shownName() const;

    Tarnix &tarnix;
    PlayerState &player;
    Services &services;
    std::array<QLabel *, kStatsLabels> stats {};
};

} // namespace slot
