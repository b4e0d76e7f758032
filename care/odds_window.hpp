// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The player information window: the exact odds of the lines and bet now chosen.
#pragma once

#include "care/odds_figures.hpp"

#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;

namespace slot
{

class tarnixodds : public QWidget
{
    Q_OBJECT
public:
    // mainWindow is disabled while this window is open; it is enabled again on any close.
    tarnixodds(QWidget &mainWindow, int lines, int bet);

    QLabel *lblSetting = nullptr;
    QLabel *lblChances = nullptr;
    QLabel *lblSession = nullptr;
    QLabel *lblShape = nullptr;
    QTableWidget *prizeTable = nullptr;
    QPushButton *btnClose = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget &mainWindow;
};

} // namespace slot
