// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reminders and limits of the current slot, opened from Options.
#pragma once

#include "care/player_care.hpp"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace slot
{

class tarnixlimits : public QDialog
{
    Q_OBJECT
public:
    tarnixlimits(QWidget *parent, PlayerCare &care);

    // Hands the choices to the care; a raise is noted as waiting its day.
    void btnSave_Click();

    QComboBox *cboReminder = nullptr;
    QSpinBox *spnLoss = nullptr;
    QComboBox *cboTime = nullptr;
    QLabel *lblPending = nullptr;
    QPushButton *btnSave = nullptr;
    QPushButton *btnCancel = nullptr;

private:
    void showPending();
    PlayerCare &care;
};

inline constexpr int kTimeLimitChoices[] = { 0, 15, 30, 60, 90, 120, 180, 240 }; // minutes

} // namespace slot
