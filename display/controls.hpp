// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The few ways the windows make their labels and buttons, and show amounts, all alike.
#pragma once

#include "display/picture_button.hpp"

#include <QColor>
#include <QLabel>
#include <QString>

namespace slot
{

// A label in the cabinet font, bold unless asked otherwise.
QLabel *makeLabel(QWidget *parent, const QRect &r, int points, const QColor &colour,
    bool bold = true, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);

// A picture button; without a face it draws its caption.
PictureButton *makeButton(
    QWidget *parent, const QRect &r, const QPixmap &face, const QString &caption);

// An amount as plain credits, and as "$ " dollars with the locale's decimal separator.
QString plainText(long long amount);
QString moneyText(long long amount);

} // namespace slot
