// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs the game's screen services step by step for the display scripts.
// Usage: tarnix-screen-drive [fontcheck | change W H | restore | wait]...
//   fontcheck  the cabinet's first step; exits with 3 when the check ends the program
//   wait       prints "waiting" and blocks until a line arrives on standard input
#include "display/font_check.hpp"
#include "display/screen_mode.hpp"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <iostream>
#include <string>

namespace {

void say(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// Reports the warning once it is on screen; the script reads it and presses Return on it.
void reportBoxWhenShown()
{
    QTimer::singleShot(200, [] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            reportBoxWhenShown();
            return;
        }
        say(QStringLiteral("box title [%1]").arg(box->windowTitle()));
        for (const QString &line : box->text().split(QLatin1Char('\n'))) {
            say(QStringLiteral("box line [%1]").arg(line));
        }
        say(QStringLiteral("box icon %1 buttons %2")
                .arg(box->icon() == QMessageBox::Information ? "information" : "other")
                .arg(box->buttons().size()));
        say(QStringLiteral("box shown"));
    });
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    say(QStringLiteral("platform %1").arg(QGuiApplication::platformName()));
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("fontcheck")) {
            reportBoxWhenShown();
            if (!slot::fontCheckPasses()) {
                say(QStringLiteral("screendpi %1, ended by the font check").arg(slot::screendpi));
                return 3;
            }
            say(QStringLiteral("screendpi %1").arg(slot::screendpi));
        } else if (args[i] == QLatin1String("change") && i + 2 < args.size()) {
            slot::MODchangeRes::ChangeRes(args[i + 1].toFloat(), args[i + 2].toFloat());
            i += 2;
            say(QStringLiteral("changed"));
        } else if (args[i] == QLatin1String("restore")) {
            slot::MODchangeRes::RestoreRes();
            say(QStringLiteral("restored"));
        } else if (args[i] == QLatin1String("wait")) {
            say(QStringLiteral("waiting"));
            std::string line;
            std::getline(std::cin, line);
        } else {
            say(QStringLiteral("unknown step %1").arg(args[i]));
            return 2;
        }
    }
    say(QStringLiteral("done"));
    return 0;
}
