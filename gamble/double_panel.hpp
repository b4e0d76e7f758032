// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The gamble panel: the card, the suit and colour bets, TAKE WIN and the card history strip.
// It only shows what the cabinet's handlers decide; the money is the core's.
#pragma once

#include "display/one_based.hpp"
#include "display/picture_button.hpp"
#include "flow/cabinet_pictures.hpp"
#include "flow/checked.hpp"

#include <QLabel>
#include <QWidget>

namespace slot
{

class Pacing;

// A picture stretched to its size that remembers which picture of its list it shows.
class CardPicture : public QWidget
{
public:
    explicit CardPicture(QWidget *parent);
    void setPicture(int index, const QPixmap &picture);
    int pictureIndex() const { return index; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int index = 0;
    QPixmap shown;
};

class DoublePanel : public QWidget
{
public:
    DoublePanel(const CabinetPictures &pictures, QWidget *parent);

    QLabel *risklab = nullptr, *lblsuit = nullptr, *lblblackred = nullptr;
    OneBased<PictureButton, 4> suitbet;
    CardPicture *piccardholder = nullptr;
    PictureButton *betred = nullptr, *cancelbet = nullptr, *betblack = nullptr;
    OneBased<CardPicture, 5> historypic;
    QLabel *Lblpasthistory = nullptr;
    CardPicture *gamblewin = nullptr, *gamblelose = nullptr;

    // A draw lets pending events run twice; clicks that arrive then are refused, or they
    // would draw inside the draw, pay out before the card is judged, or draw after a loss.
    bool drawRunning = false;

    void showCard(int index); // an ace 1..4, or the joker 5
    void showSuitFaces();
    void setRisk(Money atrisk);
    void showAmounts(Money atrisk); // the stake and what a colour and a suit win would pay
    void enableBets(bool colour, bool suit);
    void recordCard(Short historycount, int card);
    void hideBanner(CardPicture *banner);
    void slideBanner(CardPicture *banner, Pacing &pacing);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void buildControls();
    const CabinetPictures &pictures;
};

} // namespace slot
