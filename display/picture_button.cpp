// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Disabled faces are dimmed rather than greyed, so the cabinet keeps its colours.
#include "display/picture_button.hpp"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace slot
{

PictureButton::PictureButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::setFace(const QPixmap &face)
{
    facePicture = face;
    repaint();
}

void PictureButton::press()
{
    if (isEnabled()) {
        click();
    }
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect r = rect();
    const QRect area = isDown() ? r.translated(1, 1) : r;
    if (!facePicture.isNull()) {
        p.drawPixmap(area, facePicture);
    } else {
        p.fillRect(r, QColor(0x1a, 0x2a, 0x6c));
        p.setPen(QColor(0xf2, 0xc1, 0x4e));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text());
    }
    if (!isEnabled()) {
        p.fillRect(r, QColor(0, 0, 0, 110));
    }
    if (hasFocus()) {
        p.setPen(QPen(QColor(255, 255, 255, 180), 1, Qt::DotLine));
        p.drawRect(r.adjusted(2, 2, -3, -3));
    }
}

} // namespace slot
