// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the cabinet's other windows open: over the cabinet's own top-left corner.
#pragma once

class QWidget;

namespace slot
{

// Moves `form` to the corner of the cabinet that `cabinet` belongs to. At the cabinet's own
// size that is the screen's corner (left 0, top 0); drawn larger, the cabinet sits inside the
// black margins of a full-screen window, and the form must not open over them. A form taller or
// wider than the room left below and right of the corner moves back just enough to stay whole on
// the screen.
void openAtCabinetCorner(QWidget &form, const QWidget &cabinet);

} // namespace slot
