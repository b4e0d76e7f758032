// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The pay-table window: one picture of every pay, and a button to put it away.
#pragma once

#include <QPixmap>
#include <QWidget>

class QPushButton;

namespace slot
{

class tarnixpays : public QWidget
{
    Q_OBJECT
public:
    // mainWindow is disabled while this window is open; it is enabled again on any close.
    explicit tarnixpays(QWidget &mainWindow);

    void btnunloadpays_Click();
    void CenterForm(QWidget *form);

    QPushButton *btnunloadpays = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget &mainWindow;
    QPixmap picture;
};

} // namespace slot
