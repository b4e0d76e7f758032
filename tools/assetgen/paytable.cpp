// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The pay-table picture, drawn from the core's tables so it can never disagree with the game.
#include "assets/asset_paths.hpp"
#include "pictures.hpp"

namespace slot::art
{

namespace
{

const QColor kGold(255, 210, 70);
const QColor kCream(255, 246, 220);

void box(QPainter &p, const QRectF &r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 30, 150));
    p.drawRoundedRect(r, 8, 8);
    goldFrame(p, r, 8, 1.8);
}

void symbolPays(QPainter &p, Sym s, const QRectF &r)
{
    box(p, r);
    drawFitted(
        p, cropped(symbolCell(s), QRect(3, 3, 94, 94)), QRectF(r.left() + 4, r.top() + 6, 40, 40), false);
    const auto &pays = tables::linePay[static_cast<std::size_t>(index(s))];
    qreal y = r.top() + 4;
    for (int count = 5; count >= 2; --count) {
        const int pay = pays[static_cast<std::size_t>(count)];
        if (pay == 0) {
            continue;
        }
        shadowText(p, QString::number(count), cabinetFont(12), QRectF(r.left() + 46, y, 12, 15),
            kGold, QColor(0, 0, 0, 200), Qt::AlignLeft | Qt::AlignVCenter);
        shadowText(p, QString::number(pay), cabinetFont(13),
            QRectF(r.left() + 56, y, r.width() - 60, 15), kCream, QColor(0, 0, 0, 200),
            Qt::AlignRight | Qt::AlignVCenter);
        y += 14;
    }
}

} // namespace

void addPayTable(Pictures &out)
{
    QImage img = canvas(500, 378);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient body(0, 0, 0, 378);
    body.setColorAt(0.0, QColor(20, 40, 140));
    body.setColorAt(1.0, QColor(4, 10, 52));
    p.fillRect(img.rect(), body);
    QLinearGradient header(0, 0, 0, 36);
    header.setColorAt(0.0, QColor(190, 16, 34));
    header.setColorAt(1.0, QColor(100, 0, 14));
    p.fillRect(QRectF(0, 0, 500, 36), header);
    p.fillRect(QRectF(0, 34, 500, 3), goldGradient({ 0, 34 }, { 0, 37 }));
    glossyText(p, QStringLiteral("PAYTABLE"), cabinetFont(28), QRectF(0, 1, 500, 34), kGold,
        QColor(60, 0, 0), 3.0);
    goldFrame(p, QRectF(0, 0, 500, 378), 4, 3);

    // Highest pays first, as a player reads a pay table.
    const Sym order[] = { Sym::panther, Sym::tiger, Sym::panda, Sym::kingfisher, Sym::giraffe,
        Sym::rhino, Sym::K, Sym::Q, Sym::J, Sym::zebra };
    for (int i = 0; i < 10; ++i) {
        const qreal x = 10 + (i % 5) * 96.5;
        const qreal y = 44 + (i / 5) * 66;
        symbolPays(p, order[i], QRectF(x, y, 92, 61));
    }
    shadowText(p,
        QStringLiteral("Line wins pay left to right on played lines, times the bet per line."),
        cabinetFont(11, false), QRectF(10, 175, 480, 15), kCream);

    const QRectF scatter(10, 193, 236, 178);
    box(p, scatter);
    drawFitted(p, symbolCell(kScatter), QRectF(18, 200, 50, 50), false);
    shadowText(p, QStringLiteral("SCATTER"), cabinetFont(17), QRectF(74, 200, 168, 20), kGold,
        QColor(0, 0, 0, 200), Qt::AlignLeft | Qt::AlignVCenter);
    shadowText(p, QStringLiteral("pays anywhere, times the total bet"), cabinetFont(11, false),
        QRectF(74, 220, 170, 28), kCream, QColor(0, 0, 0, 200),
        Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap);
    for (int n = 5; n >= 2; --n) {
        const qreal y = 254 + (5 - n) * 15;
        shadowText(p, QStringLiteral("%1 scatters").arg(n), cabinetFont(12), QRectF(22, y, 100, 15),
            kGold, QColor(0, 0, 0, 200), Qt::AlignLeft | Qt::AlignVCenter);
        shadowText(p,
            QStringLiteral("%1 x total bet").arg(tables::scatterPay[static_cast<std::size_t>(n)]),
            cabinetFont(12), QRectF(110, y, 126, 15), kCream, QColor(0, 0, 0, 200),
            Qt::AlignRight | Qt::AlignVCenter);
    }
    shadowText(p, QStringLiteral("FREE GAMES"), cabinetFont(14), QRectF(22, 318, 210, 16), kGold,
        QColor(0, 0, 0, 200), Qt::AlignLeft | Qt::AlignVCenter);
    // The award counts the game that triggers it, so the free games that follow are one fewer.
    QStringList counts, games;
    for (int n = 3; n <= 5; ++n) {
        counts << QString::number(n);
        games << QString::number(tables::freeSpinAward[static_cast<std::size_t>(n)] - 1);
    }
    shadowText(p,
        QStringLiteral("%1 scatters start %2 free games").arg(counts.join(", "), games.join(", ")),
        cabinetFont(12), QRectF(22, 336, 216, 30), kCream, QColor(0, 0, 0, 200),
        Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);

    const QRectF wild(254, 193, 236, 178);
    box(p, wild);
    drawFitted(p, symbolCell(kWild), QRectF(262, 200, 50, 50), false);
    shadowText(p, QStringLiteral("WILD"), cabinetFont(17), QRectF(318, 200, 168, 20), kGold,
        QColor(0, 0, 0, 200), Qt::AlignLeft | Qt::AlignVCenter);
    shadowText(p, QStringLiteral("on reels 2, 3 and 4"), cabinetFont(11, false),
        QRectF(318, 222, 168, 20), kCream, QColor(0, 0, 0, 200), Qt::AlignLeft | Qt::AlignVCenter);
    shadowText(p,
        QStringLiteral("Substitutes for every symbol except the scatter.\n\n"
                       "A reel that shows the wild is held for the next spin, "
                       "free spins included."),
        cabinetFont(12, false), QRectF(264, 256, 218, 108), kCream, QColor(0, 0, 0, 200),
        Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    p.end();
    out[assets::payTable()] = img;
}

} // namespace slot::art
