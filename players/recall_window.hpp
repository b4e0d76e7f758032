// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Recall window: the last ten games of the current player slot, drawn with the game's own
// pictures, and this run's session meters with a chart of the credit.
#pragma once

#include "players/game_recall.hpp"

#include <QPixmap>
#include <QWidget>
#include <array>
#include <vector>

class QFontMetrics;
class QPushButton;
class QScrollArea;

namespace slot
{

// One recalled game: its figures, its reel window with the winning lines, the free games and
// the gamble's cards.
class RecallEntryView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kCell = 44; // a symbol in the small reel window
    static constexpr int kFreeCell = 14; // a symbol in a free game's window

    explicit RecallEntryView(QWidget *parent = nullptr);
    void setEntry(const RecallEntry *entry, int number, int of);
    QSize sizeHint() const override;

    // Where a cell of the main reel window is drawn, for reels 1..5 and rows 1..3.
    static QRect cellRect(int reel, int row);
    // The picture a cell of the given size shows for a symbol.
    static QPixmap cellPicture(Sym s, int size);
    // The free games a trigger (paidGame) or a retrigger brought.
    static QString awardCaption(const RecallGame &g, bool paidGame);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int contentHeight() const;
    const RecallEntry *entry = nullptr;
    int number = 0, of = 0;
};

// Where the credit chart puts its plot and its labels: the margins grow with the widest label,
// so a credit of ten digits is shown whole.
struct ChartLabel {
    QRect rect;
    QString text;
    Qt::Alignment align;
};
struct ChartLayout {
    QRect plot;
    long long lo = 0, hi = 0, step = 1; // the axis, in credits
    std::vector<ChartLabel> labels; // credits on the left, dollars on the right, games below
};

// The session meters and the credit chart.
class RecallSessionView : public QWidget
{
    Q_OBJECT
public:
    RecallSessionView(GameRecall &recall, int slot, QWidget *parent = nullptr);

    // credit is not empty: the credit before the first game, then after each.
    static ChartLayout chartLayout(
        QRect area, const QFontMetrics &metrics, const std::vector<Money> &credit);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintChart(QPainter &p, QRect area, const std::vector<Money> &credit);
    GameRecall &recall;
    int slot;
};

class tarnixrecall : public QWidget
{
    Q_OBJECT
public:
    // mainWindow is disabled while this window is open; it is enabled again on any close.
    tarnixrecall(QWidget &mainWindow, GameRecall &recall, int slot);

    void btnolder_Click();
    void btnnewer_Click();
    void btnunloadrecall_Click();
    void CenterForm(QWidget *form);
    int page() const { return shown; } // 0 is the newest game

    QPushButton *btnolder = nullptr, *btnnewer = nullptr, *btnunloadrecall = nullptr;
    RecallEntryView *entryView = nullptr;
    RecallSessionView *sessionView = nullptr;
    QScrollArea *entryArea = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showPage(int page);

    QWidget &mainWindow;
    GameRecall &recall;
    int slot;
    int shown = 0;
};

} // namespace slot
