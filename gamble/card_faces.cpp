// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Suits are painted as shapes rather than text, so they read the same whatever fonts the
// machine has.
#include "gamble/card_faces.hpp"

#include "gamble/gamble_rules.hpp"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace slot
{

namespace
{

QPainterPath ellipse(qreal x, qreal y, qreal w, qreal h)
{
    QPainterPath path;
    path.addEllipse(QRectF(x, y, w, h));
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

// A suit symbol in the unit square; the pieces are united, so overlaps never leave holes.
QPainterPath unitSuit(int suit)
{
    const QPainterPath foot = polygon({ { 0.5, 0.55 }, { 0.68, 1.0 }, { 0.32, 1.0 } });
    switch (suit) {
    case kHearts:
        return ellipse(0, 0, 0.55, 0.5)
            .united(ellipse(0.45, 0, 0.55, 0.5))
            .united(polygon({ { 0.03, 0.35 }, { 0.5, 1.0 }, { 0.97, 0.35 } }));
    case kDiamonds:
        return polygon({ { 0.5, 0 }, { 0.9, 0.5 }, { 0.5, 1.0 }, { 0.1, 0.5 } });
    case kClubs:
        return ellipse(0.28, 0, 0.44, 0.42)
            .united(ellipse(0, 0.33, 0.44, 0.42))
            .united(ellipse(0.56, 0.33, 0.44, 0.42))
            .united(foot);
    default: // spades
        return ellipse(0, 0.3, 0.55, 0.42)
            .united(ellipse(0.45, 0.3, 0.55, 0.42))
            .united(polygon({ { 0.03, 0.47 }, { 0.5, 0 }, { 0.97, 0.47 } }))
            .united(foot);
    }
}

QPainterPath suitPath(int suit, const QRectF &box)
{
    QTransform t;
    t.translate(box.x(), box.y());
    t.scale(box.width(), box.height());
    return t.map(unitSuit(suit));
}

QColor suitColour(int suit)
{
    return isRed(suit) ? QColor(0xc8, 0x10, 0x2e) : QColor(0x10, 0x10, 0x10);
}

QPixmap paintedCard(int index)
{
    QPixmap card(100, 153);
    card.fill(Qt::transparent);
    QPainter p(&card);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(1, 1, 98, 151), 8, 8);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    if (index == 5) {
        p.setBrush(QColor(0x1f, 0x3f, 0x9a));
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(8, 8, 84, 137), 5, 5);
        f.setPixelSize(17);
        p.setFont(f);
        p.setPen(QColor(0xf7, 0xd3, 0x5c));
        p.drawText(QRect(0, 0, 100, 153), Qt::AlignCenter, QStringLiteral("JOKER"));
        return card;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(suitColour(index));
    p.drawPath(suitPath(index, QRectF(22, 48, 56, 56)));
    f.setPixelSize(22);
    p.setFont(f);
    p.setPen(suitColour(index));
    p.drawText(QRect(8, 4, 30, 28), Qt::AlignCenter, QStringLiteral("A"));
    p.drawText(QRect(62, 121, 30, 28), Qt::AlignCenter, QStringLiteral("A"));
    return card;
}

QPixmap paintedSymbol(int suit)
{
    QPixmap symbol(50, 50);
    symbol.fill(Qt::white);
    QPainter p(&symbol);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(suitColour(suit));
    p.drawPath(suitPath(suit, QRectF(7, 7, 36, 36)));
    return symbol;
}

} // namespace

QPixmap cardFace(const ImageList &cards, int index)
{
    const QPixmap art = cards.picture(index);
    if (!art.isNull() || index < 1 || index > 9) {
        return art;
    }
    return index <= 5 ? paintedCard(index) : paintedSymbol(index - 5);
}

QPixmap bannerFace(const QPixmap &picture, const QString &word, const QColor &band)
{
    if (!picture.isNull()) {
        return picture;
    }
    QPixmap banner(150, 30);
    banner.fill(band);
    QPainter p(&banner);
    p.setPen(QPen(QColor(0xf7, 0xd3, 0x5c), 2));
    p.drawRect(QRect(1, 1, 148, 28));
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(20);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(banner.rect(), Qt::AlignCenter, word);
    return banner;
}

} // namespace slot
