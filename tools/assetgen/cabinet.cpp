// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The cabinet itself: the main window's background, the program icon and the hand pointer.
#include "assets/asset_paths.hpp"
#include "pictures.hpp"

namespace slot::art
{

namespace
{

// Window geometry in pixels (the window is laid out in twips, 15 to a pixel).
constexpr qreal kReelLeft[] = { 800 / 15.0, 2430 / 15.0, 4090 / 15.0, 5750 / 15.0, 7390 / 15.0 };
constexpr qreal kReelTop = 800 / 15.0;
constexpr qreal kButtonLeft[]
    = { 135 / 15.0, 1450 / 15.0, 2770 / 15.0, 4090 / 15.0, 5415 / 15.0, 6735 / 15.0 };

void meter(QPainter &p, const QRectF &r, const QString &caption)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 0, 4));
    p.drawRoundedRect(r.adjusted(-1, -1, 1, 1), 7, 7);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, QColor(255, 250, 226));
    g.setColorAt(1.0, QColor(238, 218, 160));
    p.setBrush(g);
    p.drawRoundedRect(r, 6, 6);
    goldFrame(p, r.adjusted(-2, -2, 2, 2), 8, 2.5);
    if (!caption.isEmpty()) {
        p.setPen(QColor(150, 10, 20));
        p.setFont(cabinetFont(10));
        p.drawText(r.adjusted(5, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, caption);
    }
}

void background(Pictures &out)
{
    QImage img = canvas(639, 442);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient body(0, 0, 0, 442);
    body.setColorAt(0.0, QColor(16, 34, 120));
    body.setColorAt(0.5, QColor(8, 20, 84));
    body.setColorAt(1.0, QColor(4, 10, 48));
    p.fillRect(img.rect(), body);
    // A faint diamond lattice, the pattern of a cabinet's printed glass.
    p.setPen(QPen(QColor(255, 255, 255, 14), 1.0));
    for (int d = -442; d < 639; d += 18) {
        p.drawLine(QPointF(d, 0), QPointF(d + 442, 442));
        p.drawLine(QPointF(d + 442, 0), QPointF(d, 442));
    }

    // Header band with the meters: royal blue under a gold rail, like the top glass.
    QLinearGradient header(0, 0, 0, 50);
    header.setColorAt(0.0, QColor(40, 70, 200));
    header.setColorAt(1.0, QColor(10, 24, 110));
    p.fillRect(QRectF(0, 0, 639, 50), header);
    p.fillRect(QRectF(0, 47, 639, 3), goldGradient({ 0, 47 }, { 0, 50 }));
    // The machine's badge in the corner: the wild lion on a gold-rimmed red medallion.
    QRadialGradient medal(QPointF(21, 21), 20);
    medal.setColorAt(0.0, QColor(230, 40, 50));
    medal.setColorAt(1.0, QColor(110, 0, 16));
    p.setPen(QPen(goldGradient({ 3, 3 }, { 39, 39 }), 2.5));
    p.setBrush(medal);
    p.drawEllipse(QPointF(22, 23), 18, 18);
    drawFitted(p, emoji(fromUcs4(U'\U0001F981')), QRectF(10, 11, 24, 24));
    meter(p, QRectF(46, 4, 180, 39), QStringLiteral("CREDIT"));
    meter(p, QRectF(234, 4, 180, 39), QStringLiteral("WIN"));
    meter(p, QRectF(422, 4, 210, 39), QString());

    // The reel bezel: a dark well so the coloured paylines stand out between the reels.
    const QRectF bezel(40, 50, 559, 310);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(4, 6, 22));
    p.drawRoundedRect(bezel, 10, 10);
    goldFrame(p, bezel, 10, 3);
    for (qreal x : kReelLeft) {
        const QRectF reel(x - 2, kReelTop - 2, 104, 304);
        p.setPen(QPen(goldGradient(reel.topLeft(), reel.bottomRight()), 2.0));
        p.setBrush(QColor(10, 14, 44));
        p.drawRect(reel);
    }
    // The tab columns either side of the reels.
    for (qreal x : { 5.0, 601.0 }) {
        const QRectF col(x, 45, 34, 316);
        QLinearGradient g(col.topLeft(), col.topRight());
        g.setColorAt(0.0, QColor(120, 10, 24));
        g.setColorAt(0.5, QColor(190, 24, 40));
        g.setColorAt(1.0, QColor(120, 10, 24));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(col, 6, 6);
        goldFrame(p, col, 6, 2);
    }

    // The button deck: blue, with a red gold-rimmed well under every button.
    QLinearGradient deck(0, 358, 0, 442);
    deck.setColorAt(0.0, QColor(30, 56, 180));
    deck.setColorAt(1.0, QColor(6, 14, 70));
    p.fillRect(QRectF(0, 358, 639, 84), deck);
    p.fillRect(QRectF(0, 358, 639, 3), goldGradient({ 0, 358 }, { 0, 361 }));
    const auto well = [&p](const QRectF &r) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 0, 8));
        p.drawRoundedRect(r, 8, 8);
        goldFrame(p, r.adjusted(-1, -1, 1, 1), 9, 1.2);
    };
    for (int row = 0; row < 2; ++row) {
        for (qreal x : kButtonLeft) {
            well(QRectF(x - 1, 361 + row * 40, 91, 40));
        }
    }
    well(QRectF(8050 / 15.0 - 1.5, 361, 96, 80));
    p.end();
    out[assets::background()] = img;
}

QImage icon()
{
    QImage img = canvas(32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(16, 13), 20);
    g.setColorAt(0.0, QColor(80, 110, 255));
    g.setColorAt(1.0, QColor(14, 20, 100));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    goldFrame(p, QRectF(0.5, 0.5, 31, 31), 6, 2.5);
    drawFitted(p, emoji(fromUcs4(U'\U0001F981')), QRectF(4, 4, 24, 24), false);
    return img;
}

// A pointing glove with its fingertip on the hot spot.
QImage hand()
{
    QImage img = canvas(32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath glove;
    const qreal tipX = assets::kHandHotX, tipY = assets::kHandHotY;
    glove.moveTo(tipX - 2.5, tipY + 2);
    glove.quadTo(tipX, tipY - 1.5, tipX + 2.5, tipY + 2);
    glove.lineTo(tipX + 2.5, 14);
    glove.quadTo(tipX + 4.5, 12, tipX + 6.5, 14.5);
    glove.quadTo(tipX + 8.5, 13, tipX + 10.5, 15.5);
    glove.quadTo(tipX + 12.5, 14.5, tipX + 14, 17);
    glove.lineTo(tipX + 14, 23);
    glove.quadTo(tipX + 13, 28, tipX + 10, 30);
    glove.lineTo(tipX + 1, 30);
    glove.quadTo(tipX - 3, 27, tipX - 6, 22);
    glove.lineTo(tipX - 8.5, 17.5);
    glove.quadTo(tipX - 8, 15.5, tipX - 5.5, 16.5);
    glove.lineTo(tipX - 2.5, 20);
    glove.closeSubpath();
    p.setPen(QPen(Qt::black, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(glove);
    p.setPen(QPen(Qt::black, 0.9));
    p.drawLine(QPointF(tipX + 6.5, 14.5), QPointF(tipX + 6.5, 19));
    p.drawLine(QPointF(tipX + 10.5, 15.5), QPointF(tipX + 10.5, 19.5));
    p.drawLine(QPointF(tipX + 2.5, 14), QPointF(tipX + 2.5, 19));
    return img;
}

} // namespace

void addCabinet(Pictures &out)
{
    background(out);
    out[assets::icon()] = icon();
    out[assets::handPointer()] = hand();
}

} // namespace slot::art
