// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// SIGTERM, SIGINT and SIGHUP turned into an ordinary event, so a quit from outside saves the
// player's record and restores the screen like the exit command.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace slot
{

class QuitSignals : public QObject
{
    Q_OBJECT
public:
    explicit QuitSignals(std::function<void()> onQuit);
    ~QuitSignals() override;

private:
    std::function<void()> onQuit;
    QSocketNotifier *notifier = nullptr;
};

} // namespace slot
