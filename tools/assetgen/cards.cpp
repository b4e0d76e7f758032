// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The gamble's pictures: four aces, the joker, the suit symbols, the panel, its buttons and
// banners.
#include "assets/asset_paths.hpp"
#include "pictures.hpp"

#include <cmath>

namespace slot::art
{

namespace
{

enum class Suit { hearts = 1, clubs, diamonds, spades };

const QColor kCardRed(206, 18, 32);
const QColor kCardBlack(22, 22, 28);

bool isRed(Suit s)
{
    return s == Suit::hearts || s == Suit::diamonds;
}

// Suit outlines in a unit box (0..1), scaled by the caller.
QPainterPath suitPath(Suit s)
{
    QPainterPath path;
    switch (s) {
    case Suit::hearts:
        path.moveTo(0.5, 0.95);
        path.cubicTo(0.1, 0.62, -0.05, 0.38, 0.1, 0.17);
        path.cubicTo(0.25, -0.02, 0.45, 0.05, 0.5, 0.25);
        path.cubicTo(0.55, 0.05, 0.75, -0.02, 0.9, 0.17);
        path.cubicTo(1.05, 0.38, 0.9, 0.62, 0.5, 0.95);
        break;
    case Suit::diamonds:
        path.moveTo(0.5, 0.0);
        path.quadTo(0.66, 0.3, 0.88, 0.5);
        path.quadTo(0.66, 0.7, 0.5, 1.0);
        path.quadTo(0.34, 0.7, 0.12, 0.5);
        path.quadTo(0.34, 0.3, 0.5, 0.0);
        break;
    case Suit::spades:
        path.moveTo(0.5, 0.02);
        path.cubicTo(0.9, 0.33, 1.05, 0.52, 0.9, 0.7);
        path.cubicTo(0.78, 0.84, 0.6, 0.8, 0.53, 0.68);
        path.quadTo(0.56, 0.86, 0.7, 0.98);
        path.lineTo(0.3, 0.98);
        path.quadTo(0.44, 0.86, 0.47, 0.68);
        path.cubicTo(0.4, 0.8, 0.22, 0.84, 0.1, 0.7);
        path.cubicTo(-0.05, 0.52, 0.1, 0.33, 0.5, 0.02);
        break;
    case Suit::clubs:
        path.addEllipse(QPointF(0.5, 0.27), 0.22, 0.22);
        path.addEllipse(QPointF(0.25, 0.58), 0.22, 0.22);
        path.addEllipse(QPointF(0.75, 0.58), 0.22, 0.22);
        path.addRect(QRectF(0.42, 0.35, 0.16, 0.3));
        path.moveTo(0.47, 0.6);
        path.quadTo(0.45, 0.86, 0.3, 0.98);
        path.lineTo(0.7, 0.98);
        path.quadTo(0.55, 0.86, 0.53, 0.6);
        path.closeSubpath();
        // The hub fills the gap the three leaves leave above the stem.
        path.addEllipse(QPointF(0.5, 0.52), 0.13, 0.13);
        path.setFillRule(Qt::WindingFill);
        break;
    }
    return path;
}

void drawSuit(QPainter &p, Suit s, const QRectF &box)
{
    QTransform t;
    t.translate(box.left(), box.top());
    t.scale(box.width(), box.height());
    const QPainterPath path = t.map(suitPath(s));
    const QColor c = isRed(s) ? kCardRed : kCardBlack;
    QLinearGradient g(box.topLeft(), box.bottomRight());
    g.setColorAt(0.0, c.lighter(isRed(s) ? 135 : 260));
    g.setColorAt(0.6, c);
    g.setColorAt(1.0, c.darker(130));
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.fillPath(path, g);
    p.restore();
}

QImage cardBlank()
{
    QImage img = canvas(100, 153);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 120, 130), 1.0));
    QLinearGradient g(0, 0, 100, 153);
    g.setColorAt(0.0, QColor(255, 255, 255));
    g.setColorAt(1.0, QColor(236, 236, 242));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, 99, 152), 8, 8);
    return img;
}

QImage ace(Suit s)
{
    QImage img = cardBlank();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor c = isRed(s) ? kCardRed : kCardBlack;
    // Corner indices, the lower one turned round as on a printed card.
    for (int corner = 0; corner < 2; ++corner) {
        p.save();
        if (corner == 1) {
            p.translate(100, 153);
            p.rotate(180);
        }
        p.setPen(c);
        p.setFont(cabinetFont(22));
        p.drawText(QRectF(3, 2, 22, 24), Qt::AlignCenter, QStringLiteral("A"));
        drawSuit(p, s, QRectF(5, 26, 17, 17));
        p.restore();
    }
    const qreal size = s == Suit::spades ? 66 : 56;
    drawSuit(p, s, QRectF(50 - size / 2, 76 - size / 2, size, size));
    if (s == Suit::spades) {
        // The ace of spades traditionally carries an ornate ring round its pip.
        p.setPen(QPen(QColor(180, 140, 40), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(50, 76), 41, 41);
        p.drawEllipse(QPointF(50, 76), 38, 38);
    }
    return img;
}

QImage joker()
{
    QImage img = cardBlank();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath inner;
    inner.addRoundedRect(QRectF(18, 8, 64, 137), 5, 5);
    QLinearGradient g(0, 8, 0, 145);
    g.setColorAt(0.0, QColor(255, 236, 170));
    g.setColorAt(1.0, QColor(250, 196, 90));
    p.fillPath(inner, g);
    p.setPen(QPen(QColor(160, 20, 30), 1.5));
    p.drawPath(inner);
    // The jester: a clown face under a three-pointed bell cap.
    drawFitted(p, emoji(fromUcs4(U'\U0001F921')), QRectF(26, 58, 48, 48));
    const QColor capColours[] = { QColor(200, 20, 40), QColor(30, 140, 60), QColor(40, 70, 200) };
    const QPointF tips[] = { QPointF(27, 40), QPointF(50, 22), QPointF(73, 40) };
    for (int i = 0; i < 3; ++i) {
        QPainterPath cap;
        cap.moveTo(36 + i * 4, 66);
        cap.quadTo(tips[i].x() - 4, tips[i].y() + 18, tips[i].x(), tips[i].y());
        cap.quadTo(tips[i].x() + 10, tips[i].y() + 20, 56 + i * 4 - 8, 66);
        cap.closeSubpath();
        p.setPen(QPen(QColor(60, 0, 10), 1.2));
        p.setBrush(capColours[i]);
        p.drawPath(cap);
        p.setBrush(QColor(255, 214, 40));
        p.drawEllipse(tips[i], 4.2, 4.2);
    }
    const QString word = QStringLiteral("JOKER");
    p.setFont(cabinetFont(13));
    for (int i = 0; i < word.size(); ++i) {
        p.setPen(kCardRed);
        p.drawText(QRectF(2, 4 + i * 14, 16, 15), Qt::AlignCenter, word.mid(i, 1));
        p.setPen(kCardBlack);
        p.drawText(QRectF(82, 78 + i * 14, 16, 15), Qt::AlignCenter, word.mid(i, 1));
    }
    glossyText(p, QStringLiteral("JOKER"), cabinetFont(16), QRectF(18, 116, 64, 22),
        QColor(220, 24, 36), QColor(60, 0, 0), 2.0);
    return img;
}

QImage suitSymbol(Suit s)
{
    QImage img = canvas(50, 50);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 50);
    g.setColorAt(0.0, QColor(255, 255, 255));
    g.setColorAt(1.0, QColor(222, 222, 232));
    p.setBrush(g);
    p.setPen(QPen(QColor(150, 120, 40), 2.0));
    p.drawRoundedRect(QRectF(1, 1, 48, 48), 8, 8);
    drawSuit(p, s, QRectF(8, 8, 34, 34));
    return img;
}

QImage panel()
{
    QImage img = canvas(254, 375, QColor(20, 0, 0));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient felt(QPointF(127, 160), 260);
    felt.setColorAt(0.0, QColor(26, 132, 70));
    felt.setColorAt(0.7, QColor(10, 84, 44));
    felt.setColorAt(1.0, QColor(4, 46, 24));
    p.setPen(Qt::NoPen);
    p.setBrush(felt);
    p.drawRoundedRect(QRectF(0, 0, 254, 375), 12, 12);
    goldFrame(p, QRectF(1, 1, 252, 373), 11, 4);
    p.setPen(QPen(QColor(120, 80, 10), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(7.5, 7.5, 239, 360), 8, 8);
    // Recessed wells where the card, the suit buttons and the history sit.
    auto well = [&](const QRectF &r, qreal radius) {
        p.setPen(QPen(QColor(0, 30, 14), 1.5));
        p.setBrush(QColor(0, 40, 20, 150));
        p.drawRoundedRect(r, radius, radius);
        p.setPen(QPen(QColor(120, 200, 140, 90), 1.0));
        p.drawLine(QPointF(r.left() + radius, r.bottom() + 1),
            QPointF(r.right() - radius, r.bottom() + 1));
    };
    // One well holds the card and the four suit buttons, another the history strip.
    well(QRectF(11, 67, 232, 168), 10);
    well(QRectF(20, 260, 214, 41), 6);
    // The amount at risk is shown on a plate at the top.
    QLinearGradient plate(0, 3, 0, 31);
    plate.setColorAt(0.0, QColor(150, 10, 26));
    plate.setColorAt(1.0, QColor(70, 0, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(plate);
    p.drawRoundedRect(QRectF(26, 3, 202, 29), 8, 8);
    goldFrame(p, QRectF(25, 2, 204, 31), 9, 2);
    // A faint double-up emblem fills the space between the suit buttons.
    p.setOpacity(0.18);
    drawSuit(p, Suit::hearts, QRectF(31, 138, 18, 18));
    drawSuit(p, Suit::spades, QRectF(195, 138, 18, 18));
    drawSuit(p, Suit::clubs, QRectF(118, 334, 18, 18));
    p.setOpacity(1.0);
    return img;
}

QImage banner(const QString &text, QColor body, QColor letters)
{
    QImage img = canvas(150, 30);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 30);
    g.setColorAt(0.0, body.lighter(150));
    g.setColorAt(0.5, body);
    g.setColorAt(1.0, body.darker(170));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0, 0, 150, 30), 9, 9);
    goldFrame(p, QRectF(0, 0, 150, 30), 9, 2.5);
    for (int i = 0; i < 2; ++i) {
        const qreal x = i == 0 ? 18 : 132;
        QPainterPath star;
        for (int k = 0; k < 10; ++k) {
            const qreal a = (k * 36.0 - 90) * 3.14159265 / 180.0;
            const qreal r = k % 2 == 0 ? 8 : 3.5;
            const QPointF pt(x + r * std::cos(a), 15 + r * std::sin(a));
            k == 0 ? star.moveTo(pt) : star.lineTo(pt);
        }
        star.closeSubpath();
        p.fillPath(star, QColor(255, 226, 90));
    }
    glossyText(p, text, cabinetFont(23), QRectF(28, 1, 94, 28), letters, QColor(40, 10, 0), 2.5);
    return img;
}

} // namespace

void addCardsAndGamble(Pictures &out)
{
    for (int s = 1; s <= 4; ++s) {
        out[assets::card(s)] = ace(static_cast<Suit>(s));
        out[assets::card(s + 5)] = suitSymbol(static_cast<Suit>(s));
    }
    out[assets::card(5)] = joker();
    out[assets::gamblePanel()] = panel();
    out[assets::redButton()] = buttonFace(68, 30, QColor(200, 16, 24), QStringLiteral("RED"), {});
    out[assets::blackButton()]
        = buttonFace(68, 30, QColor(40, 40, 48), QStringLiteral("BLACK"), {});
    out[assets::takeWinButton()]
        = buttonFace(104, 30, QColor(214, 160, 20), QStringLiteral("TAKE WIN"), {});
    out[assets::winBanner()]
        = banner(QStringLiteral("WIN"), QColor(16, 140, 50), QColor(255, 224, 60));
    out[assets::loseBanner()]
        = banner(QStringLiteral("LOSE"), QColor(60, 60, 70), QColor(255, 80, 70));
}

} // namespace slot::art
