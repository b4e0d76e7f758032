// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The font check: the cabinet's fixed layout needs a screen of 96 logical DPI.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

class QScreen;
class QWidget;

namespace slot {

// The horizontal logical DPI as last read by IsScreenFontSmall; 0 until then.
inline std::int32_t screendpi = 0;

// Reads the screen's horizontal logical DPI into `screendpi`; true when it is 96.
// nullptr means the primary screen.
bool IsScreenFontSmall(const QScreen *screen = nullptr);

QString largeFontsTitle();
QStringList largeFontsLines();
// The warning's text: every line followed by a line break, as the message has always read.
QString largeFontsText();

// Shows the warning and returns when the player has closed it.
void showLargeFontsWarning(QWidget *parent = nullptr);

// The check the cabinet makes before anything else: on a screen of any other DPI it shows the
// warning and returns false, and the caller ends the program with the display untouched.
bool fontCheckPasses(QWidget *parent = nullptr);

} // namespace slot
