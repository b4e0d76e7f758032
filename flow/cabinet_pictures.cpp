// Pictures come from the built-in resources, loaded once for the whole run. A missing reel
// strip is drawn plainly from the tables so the cabinet still shows every symbol where it is.
#include "flow/cabinet_pictures.hpp"

#include "assets/asset_paths.hpp"
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
        list.add(QPixmap(path(i)));
    }
    return list;
}

CabinetPictures load()
{
    CabinetPictures c;
    c.background = QPixmap(assets::background());
    for (int reel = 1; reel <= kReels; ++reel) {
        const QPixmap strip(assets::reelStrip(reel));
        c.reel[static_cast<std::size_t>(reel)] = strip.isNull() ? plainStrip(reel) : strip;
    }
    for (int i = 1; i <= 5; ++i) {
        c.paylineFace[static_cast<std::size_t>(i)] = QPixmap(assets::linesButton(i));
    }
    for (int i = 1; i <= 6; ++i) {
        c.playFace[static_cast<std::size_t>(i)] = QPixmap(assets::betButton(i));
    }
    c.coinFace = QPixmap(assets::coinButton());
    c.doubleFace = QPixmap(assets::doubleUpButton());
    c.takewinFace = QPixmap(assets::collectButton());
    c.lastBetTitle = QPixmap(assets::lastBetTitle());
    c.thisWinTitle = QPixmap(assets::thisWinTitle());
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
    c.ImageList2 = imageList(assets::kImageList2, assets::imageList2);
    c.imagelistcards = imageList(assets::kCards, assets::card);
    c.panelBackground = QPixmap(assets::gamblePanel());
    c.redFace = QPixmap(assets::redButton());
    c.blackFace = QPixmap(assets::blackButton());
    c.cancelbetFace = QPixmap(assets::takeWinButton());
    c.gambleWinBanner = QPixmap(assets::winBanner());
    c.gambleLoseBanner = QPixmap(assets::loseBanner());
    return c;
}

} // namespace

CabinetPictures loadCabinetPictures()
{
    static const CabinetPictures pictures = load();
    return pictures;
}

} // namespace slot
