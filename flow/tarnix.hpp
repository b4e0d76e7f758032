// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The cabinet: owns the controls and timers; money and outcomes are decided in slotcore.
#pragma once

#include "display/image_list.hpp"
#include "display/one_based.hpp"
#include "display/picture_button.hpp"
#include "flow/cabinet_pictures.hpp"
#include "flow/game_state.hpp"
#include "flow/services.hpp"
#include "presentation/win_display.hpp"
#include "rules/game_result.hpp"

#include <QHash>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

class QAction;

namespace slot
{

class DoublePanel;
class abouttarnix;
class frmtarnixoptions;
class tarnixpays;
class tarnixrecall;
class tarnixodds;
class tarnixcare;
class tarnixstatement;
enum class GambleBet;
class LineLayer;
class LineSegment;

class Tarnix : public QMainWindow
{
    Q_OBJECT
public:
    Tarnix(PlayerState &player, Services &services, QWidget *parent = nullptr);
    ~Tarnix() override;

    // Start-up; false when the screen is refused and the program must end.
    bool Form_Load();

    // Play, reels and result.
    void play_Click(int Index);
    void spinreel1();
    void spinreel2();
    void spinreel3();
    void spinreel4();
    void spinreel5();
    void checkwins();

    // Lines and coins.
    void payline_Click(int Index);
    void COINSIN_Click();
    void applyTabRule();
    void mnuquickcredit_Click();
    void mnuzerocredit_Click();
    // The key handler; returns true when the key must not reach the focused control.
    bool Form_KeyPress(int key, const QString &text);

    // Collect and the feature's next game.
    void takewin_Click();

    // The gamble: double up a win on a card's colour or suit.
    void doublebutton_Click();
    void cancelbet_Click();
    void betred_Click();
    void betblack_Click();
    void suitbet_Click(int Index);

    // Menu commands and the end of the program.
    void mnuabout_Click();
    void mnuptble_Click();
    void mnuplayer_Click();
    void mnurecall_Click();
    // Player information: the exact odds of the lines and bet now chosen.
    void mnuodds_Click();
    // The activity statement of the slot in play.
    void mnustatement_Click();
    void mnuexit_Click();
    // The desktop session asks for our data: store the record if nothing is half settled.
    void sessionSaving();
    // The event loop is ending (the session is over): leave as the exit command does.
    void sessionEnding();

    // Timer ticks: the win presentations, the win counter and the next free game.
    void Timer1_Timer();
    void Timerscatters_Timer();
    void Timer4_Timer();
    void timerwild_Timer();
    void Timerwincounter_Timer();
    void Timerrespin_Timer();

    void refreshCredit();
    void showWin(Money amount);
    bool gameRunning() const { return playDepth > 0; }
    bool drawRunning() const;
    bool hasEnded() const { return ended; }
    // The care follows the slot the record shows; a new slot starts a new session.
    void careFollowSlot();

    // The auxiliary windows while they are open.
    QPointer<abouttarnix> aboutWindow;
    QPointer<tarnixpays> paysWindow;
    QPointer<frmtarnixoptions> optionsWindow;
    QPointer<tarnixrecall> recallWindow;
    QPointer<tarnixodds> oddsWindow;
    QPointer<tarnixcare> careWindow; // a session reminder or a limit notice
    QPointer<tarnixstatement> statementWindow;
    bool keyPreview() const { return KeyPreview; }

    MainState state;
    PlayerState &player;

    // Controls, named as the game names them.
    QLabel *PANELBANK = nullptr, *Lblcredit = nullptr, *LABWIN = nullptr, *lblwin = nullptr;
    QLabel *LABLASTBET = nullptr, *lbllast = nullptr, *LABTHISWIN = nullptr,
           *Lblcurrentwin = nullptr;
    QLabel *spinsleft = nullptr, *pannomoney = nullptr;
    OneBased<QWidget, 5> Picture;
    OneBased<QLabel, 5> reel;
    OneBased<QLabel, 15> flasher;
    OneBased<QLabel, 26> lin;
    LineLayer *lines = nullptr;
    OneBased<LineSegment, 6> Lineflash;
    DoublePanel *pandouble = nullptr;
    OneBased<PictureButton, 5> payline;
    OneBased<PictureButton, 6> play;
    PictureButton *COINSIN = nullptr, *doublebutton = nullptr, *takewin = nullptr;
    QTimer *Timer1 = nullptr, *Timerscatters = nullptr, *Timer4 = nullptr, *timerwild = nullptr,
           *Timerwincounter = nullptr, *Timerrespin = nullptr;
    QAction *mnuabout = nullptr, *mnuzerocredit = nullptr, *mnuptble = nullptr,
            *mnuplayer = nullptr, *mnuquickcredit = nullptr, *mnuexit = nullptr,
            *mnurecall = nullptr, *mnuodds = nullptr, *mnustatement = nullptr;
    CabinetPictures pictures;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    void buildTimers();
    void wireEvents();
    void placeReel(int n, Money top);
    void animateReels();
    void presentResult();
    void presentTrigger(const ResultPlan &plan);
    void presentSettlement(Settlement settlement);
    void endProgram();
    void endIfPending();
    // Stores the record unless a game, a draw or the gamble has it half settled; money put in
    // or given up is stored at once, so a crash never takes it back.
    void storeSettled();
    bool menuBlocked() const;
    // The limit box of Quick Credit, with its own second and third lines.
    void showLimit(const char *why, const char *hint);
    // Reminders and limits, judged where a game has settled outside the feature.
    bool careRefuses();
    void careAtGameEnd(bool featureEnded = false);
    void showCareNotice(CareVerdict why);
    void keepAbove(QWidget *window);
    void showAnimation(const AnimationTick &t, bool makeVisible);
    QPixmap animationFrame(int frame, int overlay, bool scatter);
    void gambleDraw(GambleBet bet);
    void gambleWon(GambleBet bet);
    void gambleLost(GambleBet bet);
    void giveBackTheCabinet(); // the end of a gamble, won or lost: buttons, keys, record
    void showGamblePanel();
    void revealCard(GambleBet bet, int card);

    // The crash journal's hooks (journal_window.cpp).
    void showStandingResult(); // a result that stood: reels, money, presentation
    void journalCommit(JournalPhase phase, bool offered = false, bool table = true);
    void journalAfterGame(); // a settled game: the feature's next step, or the record
    void journalSettle(bool offered, bool table = true);
    void journalClose(); // before the record changes at rest
    void tellIfUnjournalled();
    bool saveRecordChecked(const PlayerState &p);
    void resumeJournal();
    void resumeGame(const JournalEntry &entry);
    void showFeatureScreen();
    Services &services;
    bool KeyPreview = true;
    int playDepth = 0; // a game is running (the payback check nests games)
    bool exitPending = false;
    bool ended = false;
    bool awardRefused = false; // a retrigger was refused in this feature: told at the collect
    bool journalFailureTold = false;
    QHash<int, QPixmap> composites; // wild frames with a multiplier drawn over them
};

} // namespace slot
