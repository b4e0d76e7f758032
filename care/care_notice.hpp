// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The session reminder and the limit notices: what the session has been, and the way out.
#pragma once

#include "care/player_care.hpp"

#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;

namespace slot
{

// The notice's words, kept apart from the window so that they can be checked.
QString careNoticeText(CareVerdict why, const PlayerCare &care);

class tarnixcare : public QWidget
{
    Q_OBJECT
public:
    // A reminder offers "Keep playing" and "Leave"; a limit only "OK" and "Leave".
    tarnixcare(QWidget &mainWindow, CareVerdict why, const PlayerCare &care,
        std::function<void()> keepPlaying, std::function<void()> leave);

    QLabel *lblNotice = nullptr;
    QPushButton *btnKeepPlaying = nullptr;
    QPushButton *btnLeave = nullptr;
    const CareVerdict why;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget &mainWindow;
    std::function<void()> keep;
};

} // namespace slot
