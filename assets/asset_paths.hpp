// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Resource paths of every built-in picture, sound and font, so window code never spells a path.
#pragma once

#include "rules/game_tables.hpp"

#include <QString>
#include <QStringList>

namespace slot::assets
{

// Sounds are numbered by their resource ids, 101..125.
inline constexpr int kFirstSound = 101;
inline constexpr int kLastSound = 125;

// The hand pointer's hot spot sits on the fingertip.
inline constexpr int kHandHotX = 13;
inline constexpr int kHandHotY = 5;

// Picture lists, counted from 1 as the game counts them.
inline constexpr int kScatterFrames = 20; // ImageList1 1..20
inline constexpr int kHighlightIndex = 21; // ImageList1 21
inline constexpr int kWildFrames = 18; // ImageList2 1..18
inline constexpr int kImageList2 = 34; // 19..34 are the x2, x3, x5, x10 overlays
inline constexpr int kLineTabs = 50; // 1..25 coloured, 26..50 grey
inline constexpr int kCards = 9; // four aces, joker, four suit symbols

// Each function returns an empty string for an index out of range, so a bad index
// loads a null picture instead of another picture.
QString sound(int id);
QString symbol(Sym s);
QString reelStrip(int reel);
QString imageList1(int i);
QString scatterFrame(int i);
QString highlight();
QString imageList2(int i);
QString wildFrame(int i);
QString overlay(int i);
QString lineTab(int k);
QString card(int i);

QString background();
QString lastBetTitle();
QString thisWinTitle();
QString linesButton(int i); // payline(1)..payline(5): 1, 5, 10, 20, 25 lines
QString betButton(int i); // play(1)..play(6): 1, 2, 3, 5, 10, 20 per line
QString coinButton();
QString doubleUpButton();
QString collectButton();

QString gamblePanel();
QString redButton();
QString blackButton();
QString takeWinButton();
QString winBanner();
QString loseBanner();

// Every picture also comes drawn at twice the size, beside it under Qt's "@2x" name, for a
// cabinet drawn at a device pixel ratio of 2 or more. An empty path stays empty.
QString twice(const QString &picturePath);

QString icon();
QString payTable();
QString handPointer();

QString fontRegular();
QString fontBold();

// Every picture resource, in a stable order (the generator and the inventory test walk it).
QStringList allPictures();
QStringList allSounds();

} // namespace slot::assets
