// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Positions are in twips relative to the panel, 15 to a pixel. Changes made while a draw
// blocks the thread are repainted at once, or the player would not see them.
#include "gamble/double_panel.hpp"

#include "display/controls.hpp"
#include "display/pacing.hpp"
#include "display/twips.hpp"
#include "flow/money_display.hpp"
#include "gamble/card_faces.hpp"
#include "gamble/gamble_rules.hpp"

#include <QPainter>

namespace slot
{

namespace
{

constexpr int kHistoryTop = 3960;
constexpr int kBannerLeft = 700;
// Without a breath per pixel the whole slide would fit between two screen refreshes and the
// banner would just appear at its end.
constexpr int kSlideStepMs = 1;
constexpr Qt::Alignment kTopLeft = Qt::AlignLeft | Qt::AlignTop;

} // namespace

CardPicture::CardPicture(QWidget *parent)
    : QWidget(parent)
{
}

void CardPicture::setPicture(int pictureIndex, const QPixmap &picture)
{
    index = pictureIndex;
    shown = picture;
    repaint();
}

void CardPicture::paintEvent(QPaintEvent *)
{
    if (shown.isNull()) {
        return;
    }
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), shown);
}

DoublePanel::DoublePanel(const CabinetPictures &cabinetPictures, QWidget *parent)
    : QWidget(parent)
    , pictures(cabinetPictures)
{
    buildControls();
}

void DoublePanel::buildControls()
{
    const QColor yellow(Qt::yellow);
    risklab = makeLabel(this, twipsRect(480, 50, 2895, 400), 18, yellow, true, kTopLeft);
    lblsuit = makeLabel(this, twipsRect(240, 525, 2610, 405), 10, Qt::white, true, kTopLeft);
    lblblackred = makeLabel(this, twipsRect(240, 750, 2055, 255), 9, yellow, true, kTopLeft);
    constexpr int suitLeft[5] = { 0, 240, 2680, 240, 2680 };
    constexpr int suitTop[5] = { 0, 1080, 1080, 2640, 2640 };
    for (int i = 1; i <= 4; ++i) {
        suitbet.set(
            i, makeButton(this, twipsRect(suitLeft[i], suitTop[i], 810, 810), QPixmap(), {}));
    }
    piccardholder = new CardPicture(this);
    piccardholder->setGeometry(twipsRect(1080, 1080, 1560, 2355));
    betred
        = makeButton(this, twipsRect(60, 3480, 1020, 450), pictures.redFace, QStringLiteral("RED"));
    cancelbet = makeButton(
        this, twipsRect(1100, 3480, 1560, 450), pictures.cancelbetFace, QStringLiteral("TAKE WIN"));
    betblack = makeButton(
        this, twipsRect(2680, 3480, 1020, 450), pictures.blackFace, QStringLiteral("BLACK"));
    for (int k = 1; k <= 5; ++k) {
        auto *cell = new CardPicture(this);
        cell->setGeometry(twipsRect(historyPlaceLeft(k), kHistoryTop, 495, 495));
        cell->setEnabled(false);
        cell->hide();
        historypic.set(k, cell);
    }
    Lblpasthistory = makeLabel(this, twipsRect(600, 4500, 2535, 300), 12, yellow, true, kTopLeft);
    Lblpasthistory->setText(QStringLiteral("past history"));
    Lblpasthistory->setAlignment(Qt::AlignCenter);
    gamblewin = new CardPicture(this);
    gamblewin->setGeometry(twipsRect(kBannerLeft, 5000, 2250, 450));
    gamblewin->setPicture(
        1, bannerFace(pictures.gambleWinBanner, QStringLiteral("WIN"), QColor(0x1c, 0x8a, 0x2e)));
    gamblewin->hide();
    gamblelose = new CardPicture(this);
    gamblelose->setGeometry(twipsRect(720, 5040, 2250, 450));
    gamblelose->setPicture(
        1, bannerFace(pictures.gambleLoseBanner, QStringLiteral("LOSE"), QColor(0xa8, 0x12, 0x1e)));
    gamblelose->hide();
}

void DoublePanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (!pictures.panelBackground.isNull()) {
        p.drawPixmap(rect(), pictures.panelBackground);
        return;
    }
    p.fillRect(rect(), QColor(0x0d, 0x4a, 0x2a));
    p.setPen(QPen(QColor(0xf7, 0xd3, 0x5c), 3));
    p.drawRect(rect().adjusted(1, 1, -2, -2));
}

void DoublePanel::showCard(int pictureIndex)
{
    piccardholder->setPicture(pictureIndex, cardFace(pictures.imagelistcards, pictureIndex));
}

void DoublePanel::showSuitFaces()
{
    for (int i = 1; i <= 4; ++i) {
        suitbet(i)->setFace(cardFace(pictures.imagelistcards, 5 + i));
    }
}

void DoublePanel::setRisk(Money atrisk)
{
    risklab->setText(QStringLiteral("At Risk  ") + plainText(atrisk));
    risklab->repaint();
}

void DoublePanel::showAmounts(Money atrisk)
{
    setRisk(atrisk);
    lblblackred->setText(QStringLiteral("Black/Red Win = ") + plainText(2LL * atrisk));
    lblsuit->setText(QStringLiteral("Suit Win = ") + plainText(4LL * atrisk));
    lblblackred->repaint();
    lblsuit->repaint();
}

void DoublePanel::enableBets(bool colour, bool suit)
{
    betred->setEnabled(colour);
    betblack->setEnabled(colour);
    suitbet.each([suit](PictureButton *b) { b->setEnabled(suit); });
}

void DoublePanel::recordCard(Short historycount, int card)
{
    const HistoryStrip strip = historyStrip(historycount);
    CardPicture *fresh = historypic(strip.newCell);
    if (!fresh) {
        return;
    }
    for (int place = 1; place <= 5; ++place) {
        historypic(strip.cellAtPlace[static_cast<std::size_t>(place)])
            ->move(px(historyPlaceLeft(place)), px(kHistoryTop));
    }
    fresh->setPicture(card + 5, cardFace(pictures.imagelistcards, card + 5));
    if (historycount <= 5) {
        fresh->show();
    }
    repaint(twipsRect(
        historyPlaceLeft(1), kHistoryTop, historyPlaceLeft(5) + 495 - historyPlaceLeft(1), 495));
}

void DoublePanel::hideBanner(CardPicture *banner)
{
    banner->hide();
    repaint(banner->geometry());
}

void DoublePanel::slideBanner(CardPicture *banner, Pacing &pacing)
{
    int shownTop = -1;
    for (int y = 10; y <= 5000; ++y) {
        const int top = px(y);
        if (top == shownTop && banner->isVisibleTo(this)) {
            continue; // the same pixel: nothing new to show
        }
        const QRect before = banner->isVisibleTo(this) ? banner->geometry() : QRect();
        banner->move(px(kBannerLeft), top);
        banner->show();
        repaint(before.united(banner->geometry()));
        shownTop = top;
        pacing.sleep(kSlideStepMs);
    }
}

} // namespace slot
