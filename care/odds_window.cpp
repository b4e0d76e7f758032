// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The player information window. Its figures come from the table counted at build time, so it
// opens at once; however it closes, the cabinet is enabled first.
#include "care/odds_window.hpp"

#include "display/cabinet_corner.hpp"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>

namespace slot
{

namespace
{

constexpr int kSessionGames[] = { 100, 1'000, 10'000 };

QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

// Three bars, one per session length, over a scale of the share of stakes won back.
class SessionPicture : public QWidget
{
public:
    SessionPicture(const OddsFigures &figures, QWidget *parent)
        : QWidget(parent)
        , odds(figures)
    {
        setMinimumSize(280, 96);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        const double top = std::max(2.0, sessionBand(odds, kSessionGames[0]).high);
        const int left = 58, right = width() - 24, axis = height() - 18;
        const auto x = [&](double f) { return left + static_cast<int>((right - left) * f / top); };
        p.setPen(Qt::black);
        p.drawLine(left, axis, right, axis);
        for (int pc = 0; pc <= static_cast<int>(top * 100); pc += top > 4 ? 200 : 100) {
            p.drawLine(x(pc / 100.0), axis, x(pc / 100.0), axis + 3);
            p.drawText(x(pc / 100.0) - 20, axis + 4, 40, 14, Qt::AlignCenter,
                QStringLiteral("%1 %").arg(pc));
        }
        int row = 0;
        for (const int games : kSessionGames) {
            const SessionBand b = sessionBand(odds, games);
            const int y = 6 + row++ * 24;
            p.drawText(
                0, y, left - 6, 16, Qt::AlignRight | Qt::AlignVCenter, qs(groupedNumber(games)));
            p.fillRect(
                QRect(QPoint(x(b.low), y + 2), QPoint(x(b.high), y + 13)), QColor(70, 130, 180));
        }
        p.setPen(QPen(Qt::darkRed, 1, Qt::DashLine));
        p.drawLine(x(1.0), 2, x(1.0), axis);
        p.setPen(Qt::black);
        p.drawLine(x(odds.rtp), 2, x(odds.rtp), axis);
    }

private:
    OddsFigures odds;
};

QString prizeName(const OddsPrize &p)
{
    if (p.symbol == kScatter) {
        return QStringLiteral("%1 scatters (elephant)").arg(p.count);
    }
    return QStringLiteral("%1 x %2").arg(p.count).arg(qs(std::string(symbolName(p.symbol))));
}

QString chancesText(const OddsFigures &o)
{
    return QStringLiteral("Return to player in the long run: <b>%1</b> of all money staked<br>"
                          "Any win: %2 paid games<br>"
                          "A win larger than the stake: %3 paid games<br>"
                          "The free-game feature: %4 paid games<br>"
                          "Largest win of one paid game: %5 credits")
        .arg(qs(percent(o.rtp)), qs(oneIn(o.anyWin)), qs(oneIn(o.aboveStake)), qs(oneIn(o.feature)),
            qs(groupedNumber(o.largestPaidWin)));
}

QString sessionText(const OddsFigures &o)
{
    QString text;
    for (const int games : kSessionGames) {
        const SessionBand b = sessionBand(o, games);
        text += QStringLiteral("after %1 games, 9 players in 10 end with between %2 and %3 of "
                               "their stakes back<br>")
                    .arg(qs(groupedNumber(games)), qs(percent(b.low, 0)), qs(percent(b.high, 0)));
    }
    return text;
}

const QString kShape = QStringLiteral(
    "<b>How the game is shaped.</b> A result that would pay more than twice the stake, or start "
    "the feature, is kept only one time in four; the other times the reels are spun again, so "
    "big wins are rarer than the reels alone would make them. A lion (the wild) is held in place "
    "for the next game, and a game with a held lion always keeps its result: much of the return "
    "comes back through it. Three or more scatters start 10, 20 or 30 free games whose wins are "
    "multiplied by 1, 2, 3, 5 or 10; about a fifth of the return is paid in features. Apart from "
    "the held lion a game does not depend on the ones before it, nor on how much you have won "
    "or lost, except that a player whose own return is above 2000 % starts no feature unless a "
    "lion is held.");

} // namespace

tarnixodds::tarnixodds(QWidget &main, int lines, int bet)
    : QWidget(nullptr, Qt::Window)
    , mainWindow(main)
{
    setObjectName(QStringLiteral("tarnixodds"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Player information"));
    auto *grid = new QGridLayout(this);
    lblSetting = new QLabel(this);
    lblChances = new QLabel(this);
    lblSession = new QLabel(this);
    lblShape = new QLabel(kShape, this);
    lblShape->setWordWrap(true);
    prizeTable = new QTableWidget(0, 3, this);
    prizeTable->setHorizontalHeaderLabels(
        { QStringLiteral("Prize"), QStringLiteral("Pays"), QStringLiteral("Chance") });
    prizeTable->verticalHeader()->hide();
    prizeTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    prizeTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    prizeTable->horizontalHeader()->setStretchLastSection(true);
    prizeTable->setFixedWidth(300);
    lblSession->setWordWrap(true);
    btnClose = new QPushButton(QStringLiteral("Close"), this);
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);

    const OddsFigures *o = oddsFor(lines, bet);
    if (!o) {
        lblSetting->setText(
            QStringLiteral("No figures for %1 lines at %2 a line.").arg(lines).arg(bet));
    } else {
        lblSetting->setText(QStringLiteral("<b>%1 line%2 at %3 credit%4 a line: a game costs %5 "
                                           "credits. Chances are per paid game.</b>")
                                .arg(lines)
                                .arg(lines == 1 ? "" : "s")
                                .arg(bet)
                                .arg(bet == 1 ? "" : "s")
                                .arg(o->stake));
        lblChances->setText(chancesText(*o));
        lblSession->setText(sessionText(*o));
        for (const OddsPrize &p : o->prizes) {
            if (p.pay <= 0) {
                continue;
            }
            const int r = prizeTable->rowCount();
            prizeTable->insertRow(r);
            prizeTable->setItem(r, 0, new QTableWidgetItem(prizeName(p)));
            prizeTable->setItem(r, 1, new QTableWidgetItem(qs(groupedNumber(p.pay))));
            prizeTable->setItem(r, 2, new QTableWidgetItem(qs(oneIn(p.chance))));
        }
        grid->addWidget(new SessionPicture(*o, this), 3, 0);
    }
    grid->addWidget(lblSetting, 0, 0, 1, 2);
    grid->addWidget(lblChances, 1, 0);
    grid->addWidget(lblSession, 2, 0);
    grid->setColumnStretch(0, 1);
    grid->addWidget(prizeTable, 1, 1, 3, 1);
    grid->addWidget(lblShape, 4, 0, 1, 2);
    grid->addWidget(btnClose, 5, 1, Qt::AlignRight);
    resize(790, 580);
    openAtCabinetCorner(*this, mainWindow);
}

void tarnixodds::closeEvent(QCloseEvent *event)
{
    mainWindow.setEnabled(true);
    event->accept();
}

} // namespace slot
