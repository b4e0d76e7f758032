// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Animation frames: the scatter swing, the highlight square, the wild pulse and the multipliers.
#include "assets/asset_paths.hpp"
#include "pictures.hpp"

#include <cmath>
#include <numbers>

namespace slot::art
{

namespace
{

// The multiplier badges are drawn over the wild with white as the transparent colour.
QImage multiplierBadge(const QString &text, QColor body, int frame)
{
    // Four frames make one cycle, so the last frame leads smoothly back to the first.
    const qreal phase = frame * std::numbers::pi / 2;
    const qreal grow = (1 - std::cos(phase)) / 2;
    QImage img = canvas(100, 100);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(64, 64);
    const qreal rOut = 33 + 4 * grow;
    const qreal rIn = rOut * 0.78;
    QPainterPath star;
    for (int i = 0; i < 24; ++i) {
        // 12 points turned by 7.5 degrees a frame: four frames bring the star back on itself.
        const qreal a = (i * 15.0 + frame * 7.5) * std::numbers::pi / 180.0;
        const qreal r = (i % 2 == 0) ? rOut : rIn;
        const QPointF pt = c + QPointF(r * std::cos(a), r * std::sin(a));
        i == 0 ? star.moveTo(pt) : star.lineTo(pt);
    }
    star.closeSubpath();
    p.setPen(QPen(QColor(90, 40, 0), 2.5));
    QRadialGradient gold(c - QPointF(8, 8), rOut * 1.3);
    gold.setColorAt(0.0, QColor(255, 246, 170));
    gold.setColorAt(0.6, QColor(240, 190, 50));
    gold.setColorAt(1.0, QColor(170, 110, 10));
    p.setBrush(gold);
    p.drawPath(star);
    QRadialGradient disc(c - QPointF(6, 8), rIn);
    disc.setColorAt(0.0, body.lighter(150));
    disc.setColorAt(1.0, body.darker(140));
    p.setBrush(disc);
    p.setPen(QPen(QColor(80, 0, 0), 1.5));
    p.drawEllipse(c, rIn - 3, rIn - 3);
    const qreal size = (text.size() > 2 ? 25 : 30) + 3 * grow;
    glossyText(p, text, cabinetFont(size), QRectF(c.x() - 30, c.y() - 20, 60, 40),
        mix(QColor(255, 220, 40), QColor(255, 250, 180), grow), QColor(40, 0, 0), 3.0);
    p.end();
    return flattenOnWhite(img);
}

} // namespace

void addAnimations(Pictures &out)
{
    // The scatter swings like a pendulum: the timer runs the frames forwards and back, so
    // frame 1 and frame 20 are the two turning points and the motion eases into each.
    for (int i = 1; i <= assets::kScatterFrames; ++i) {
        const qreal t = (i - 1) / qreal(assets::kScatterFrames - 1);
        const qreal ease = -std::cos(std::numbers::pi * t);
        out[assets::scatterFrame(i)] = scatterScene(8.0 * ease, (1 + ease) / 2);
    }
    QImage plain = canvas(100, 100, QColor(0xD6, 0xF7, 0xC6));
    out[assets::highlight()] = plain;

    // The wild pulses over one full cycle: it is played both forwards and back and as a
    // loop, and a cycle looks smooth either way.
    for (int i = 1; i <= assets::kWildFrames; ++i) {
        const qreal phase = 2 * std::numbers::pi * (i - 1) / assets::kWildFrames;
        const qreal pulse = (1 - std::cos(phase)) / 2;
        // Rays with 30 degree symmetry turned 30 degrees per cycle come back on themselves.
        out[assets::wildFrame(i)] = wildScene(pulse, 30.0 * (i - 1) / assets::kWildFrames);
    }
    const struct {
        const char *text;
        QColor body;
    } badges[] = { { "x2", QColor(200, 20, 30) }, { "x3", QColor(20, 120, 40) },
        { "x5", QColor(30, 60, 200) }, { "x10", QColor(130, 20, 160) } };
    int index = assets::kWildFrames + 1;
    for (const auto &b : badges) {
        for (int frame = 0; frame < 4; ++frame) {
            out[assets::overlay(index++)]
                = multiplierBadge(QString::fromLatin1(b.text), b.body, frame);
        }
    }
}

} // namespace slot::art
