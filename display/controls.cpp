// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Labels and buttons of the cabinet's windows.
#include "display/controls.hpp"

#include "flow/money_display.hpp"

#include <QLocale>

namespace slot
{

QLabel *makeLabel(QWidget *parent, const QRect &r, int points, const QColor &colour, bool bold,
    Qt::Alignment align)
{
    auto *l = new QLabel(parent);
    l->setGeometry(r);
    QFont f(QStringLiteral("Comic Neue"));
    f.setPointSize(points);
    f.setBold(bold);
    l->setFont(f);
    l->setAlignment(align);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, colour);
    l->setPalette(pal);
    return l;
}

PictureButton *makeButton(
    QWidget *parent, const QRect &r, const QPixmap &face, const QString &caption)
{
    auto *b = new PictureButton(parent);
    b->setGeometry(r);
    b->setText(caption);
    b->setFace(face);
    return b;
}

QString plainText(long long amount)
{
    return QString::fromStdString(plainCredits(amount));
}

QString moneyText(long long amount)
{
    const QString point = QLocale().decimalPoint();
    const char separator = point.isEmpty() ? '.' : point.at(0).toLatin1();
    return QString::fromStdString(dollars(amount, separator ? separator : '.'));
}

} // namespace slot
