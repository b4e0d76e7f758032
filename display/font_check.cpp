// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The font check and its warning.
#include "display/font_check.hpp"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

namespace slot {

bool IsScreenFontSmall(const QScreen *screen)
{
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen) {
        screendpi = static_cast<std::int32_t>(qRound(screen->logicalDotsPerInchX()));
    }
    return screendpi == 96;
}

QString largeFontsTitle()
{
    return QStringLiteral("               LARGE FONTS BEING USED !!!");
}

QStringList largeFontsLines()
{
    return {
        QStringLiteral("You are still using Large Fonts!!,This Game Will Not Run Correctly."),
        QStringLiteral("There is no facility in this software to change them."),
        QStringLiteral("To Change Manually :-"),
        QStringLiteral("Right Click On DeskTop"),
        QStringLiteral("Select Properties"),
        QStringLiteral("Select Settings"),
        QStringLiteral("Click Advanced Button"),
        QStringLiteral("Select SMALL Fonts (or 96 DPI)"),
        QStringLiteral("A Re-Boot Is Then Required"),
        QString(),
        QStringLiteral("To Change Back After Do The Reverse :-"),
    };
}

QString largeFontsText()
{
    // The message was written with a carriage return after each line; Qt breaks lines on '\n'.
    QString text;
    for (const QString &line : largeFontsLines()) {
        text += line + QLatin1Char('\n');
    }
    return text;
}

void showLargeFontsWarning(QWidget *parent)
{
    QMessageBox box(QMessageBox::Information, largeFontsTitle(), largeFontsText(), QMessageBox::Ok,
                    parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool fontCheckPasses(QWidget *parent)
{
    if (IsScreenFontSmall()) {
        return true;
    }
    showLargeFontsWarning(parent);
    return false;
}

} // namespace slot
