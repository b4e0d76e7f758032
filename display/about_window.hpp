// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The about window: the game's title and description, and a link to the project's page.
#pragma once

#include <QWidget>
#include <functional>
#include <string>

class QLabel;
class QPushButton;

namespace slot
{

class abouttarnix : public QWidget
{
    Q_OBJECT
public:
    using OpenUrl = std::function<void(const std::string &)>;
    // mainWindow is disabled while this window is open; it is enabled again on any close.
    abouttarnix(QWidget &mainWindow, OpenUrl openUrl, std::string page);

    void Form_Load();
    void cmdOK_Click();
    void Label3_MouseDown(Qt::MouseButton Button);
    void centreform(QWidget *form);

    QLabel *picIcon = nullptr, *lblTitle = nullptr, *lblDescription = nullptr, *Label2 = nullptr,
           *Label3 = nullptr;
    QPushButton *cmdOK = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();

    QWidget &mainWindow;
    OpenUrl openUrl;
    std::string page;
};

} // namespace slot
