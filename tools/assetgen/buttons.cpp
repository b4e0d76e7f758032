// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Button faces of the cabinet, the payline number tabs and the last-bet and this-win titles.
#include "assets/asset_paths.hpp"
#include "pictures.hpp"

namespace slot::art
{

namespace
{

// Each tab wears the colour its payline is drawn in, so a player can follow a line to its
// number; lines 21 to 25 are never drawn and take colours of their own.
const QColor kLineColours[26] = {
    {},
    QColor(0x00, 0xFF, 0xFF),
    QColor(0x00, 0xFF, 0x00),
    QColor(0xFF, 0xC0, 0xC0),
    QColor(0xC0, 0x00, 0xC0),
    QColor(0x00, 0x00, 0xFF),
    QColor(0xC0, 0x40, 0x00),
    QColor(0xFF, 0x00, 0x00),
    QColor(0xC0, 0xC0, 0xFF),
    QColor(0x00, 0x00, 0xC0),
    QColor(0xFF, 0xE0, 0xC0),
    QColor(0xFF, 0x00, 0xFF),
    QColor(0x00, 0x80, 0x80),
    QColor(0xC0, 0xC0, 0x00),
    QColor(0xFF, 0xC0, 0xFF),
    QColor(0x80, 0x40, 0x40),
    QColor(0x80, 0x00, 0x00),
    QColor(0x00, 0xC0, 0xC0),
    QColor(0xFF, 0x80, 0x00),
    QColor(0xFF, 0xFF, 0x00),
    QColor(0xC0, 0x00, 0xC0),
    QColor(0x80, 0xFF, 0x80),
    QColor(0xFF, 0x80, 0xC0),
    QColor(0x80, 0xC0, 0xFF),
    QColor(0xFF, 0xD7, 0x00),
    QColor(0xA0, 0xA0, 0xFF),
};

QImage lineTab(int line, bool played)
{
    QImage img = canvas(30, 20);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor base = played ? kLineColours[line] : QColor(128, 128, 132);
    QLinearGradient g(0, 0, 0, 20);
    g.setColorAt(0.0, base.lighter(140));
    g.setColorAt(0.5, base);
    g.setColorAt(1.0, base.darker(150));
    p.setBrush(g);
    p.setPen(QPen(played ? QColor(250, 214, 100) : QColor(70, 70, 74), 1.2));
    p.drawRoundedRect(QRectF(0.6, 0.6, 28.8, 18.8), 5, 5);
    // Dark digits on light colours and light digits on dark ones keep every number legible.
    const bool lightGround = base.lightnessF() > 0.55 || base.greenF() > 0.7;
    const QColor ink = !played ? QColor(214, 214, 218)
        : lightGround          ? QColor(10, 10, 30)
                               : QColor(255, 255, 240);
    const QColor halo = ink.lightnessF() > 0.5 ? QColor(0, 0, 0, 200) : QColor(255, 255, 255, 150);
    QFont f = cabinetFont(15);
    const QPainterPath path = textPath(QString::number(line), f, QRectF(0, 0, 30, 20));
    p.setPen(QPen(halo, 2.2));
    p.drawPath(path);
    p.fillPath(path, ink);
    return img;
}

QImage title(const QString &text)
{
    QImage img = canvas(110, 22);
    QPainter p(&img);
    glossyText(p, text, cabinetFont(19), QRectF(0, 0, 110, 22), QColor(255, 204, 40),
        QColor(70, 20, 0), 2.5);
    return img;
}

} // namespace

void addButtonsAndTabs(Pictures &out)
{
    for (int k = 1; k <= 25; ++k) {
        out[assets::lineTab(k)] = lineTab(k, true);
        out[assets::lineTab(25 + k)] = lineTab(k, false);
    }
    // Faces are the button sizes rounded to whole pixels (1330 x 600 twips is 89 x 40).
    const QColor linesColour(236, 170, 16);
    for (int i = 1; i <= 5; ++i) {
        const int lines = tables::linesPerButton[static_cast<std::size_t>(i)];
        out[assets::linesButton(i)] = buttonFace(89, 40, linesColour, QString::number(lines),
            lines == 1 ? QStringLiteral("LINE") : QStringLiteral("LINES"), QColor(255, 252, 230),
            QColor(90, 40, 0));
    }
    const QColor betColour(200, 20, 30);
    for (int i = 1; i <= 6; ++i) {
        const int bet = tables::betPerButton[static_cast<std::size_t>(i)];
        out[assets::betButton(i)] = buttonFace(89, 40, betColour, QStringLiteral("BET %1").arg(bet),
            QStringLiteral("PER LINE"), QColor(255, 236, 120), QColor(60, 0, 0));
    }
    out[assets::coinButton()] = buttonFace(89, 40, QColor(30, 90, 220), QStringLiteral("INSERT"),
        QStringLiteral("COIN"), QColor(255, 255, 240), QColor(0, 10, 60));
    out[assets::doubleUpButton()] = buttonFace(93, 80, QColor(20, 150, 60),
        QStringLiteral("Double"), QStringLiteral("Up"), QColor(255, 226, 60), QColor(0, 40, 10));
    out[assets::collectButton()] = buttonFace(141, 40, QColor(226, 150, 10),
        QStringLiteral("COLLECT"), {}, QColor(255, 250, 220), QColor(80, 20, 0));
    out[assets::lastBetTitle()] = title(QStringLiteral("LAST BET"));
    out[assets::thisWinTitle()] = title(QStringLiteral("THIS WIN"));
}

} // namespace slot::art
