// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Screen measures: the windows are laid out in twips, 15 to a pixel at 96 DPI.
#pragma once

#include <QRect>

namespace slot
{

constexpr int px(int twips)
{
    return (twips * 2 + (twips >= 0 ? 15 : -15)) / 30; // nearest pixel
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return { px(left), px(top), px(width), px(height) };
}

} // namespace slot
