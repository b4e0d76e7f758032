// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture families of the generator; each adds its pictures under their resource paths.
#pragma once

#include "art.hpp"
#include "rules/game_tables.hpp"

namespace slot::art
{

// One 100 x 100 reel cell of a symbol, exactly as it appears on the reel strips.
QImage symbolCell(Sym s);

// The scatter scene with the elephant swung by angle degrees (0 at rest) and the sun glowing
// by glow (0..1); the wild scene with the lion pulsing by pulse (0..1) and rays turned by spin.
QImage scatterScene(qreal angle, qreal glow);
QImage wildScene(qreal pulse, qreal spin);

void addSymbolsAndReels(Pictures &out); // symbols/, reels/
void addAnimations(Pictures &out); // imagelist1/, imagelist2/
void addCardsAndGamble(Pictures &out); // cards/, gamble/
void addButtonsAndTabs(Pictures &out); // buttons/, linepics/, titles/
void addCabinet(Pictures &out); // background, icon, hand
void addPayTable(Pictures &out); // paytable

// A labelled overview of every picture, for reviewing the art at a glance.
QImage contactSheet(const Pictures &all);

} // namespace slot::art
