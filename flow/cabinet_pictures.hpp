// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every picture the cabinet shows, loaded once from the built-in resources.
#pragma once

#include "display/image_list.hpp"

#include <QPixmap>
#include <array>

namespace slot
{

struct CabinetPictures {
    QPixmap background;
    std::array<QPixmap, 6> reel; // reel1..reel5 strips at [1]..[5]
    std::array<QPixmap, 6> paylineFace; // payline(1)..payline(5)
    std::array<QPixmap, 7> playFace; // play(1)..play(6)
    QPixmap coinFace, doubleFace, takewinFace;
    QPixmap lastBetTitle, thisWinTitle;
    ImageList linepics; // 1..25 coloured tabs, 26..50 grey
    ImageList ImageList1; // 1..20 scatter frames, 21 the cell highlight
    ImageList ImageList2; // 1..18 wild frames, 19..34 multiplier overlays
    ImageList imagelistcards; // four aces, the joker, four suit symbols
    // The gamble panel: its background, RED, BLACK, TAKE WIN, and the WIN and LOSE banners.
    QPixmap panelBackground, redFace, blackFace, cancelbetFace, gambleWinBanner, gambleLoseBanner;
};

CabinetPictures loadCabinetPictures();

} // namespace slot
