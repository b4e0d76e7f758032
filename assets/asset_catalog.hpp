// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up of the built-in assets: resources linked in, cabinet font registered.
#pragma once

#include "assets/asset_paths.hpp"

#include <QPixmap>
#include <QString>

namespace slot
{

// Call once after the QApplication exists and before any window loads a picture.
void initAssets();

// The family name of the cabinet font, valid after initAssets().
QString cabinetFontFamily();

// A built-in picture for the screen's device pixel ratio: the 2x set from a ratio of 2 up,
// smoothed up to the exact ratio beyond 2, so a picture always meets whole device pixels.
// It keeps the size in the cabinet's own pixels whatever the ratio.
QPixmap picture(const QString &path);
QPixmap picture(const QString &path, qreal ratio);
// The same for a picture whose pure white is its transparent colour: smoothing would blend
// its edges into near-white that no longer counts as transparent, so its edges stay hard.
QPixmap pictureOnWhite(const QString &path);
QPixmap pictureOnWhite(const QString &path, qreal ratio);

} // namespace slot
