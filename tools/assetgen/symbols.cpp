// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The twelve reel symbols and the five reel strips composed from them.
#include "assets/asset_paths.hpp"
#include "pictures.hpp"

#include <cmath>
#include <numbers>

namespace slot::art
{

namespace
{

constexpr int kCell = 100;
const QColor kReelGround(10, 14, 44);

struct Look {
    QColor centre;
    QColor edge;
    char32_t emoji = 0; // 0 for the letters
    QColor letter;
};

// Every symbol has its own tile colour so a player can tell them apart at a glance.
Look lookOf(Sym s)
{
    switch (s) {
    case Sym::J:
        return { QColor(238, 246, 255), QColor(150, 186, 226), 0, QColor(22, 92, 235) };
    case Sym::K:
        return { QColor(255, 248, 226), QColor(226, 190, 120), 0, QColor(222, 24, 30) };
    case Sym::Q:
        return { QColor(166, 108, 236), QColor(58, 18, 118), 0, QColor(255, 212, 24) };
    case Sym::zebra:
        return { QColor(196, 244, 128), QColor(52, 150, 40), U'\U0001F993', {} };
    case Sym::panda:
        return { QColor(255, 212, 232), QColor(222, 80, 150), U'\U0001F43C', {} };
    case Sym::rhino:
        return { QColor(255, 220, 160), QColor(226, 120, 24), U'\U0001F98F', {} };
    case Sym::kingfisher:
        return { QColor(255, 250, 170), QColor(240, 176, 20), U'\U0001F426', {} };
    case Sym::panther:
        return { QColor(255, 120, 110), QColor(150, 10, 28), U'\U0001F406', {} };
    case Sym::giraffe:
        return { QColor(200, 236, 255), QColor(46, 130, 214), U'\U0001F992', {} };
    case Sym::tiger:
        return { QColor(150, 240, 232), QColor(10, 112, 124), U'\U0001F42F', {} };
    default:
        return {};
    }
}

QImage letterCell(const Look &look, const QString &letter)
{
    QImage img = canvas(kCell, kCell, kReelGround);
    QPainter p(&img);
    tile(p, QRectF(3, 3, 94, 94), look.centre, look.edge);
    glossyText(p, letter, cabinetFont(80), QRectF(8, 6, 84, 88), look.letter,
        look.letter.darker(300), 4.0, 6.0);
    return img;
}

QImage animalCell(Sym s, const Look &look)
{
    QImage img = canvas(kCell, kCell, kReelGround);
    QPainter p(&img);
    tile(p, QRectF(3, 3, 94, 94), look.centre, look.edge);
    QImage animal = emoji(fromUcs4(look.emoji));
    if (s == Sym::panther) {
        animal = melanistic(animal);
        // The top symbol stands in a burst of gold light.
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setClipRect(QRectF(5, 5, 90, 90));
        for (int i = 0; i < 16; ++i) {
            QPainterPath ray;
            const qreal a0 = i * std::numbers::pi / 8, a1 = a0 + std::numbers::pi / 20;
            ray.moveTo(50, 52);
            ray.lineTo(50 + 80 * std::cos(a0), 52 + 80 * std::sin(a0));
            ray.lineTo(50 + 80 * std::cos(a1), 52 + 80 * std::sin(a1));
            p.fillPath(ray, QColor(255, 214, 90, 70));
        }
        p.restore();
    }
    if (s == Sym::giraffe) {
        // Two giraffes: a smaller one behind makes the pair the picture shows.
        drawFitted(p, animal, QRectF(42, 16, 50, 62), false);
        drawFitted(p, animal, QRectF(8, 10, 60, 84));
    } else {
        drawFitted(p, animal, QRectF(11, 11, 78, 78));
    }
    return img;
}

} // namespace

QImage scatterScene(qreal angle, qreal glow)
{
    QImage img = canvas(kCell, kCell, kReelGround);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer(2, 2, 96, 96);
    // Red frame, brightening with the glow so the animation also pulses at the border.
    const QColor red = mix(QColor(170, 10, 20), QColor(255, 40, 40), glow);
    p.setPen(Qt::NoPen);
    p.setBrush(red.darker(170));
    p.drawRoundedRect(outer, 12, 12);
    p.setBrush(red);
    p.drawRoundedRect(outer.adjusted(1.5, 1.5, -1.5, -1.5), 11, 11);
    const QRectF sky(8, 8, 84, 84);
    QPainterPath skyPath;
    skyPath.addRoundedRect(sky, 7, 7);
    p.save();
    p.setClipPath(skyPath);
    QLinearGradient g(sky.topLeft(), sky.bottomLeft());
    g.setColorAt(0.0, QColor(70, 18, 110));
    g.setColorAt(0.35, QColor(214, 54, 84));
    g.setColorAt(0.62, QColor(255, 150, 40));
    g.setColorAt(0.75, QColor(255, 214, 90));
    g.setColorAt(0.76, QColor(120, 52, 20));
    g.setColorAt(1.0, QColor(70, 28, 10));
    p.fillRect(sky, g);
    // The sun sets to the right of the elephant so it is seen, not hidden behind it.
    const QPointF sun(68, 71);
    for (int i = 0; i < 12; ++i) {
        QPainterPath ray;
        const qreal a0 = std::numbers::pi + i * std::numbers::pi / 12 + angle * 0.01;
        ray.moveTo(sun);
        ray.lineTo(sun + QPointF(90 * std::cos(a0), 90 * std::sin(a0)));
        ray.lineTo(sun + QPointF(90 * std::cos(a0 + 0.12), 90 * std::sin(a0 + 0.12)));
        p.fillPath(ray, QColor(255, 236, 150, static_cast<int>(40 + 50 * glow)));
    }
    QRadialGradient halo(sun, 34 + 6 * glow);
    halo.setColorAt(0.0, QColor(255, 250, 200, 255));
    halo.setColorAt(0.45, QColor(255, 226, 110, 230));
    halo.setColorAt(1.0, QColor(255, 180, 60, 0));
    p.setBrush(halo);
    p.drawEllipse(sun, 40, 40);
    p.fillRect(QRectF(8, 72, 84, 20), QColor(90, 36, 14));
    p.restore();

    p.save();
    p.setClipPath(skyPath);
    p.translate(48, 84);
    p.rotate(angle);
    drawFitted(p, emoji(fromUcs4(U'\U0001F418')), QRectF(-31, -64, 62, 62));
    p.restore();
    // The scatter's name on a band of the frame, as cabinets label their feature symbol.
    QPainterPath band;
    band.addRoundedRect(QRectF(14, 80, 72, 16), 5, 5);
    p.fillPath(band, red.darker(140));
    p.setPen(QPen(goldGradient({ 0, 80 }, { 0, 96 }), 1.2));
    p.drawPath(band);
    glossyText(p, QStringLiteral("SCATTER"), cabinetFont(13), QRectF(14, 80, 72, 16),
        QColor(255, 220, 80), QColor(60, 0, 0), 2.0);
    return img;
}

QImage wildScene(qreal pulse, qreal spin)
{
    QImage img = canvas(kCell, kCell, kReelGround);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF inner(8, 8, 84, 84);
    QPainterPath innerPath;
    innerPath.addRoundedRect(inner, 6, 6);
    p.save();
    p.setClipPath(innerPath);
    QRadialGradient g(QPointF(50, 44), 60);
    g.setColorAt(0.0, mix(QColor(90, 120, 255), QColor(160, 190, 255), pulse));
    g.setColorAt(0.6, QColor(26, 40, 160));
    g.setColorAt(1.0, QColor(10, 14, 70));
    p.fillRect(inner, g);
    for (int i = 0; i < 12; ++i) {
        QPainterPath ray;
        const qreal a0 = (i * 30.0 + spin) * std::numbers::pi / 180.0;
        ray.moveTo(50, 44);
        ray.lineTo(50 + 80 * std::cos(a0), 44 + 80 * std::sin(a0));
        ray.lineTo(50 + 80 * std::cos(a0 + 0.22), 44 + 80 * std::sin(a0 + 0.22));
        p.fillPath(ray, QColor(255, 226, 120, static_cast<int>(50 + 60 * pulse)));
    }
    p.restore();
    // A heavy double gold frame: the wild is the framed picture on the reels.
    goldFrame(p, QRectF(1, 1, 98, 98), 10, 7);
    p.setPen(QPen(QColor(90, 50, 0), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(7.5, 7.5, 85, 85), 6, 6);
    const qreal s = 64 + 10 * pulse;
    drawFitted(p, emoji(fromUcs4(U'\U0001F981')), QRectF(50 - s / 2, 42 - s / 2, s, s));
    QPainterPath band;
    band.addRoundedRect(QRectF(16, 74, 68, 20), 6, 6);
    p.fillPath(band, QColor(190, 16, 24));
    p.setPen(QPen(goldGradient({ 0, 74 }, { 0, 94 }), 2.0));
    p.drawPath(band);
    glossyText(p, QStringLiteral("WILD"), cabinetFont(19), QRectF(16, 74, 68, 20),
        mix(QColor(255, 212, 40), QColor(255, 246, 150), pulse), QColor(70, 20, 0), 2.5);
    return img;
}

QImage symbolCell(Sym s)
{
    switch (s) {
    case Sym::J:
        return letterCell(lookOf(s), QStringLiteral("J"));
    case Sym::K:
        return letterCell(lookOf(s), QStringLiteral("K"));
    case Sym::Q:
        return letterCell(lookOf(s), QStringLiteral("Q"));
    case Sym::lion:
        return wildScene(0, 0);
    case Sym::elephant:
        return scatterScene(0, 0.4);
    case Sym::None:
        return canvas(kCell, kCell, kReelGround);
    default:
        return animalCell(s, lookOf(s));
    }
}

void addSymbolsAndReels(Pictures &out)
{
    std::map<Sym, QImage> cells;
    for (int i = index(Sym::J); i <= index(Sym::elephant); ++i) {
        const auto s = static_cast<Sym>(i);
        cells[s] = symbolCell(s);
        out[assets::symbol(s)] = cells[s];
    }
    // Strips are composed from the very same cells, row by row from the core's table, so the
    // pictures can never disagree with the game.
    for (int reel = 1; reel <= kReels; ++reel) {
        QImage strip = canvas(kCell, kCell * kStripRows, kReelGround);
        QPainter p(&strip);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        for (int row = 0; row < kStripRows; ++row) {
            const Sym s = tables::reelStrip[static_cast<std::size_t>(reel - 1)]
                                           [static_cast<std::size_t>(row)];
            p.drawImage(0, row * kCell, cells[s]);
        }
        p.end();
        out[assets::reelStrip(reel)] = strip;
    }
}

} // namespace slot::art
