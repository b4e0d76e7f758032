// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Segments repaint at once so a blocking display step shows them without the event loop.
#include "display/line_layer.hpp"

#include "display/twips.hpp"

#include <QPainter>

namespace slot
{

void LineSegment::setEnds(int x1, int y1, int x2, int y2)
{
    twipsLine = QLine(x1, y1, x2, y2);
    layer->repaint();
}

void LineSegment::setColor(const QColor &c)
{
    lineColor = c;
    layer->repaint();
}

void LineSegment::setVisible(bool visible)
{
    if (shown != visible) {
        shown = visible;
        layer->repaint();
    }
}

LineLayer::LineLayer(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    for (int i = 1; i <= 6; ++i) {
        Lineflash.set(i, new LineSegment(this));
    }
}

LineLayer::~LineLayer()
{
    Lineflash.each([](LineSegment *s) { delete s; });
}

void LineLayer::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    Lineflash.each([&p](LineSegment *s) {
        if (!s->shown) {
            return;
        }
        p.setPen(QPen(s->lineColor, 6, Qt::SolidLine, Qt::RoundCap));
        const QLine l = s->twipsLine;
        p.drawLine(px(l.x1()), px(l.y1()), px(l.x2()), px(l.y2()));
    });
}

} // namespace slot
