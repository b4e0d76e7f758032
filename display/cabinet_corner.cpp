// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The placement shared by the about, pay-table, options and recall windows.
#include "display/cabinet_corner.hpp"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace slot
{

void openAtCabinetCorner(QWidget &form, const QWidget &cabinet)
{
    const QWidget &top = *cabinet.window();
    const QMargins margins = top.contentsMargins();
    // At its own size the cabinet stands at the screen's corner, and so do the forms, wherever
    // the player has since moved it. Drawn larger, it is framed by its window's margins.
    if (margins.isNull()) {
        form.move(0, 0);
        return;
    }
    QPoint at = top.mapToGlobal(QPoint(margins.left(), margins.top()));
    if (const QScreen *screen = top.screen()) {
        const QRect room = screen->availableGeometry();
        const QSize size = form.frameGeometry().size();
        at.setX(std::max(room.left(), std::min(at.x(), room.x() + room.width() - size.width())));
        at.setY(std::max(room.top(), std::min(at.y(), room.y() + room.height() - size.height())));
    }
    form.move(at);
}

} // namespace slot
