// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A small PNG encoder: adaptive row filters and maximum zlib compression, no metadata at all.
#pragma once

#include <QByteArray>
#include <QImage>

namespace slot::art
{

// RGB when every pixel is opaque, RGBA otherwise. Qt's own writer stores rows unfiltered,
// which leaves the emoji-rich pictures three times larger than they need to be.
QByteArray encodePng(const QImage &img);

} // namespace slot::art
