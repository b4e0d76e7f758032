// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The pay-table window. However it closes, the cabinet is enabled first.
#include "display/paytable_window.hpp"

#include "assets/asset_catalog.hpp"
#include "display/cabinet_corner.hpp"
#include "display/twips.hpp"

#include <QCloseEvent>
#include <QPainter>
#include <QPushButton>

namespace slot
{

tarnixpays::tarnixpays(QWidget &main)
    : QWidget(nullptr, Qt::Window)
    , mainWindow(main)
    , picture(slot::picture(assets::payTable()))
{
    setObjectName(QStringLiteral("tarnixpays"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("TARNIX PAYTABLE"));
    setFixedSize(px(7515), px(5685));
    btnunloadpays = new QPushButton(QStringLiteral("Close Paytable"), this);
    btnunloadpays->setGeometry(twipsRect(4500, 5295, 2475, 315));
    connect(btnunloadpays, &QPushButton::clicked, this, &tarnixpays::btnunloadpays_Click);
}

void tarnixpays::btnunloadpays_Click()
{
    close();
}

void tarnixpays::closeEvent(QCloseEvent *event)
{
    mainWindow.setEnabled(true);
    event->accept();
}

void tarnixpays::paintEvent(QPaintEvent *)
{
    QPainter(this).drawPixmap(0, 0, picture);
}

void tarnixpays::CenterForm(QWidget *form)
{
    if (!form || form->isMinimized() || form->isMaximized()) {
        return;
    }
    openAtCabinetCorner(*form, mainWindow);
}

} // namespace slot
