// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The activity statement window: the slot's last 90 days as a table and a chart, and its CSV.
#pragma once

#include "care/activity_ledger.hpp"

#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;

namespace slot
{

inline constexpr int kStatementDays = 90;

class tarnixstatement : public QWidget
{
    Q_OBJECT
public:
    // mainWindow is disabled while this window is open; it is enabled again on any close.
    tarnixstatement(
        QWidget &mainWindow, const ActivityLedger &ledger, const std::string &today, int slot);

    void btnExport_Click();
    // Writes every day the slot has kept; false (and said in lblExport) when it failed.
    bool exportTo(const QString &path);

    QTableWidget *days = nullptr;
    QLabel *lblTotals = nullptr;
    QLabel *lblExport = nullptr;
    QPushButton *btnExport = nullptr;
    QPushButton *btnClose = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget &mainWindow;
    ActivityLedger ledger;
    int slot;
};

} // namespace slot
