// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The gamble's pictures, each with a plainly painted stand-in so the gamble stays playable
// (and readable) in a build that carries no card art.
#pragma once

#include "display/image_list.hpp"

#include <QPixmap>

namespace slot
{

// Picture 1..9 of imagelistcards: aces 1..4, the joker 5, suit symbols 6..9.
QPixmap cardFace(const ImageList &cards, int index);

// A banner such as WIN or LOSE: the picture when there is one, else the word on a band.
QPixmap bannerFace(const QPixmap &picture, const QString &word, const QColor &band);

} // namespace slot
