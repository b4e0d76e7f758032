// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The contact sheet: every picture on one page, grouped by family, with its file name.
#include "assets/asset_paths.hpp"
#include "pictures.hpp"

#include <QDir>
#include <QFileInfo>
#include <functional>

namespace slot::art
{

namespace
{

constexpr int kWidth = 1480;
constexpr int kMargin = 16;
constexpr int kLabel = 14;

struct Flow {
    QPainter *p = nullptr; // null while measuring
    int x = kMargin, y = kMargin, rowHeight = 0;

    void heading(const QString &text)
    {
        newRow();
        if (p) {
            shadowText(*p, text, cabinetFont(20), QRectF(kMargin, y, kWidth, 26),
                QColor(255, 214, 80), QColor(0, 0, 0, 200), Qt::AlignLeft | Qt::AlignVCenter);
        }
        y += 30;
    }
    void newRow()
    {
        if (x > kMargin) {
            y += rowHeight + 10;
        }
        x = kMargin;
        rowHeight = 0;
    }
    void item(const QImage &img, const QString &label, qreal scale = 1.0)
    {
        const int w = static_cast<int>(img.width() * scale);
        const int h = static_cast<int>(img.height() * scale);
        const int cellW = std::max(w, 40);
        if (x + cellW > kWidth - kMargin) {
            newRow();
        }
        if (p) {
            // A checkerboard shows which parts of a picture are transparent.
            for (int cy = 0; cy < h; cy += 8) {
                for (int cx = 0; cx < w; cx += 8) {
                    const bool dark = ((cx + cy) / 8) % 2;
                    p->fillRect(QRect(x + cx, y + cy, std::min(8, w - cx), std::min(8, h - cy)),
                        dark ? QColor(70, 70, 80) : QColor(100, 100, 112));
                }
            }
            p->drawImage(QRectF(x, y, w, h), img);
            p->setPen(QColor(220, 220, 230));
            p->setFont(cabinetFont(10, false));
            p->drawText(
                QRectF(x - 4, y + h, cellW + 8, kLabel), Qt::AlignHCenter | Qt::AlignTop, label);
        }
        x += cellW + 8;
        rowHeight = std::max(rowHeight, h + kLabel);
    }
};

// The pictures put together as the main window will show them, reels at their first stop.
QImage cabinetPreview(const Pictures &all)
{
    QImage img = all.at(assets::background()).copy();
    QPainter p(&img);
    const qreal reelLeft[] = { 800, 2430, 4090, 5750, 7390 };
    for (int r = 1; r <= 5; ++r) {
        const QImage &strip = all.at(assets::reelStrip(r));
        p.drawImage(QPointF(reelLeft[r - 1] / 15, 800 / 15.0), strip, QRectF(0, 100 * r, 100, 300));
    }
    const int left[] = { 6, 2, 4, 12, 11, 9, 1, 8, 10, 7, 5, 3, 13 };
    const int right[] = { 14, 18, 25, 22, 21, 23, 1, 15, 17, 20, 16, 19, 24 };
    for (int slot = 0; slot < 13; ++slot) {
        const qreal top = (720 + 356 * slot) / 15.0;
        p.drawImage(QPointF(120 / 15.0, top), all.at(assets::lineTab(left[slot])));
        p.drawImage(QPointF(9070 / 15.0, top), all.at(assets::lineTab(right[slot])));
    }
    const qreal buttonLeft[] = { 135, 1450, 2770, 4090, 5415, 6735 };
    for (int i = 1; i <= 6; ++i) {
        const QString top = i <= 5 ? assets::linesButton(i) : assets::coinButton();
        p.drawImage(QPointF(buttonLeft[i - 1] / 15, 5400 / 15.0), all.at(top));
        p.drawImage(QPointF(buttonLeft[i - 1] / 15, 6000 / 15.0), all.at(assets::betButton(i)));
    }
    p.drawImage(QPointF(8050 / 15.0, 5400 / 15.0), all.at(assets::doubleUpButton()));
    p.drawImage(QPointF(430, 14), all.at(assets::lastBetTitle()));
    return img;
}

// The gamble panel as it looks after a won draw: card, suit buttons, history and banner.
QImage gamblePreview(const Pictures &all)
{
    QImage img = all.at(assets::gamblePanel()).copy();
    QPainter p(&img);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPointF suits[] = { { 240, 1080 }, { 2680, 1080 }, { 240, 2640 }, { 2680, 2640 } };
    for (int i = 0; i < 4; ++i) {
        p.drawImage(suits[i] / 15 + QPointF(2, 2), all.at(assets::card(6 + i)));
    }
    p.drawImage(
        QRectF(1080 / 15.0, 1080 / 15.0, 1560 / 15.0, 2355 / 15.0), all.at(assets::card(3)));
    p.drawImage(QPointF(60 / 15.0, 3480 / 15.0), all.at(assets::redButton()));
    p.drawImage(QPointF(1100 / 15.0, 3480 / 15.0), all.at(assets::takeWinButton()));
    p.drawImage(QPointF(2680 / 15.0, 3480 / 15.0), all.at(assets::blackButton()));
    const int history[] = { 7, 6, 9, 8 };
    for (int k = 0; k < 4; ++k) {
        p.drawImage(
            QRectF((360 + 600 * k) / 15.0, 3960 / 15.0, 33, 33), all.at(assets::card(history[k])));
    }
    p.drawImage(QPointF(700 / 15.0, 5000 / 15.0), all.at(assets::winBanner()));
    shadowText(p, QStringLiteral("At Risk  300"), cabinetFont(22), QRectF(32, 3, 193, 27),
        QColor(255, 255, 0), QColor(0, 0, 0, 200));
    shadowText(p, QStringLiteral("past history"), cabinetFont(14), QRectF(40, 300, 169, 20),
        QColor(255, 255, 0), QColor(0, 0, 0, 200));
    return img;
}

QString labelOf(const QString &path)
{
    const QFileInfo info(path);
    return info.dir().dirName() == QStringLiteral("pictures")
        ? info.baseName()
        : info.dir().dirName().left(6) + "/" + info.baseName();
}

void layout(Flow &f, const Pictures &all)
{
    // In catalogue order, so numbered lists read 1, 2, 3 rather than 1, 10, 2.
    const QStringList order = assets::allPictures();
    const auto family = [&](const QString &dir) {
        for (const QString &path : order) {
            if (path.startsWith(QStringLiteral(":/pictures/") + dir + '/')) {
                f.item(all.at(path), labelOf(path));
            }
        }
        f.newRow();
    };
    f.heading(QStringLiteral("Cabinet, pay table and gamble panel"));
    f.item(cabinetPreview(all), QStringLiteral("(the pictures assembled, for review)"));
    f.item(gamblePreview(all), QStringLiteral("(gamble, assembled)"));
    f.newRow();
    for (const char *name : { "background", "paytable", "gamble/panel" }) {
        const QString path = QStringLiteral(":/pictures/%1.png").arg(QLatin1String(name));
        f.item(all.at(path), labelOf(path));
    }
    f.heading(QStringLiteral("Symbols"));
    family(QStringLiteral("symbols"));
    f.heading(QStringLiteral("Reel strips (turned on their side, half size)"));
    for (const auto &[path, img] : all) {
        if (path.startsWith(QStringLiteral(":/pictures/reels/"))) {
            f.item(img.transformed(QTransform().rotate(-90)), labelOf(path), 0.5);
            f.newRow();
        }
    }
    f.heading(QStringLiteral("ImageList1: scatter frames 1-20, highlight 21"));
    family(QStringLiteral("imagelist1"));
    f.heading(QStringLiteral("ImageList2: wild frames 1-18, multiplier overlays 19-34"));
    family(QStringLiteral("imagelist2"));
    f.heading(QStringLiteral("Cards and gamble"));
    family(QStringLiteral("cards"));
    for (const QString &path : order) {
        if (path.startsWith(QStringLiteral(":/pictures/gamble/"))
            && !path.contains(QStringLiteral("panel"))) {
            f.item(all.at(path), labelOf(path));
        }
    }
    f.newRow();
    f.heading(QStringLiteral("Buttons, titles, icon and pointer"));
    family(QStringLiteral("buttons"));
    family(QStringLiteral("titles"));
    for (const char *name : { "icon", "hand" }) {
        const QString path = QStringLiteral(":/pictures/%1.png").arg(QLatin1String(name));
        f.item(all.at(path), labelOf(path));
    }
    f.newRow();
    f.heading(QStringLiteral("Payline tabs 1-50"));
    family(QStringLiteral("linepics"));
}

} // namespace

QImage contactSheet(const Pictures &all)
{
    Flow measure;
    layout(measure, all);
    measure.newRow();
    QImage sheet = canvas(kWidth, measure.y + kMargin, QColor(34, 36, 48));
    QPainter p(&sheet);
    Flow draw;
    draw.p = &p;
    layout(draw, all);
    return sheet;
}

} // namespace slot::art
