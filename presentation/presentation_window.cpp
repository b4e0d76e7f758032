// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The cabinet's side of the win presentations: segments, tabs and animated cells.
#include "display/line_layer.hpp"
#include "display/pacing.hpp"
#include "flow/tarnix.hpp"
#include "presentation/payline_geometry.hpp"
#include "presentation/win_display.hpp"

#include <QBitmap>
#include <QPainter>

namespace slot
{

void Tarnix::Timer1_Timer()
{
    const PaylineTick t = paylineStep(state);
    if (t.stop) {
        Timer1->stop();
        return;
    }
    if (t.payline != 0) {
        if (t.drawSegments) {
            const PaylineDrawing &d = paylineDrawing[static_cast<std::size_t>(t.payline)];
            for (int i = 1; i <= 6; ++i) {
                const Segment &g = d.segments[static_cast<std::size_t>(i - 1)];
                LineSegment *seg = Lineflash(i);
                seg->setEnds(g.x1, g.y1, g.x2, g.y2);
                seg->setColor(QColor::fromRgb(d.rgb));
                seg->setVisible(t.segmentsVisible);
            }
        }
        QLabel *tab = lin(t.payline);
        tab->setVisible(t.tabVisible);
        tab->repaint();
        for (int i = 0; i < t.cellCount; ++i) {
            const CellChange &c = t.cells[static_cast<std::size_t>(i)];
            flasher(c.cell)->setVisible(c.visible);
        }
        if (QWidget *client = centralWidget()) {
            client->repaint();
        }
        services.pacing.processEvents();
    }
    services.pacing.sleep(150);
}

void Tarnix::showAnimation(const AnimationTick &t, bool makeVisible)
{
    for (int i = 0; i < t.count; ++i) {
        const FrameCell &c = t.cells[static_cast<std::size_t>(i)];
        QLabel *box = flasher(c.cell);
        const QPixmap frame = animationFrame(c.frame, c.overlay, makeVisible);
        if (!frame.isNull()) {
            box->setPixmap(frame); // a frame that does not exist leaves the last one
        }
        if (makeVisible) {
            box->show();
        }
        box->repaint();
    }
}

QPixmap Tarnix::animationFrame(int frame, int overlay, bool scatter)
{
    if (scatter) {
        return pictures.ImageList1.has(frame) && frame <= 20 ? pictures.ImageList1.picture(frame)
                                                             : QPixmap();
    }
    if (!pictures.ImageList2.has(frame) || frame > 18) {
        return {};
    }
    if (overlay == 0) {
        return pictures.ImageList2.picture(frame);
    }
    if (!pictures.ImageList2.has(overlay) || overlay < 19) {
        return {};
    }
    const int key = frame * 100 + overlay;
    auto cached = composites.find(key);
    if (cached != composites.end()) {
        return *cached;
    }
    // The multiplier's white ground is transparent, so the wild shows through it.
    QPixmap top = pictures.ImageList2.picture(overlay);
    top.setMask(top.createMaskFromColor(Qt::white, Qt::MaskInColor));
    QPixmap out = pictures.ImageList2.picture(frame);
    QPainter p(&out);
    p.drawPixmap(0, 0, top);
    p.end();
    composites.insert(key, out);
    return out;
}

void Tarnix::Timerscatters_Timer()
{
    showAnimation(scatterStep(state), true);
}

void Tarnix::Timer4_Timer()
{
    showAnimation(wildSwingStep(state), false);
}

void Tarnix::timerwild_Timer()
{
    showAnimation(multiplierStep(state), false);
}

} // namespace slot
