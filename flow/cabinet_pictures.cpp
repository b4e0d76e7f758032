// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Pictures come from the built-in resources, loaded once for the whole run. A missing reel
// strip is drawn plainly from the tables so the cabinet still shows every symbol where it is.
#include "flow/cabinet_pictures.hpp"

#include "assets/asset_catalog.hpp"
#include "rules/game_tables.hpp"

#include <QPainter>

namespace slot
{

namespace
{

QPixmap plainStrip(int reel)
{
    QPixmap strip(100, 100 * kStripRows);
    strip.fill(QColor(0x10, 0x1c, 0x55));
    QPainter p(&strip);
    p.setPen(Qt::white);
    for (int row = 0; row < kStripRows; ++row) {
        const Sym s
            = tables::reelStrip[static_cast<std::size_t>(reel - 1)][static_cast<std::size_t>(row)];
        const std::string_view name = symbolName(s);
        p.drawRect(2, row * 100 + 2, 95, 95);
        p.drawText(QRect(0, row * 100, 100, 100), Qt::AlignCenter,
            QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    }
    return strip;
}

ImageList imageList(int count, QString (*path)(int))
{
    ImageList list;
    for (int i = 1; i <= count; ++i) {
        list.add(picture(path(i)));
    }
    return list;
}

CabinetPictures load()
{
    CabinetPictures c;
    c.background = picture(assets::background());
    for (int reel = 1; reel <= kReels; ++reel) {
        const QPixmap strip = picture(assets::reelStrip(reel));
        c.reel[static_cast<std::size_t>(reel)] = strip.isNull() ? plainStrip(reel) : strip;
    }
    for (int i = 1; i <= 5; ++i) {
        c.paylineFace[static_cast<std::size_t>(i)] = picture(assets::linesButton(i));
    }
    for (int i = 1; i <= 6; ++i) {
        c.playFace[static_cast<std::size_t>(i)] = picture(assets::betButton(i));
    }
    c.coinFace = picture(assets::coinButton());
    c.doubleFace = picture(assets::doubleUpButton());
    c.takewinFace = picture(assets::collectButton());
    c.lastBetTitle = picture(assets::lastBetTitle());
    c.thisWinTitle = picture(assets::thisWinTitle());
    c.linepics = imageList(assets::kLineTabs, assets::lineTab);
    c.ImageList1 = imageList(assets::kHighlightIndex, assets::imageList1);
    if (c.ImageList1.picture(assets::kHighlightIndex).isNull()) {
        QPixmap highlight(100, 100);
        highlight.fill(QColor(0xd6, 0xf7, 0xc6));
        c.ImageList1 = ImageList();
        for (int i = 1; i <= assets::kHighlightIndex; ++i) {
            c.ImageList1.add(i == assets::kHighlightIndex ? highlight : QPixmap());
        }
    }
    c.ImageList2 = imageList(assets::kWildFrames, assets::wildFrame);
    // The multipliers are drawn over the wild with white as their transparent colour.
    for (int i = assets::kWildFrames + 1; i <= assets::kImageList2; ++i) {
        c.ImageList2.add(pictureOnWhite(assets::overlay(i)));
    }
    c.imagelistcards = imageList(assets::kCards, assets::card);
    c.panelBackground = picture(assets::gamblePanel());
    c.redFace = picture(assets::redButton());
    c.blackFace = picture(assets::blackButton());
    c.cancelbetFace = picture(assets::takeWinButton());
    c.gambleWinBanner = picture(assets::winBanner());
    c.gambleLoseBanner = picture(assets::loseBanner());
    return c;
}

} // namespace

CabinetPictures loadCabinetPictures()
{
    static const CabinetPictures pictures = load();
    return pictures;
}

} // namespace slot
