// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The about window. Closing it by any route gives the cabinet back to the player.
#include "display/about_window.hpp"

#include "assets/asset_catalog.hpp"
#include "display/cabinet_corner.hpp"
#include "display/twips.hpp"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace slot
{

abouttarnix::abouttarnix(QWidget &main, OpenUrl open, std::string address)
    : QWidget(nullptr, Qt::Window)
    , mainWindow(main)
    , openUrl(std::move(open))
    , page(std::move(address))
{
    setObjectName(QStringLiteral("abouttarnix"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(px(5730), px(4140));
    // Laid out in twips for small captions; the cabinet's own font is larger.
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    buildControls();
    Form_Load();
}

void abouttarnix::buildControls()
{
    picIcon = new QLabel(this);
    picIcon->setGeometry(twipsRect(120, 240, 480, 480));
    picIcon->setPixmap(picture(assets::icon()));
    lblTitle = new QLabel(QStringLiteral("Slots_TarNix  Version 1.0"), this);
    lblTitle->setGeometry(twipsRect(840, 120, 2982, 825));
    QFont big = lblTitle->font();
    big.setPixelSize(18);
    big.setBold(true);
    lblTitle->setFont(big);
    lblTitle->setStyleSheet(QStringLiteral("color: black;"));
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setGeometry(twipsRect(4080, 360, 1260, 345));
    lblDescription = new QLabel(
        QStringLiteral("This is as close as I can get to the machines found in the clubs and "
                       "casinos around Australia. It will return on average 87.5% ."),
        this);
    lblDescription->setGeometry(twipsRect(120, 960, 5535, 450));
    lblDescription->setWordWrap(true);
    lblDescription->setStyleSheet(QStringLiteral("color: black;"));
    Label2 = new QLabel(QStringLiteral("See More Slots At :-"), this);
    Label2->setGeometry(twipsRect(120, 1440, 2175, 375));
    // The page is the guide that ships with the game; the label names it, the tip says where.
    Label3 = new QLabel(QFileInfo(QString::fromStdString(page)).fileName(), this);
    Label3->setGeometry(twipsRect(2280, 1440, 3375, 255));
    Label3->setToolTip(QString::fromStdString(page));
    Label3->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
    Label3->setCursor(
        QCursor(picture(assets::handPointer()), assets::kHandHotX, assets::kHandHotY));
    Label3->installEventFilter(this);
    connect(cmdOK, &QPushButton::clicked, this, &abouttarnix::cmdOK_Click);
}

void abouttarnix::Form_Load()
{
    setWindowTitle(QStringLiteral("About slots_tarnix"));
}

void abouttarnix::cmdOK_Click()
{
    close();
}

void abouttarnix::closeEvent(QCloseEvent *event)
{
    event->accept();
    mainWindow.setEnabled(true);
}

void abouttarnix::Label3_MouseDown(Qt::MouseButton Button)
{
    if (Button == Qt::LeftButton && openUrl) {
        openUrl(page);
    }
}

bool abouttarnix::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Label3 && event->type() == QEvent::MouseButtonPress) {
        Label3_MouseDown(static_cast<QMouseEvent *>(event)->button());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void abouttarnix::centreform(QWidget *form)
{
    if (!form || mainWindow.isMinimized() || mainWindow.isMaximized()) {
        return;
    }
    openAtCabinetCorner(*form, mainWindow);
}

} // namespace slot
