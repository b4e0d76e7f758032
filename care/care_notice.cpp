// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The reminder and limit notices. However they close, the cabinet is enabled first; a notice
// closed without its button counts as seen.
#include "care/care_notice.hpp"

#include "care/odds_figures.hpp"
#include "display/cabinet_corner.hpp"
#include "flow/money_display.hpp"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace slot
{

namespace
{

QString money(std::int64_t credits)
{
    return QStringLiteral("%1 credits (%2)")
        .arg(QString::fromStdString(groupedNumber(credits)),
            QString::fromStdString(dollars(credits)));
}

QString duration(Seconds s)
{
    const auto minutes = s / 60;
    return minutes >= 60 ? QStringLiteral("%1 h %2 min").arg(minutes / 60).arg(minutes % 60)
                         : QStringLiteral("%1 min").arg(minutes);
}

} // namespace

QString careNoticeText(CareVerdict why, const PlayerCare &care)
{
    const SessionFigures &s = care.session();
    QString head;
    switch (why) {
    case CareVerdict::LossLimit:
        head = QStringLiteral("You have reached your loss limit for today: %1 lost of your "
                              "limit of %2. Play stops here until tomorrow.")
                   .arg(money(care.lossToday()), money(care.settings().lossPerDay.value));
        break;
    case CareVerdict::TimeLimit:
        head = QStringLiteral("You have reached your time limit of %1 minutes for this session. "
                              "Play stops here.")
                   .arg(care.settings().sessionMinutes.value);
        break;
    default:
        head = QStringLiteral("A reminder: you have been playing for a while.");
        break;
    }
    QString text = head
        + QStringLiteral("\n\nTime played: %1\nPaid games: %2\nStaked: %3\nWon: %4\n"
                         "Net result: %5")
              .arg(duration(s.played), QString::fromStdString(groupedNumber(s.games)),
                  money(s.staked), money(s.won), money(s.net()));
    if (why != CareVerdict::Remind) {
        text += QStringLiteral("\n\nYour credit is safe: coins, the credit, Recall and leaving "
                               "still work.");
    }
    return text;
}

tarnixcare::tarnixcare(QWidget &main, CareVerdict reason, const PlayerCare &care,
    std::function<void()> keepPlaying, std::function<void()> leave)
    : QWidget(nullptr, Qt::Window)
    , why(reason)
    , mainWindow(main)
    , keep(std::move(keepPlaying))
{
    setObjectName(QStringLiteral("tarnixcare"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(reason == CareVerdict::Remind ? QStringLiteral("Session reminder")
                                                 : QStringLiteral("Limit reached"));
    auto *column = new QVBoxLayout(this);
    lblNotice = new QLabel(careNoticeText(reason, care), this);
    lblNotice->setTextFormat(Qt::PlainText);
    lblNotice->setWordWrap(true);
    column->addWidget(lblNotice);
    auto *row = new QHBoxLayout;
    row->addStretch();
    btnKeepPlaying = new QPushButton(
        reason == CareVerdict::Remind ? QStringLiteral("Keep playing") : QStringLiteral("OK"),
        this);
    btnLeave = new QPushButton(QStringLiteral("Leave"), this);
    row->addWidget(btnKeepPlaying);
    row->addWidget(btnLeave);
    column->addLayout(row);
    connect(btnKeepPlaying, &QPushButton::clicked, this, &QWidget::close);
    connect(btnLeave, &QPushButton::clicked, this, [this, leave = std::move(leave)] {
        close();
        leave();
    });
    // A wrapped label only knows its height for a given width.
    setFixedWidth(440);
    setFixedHeight(column->totalHeightForWidth(440));
    openAtCabinetCorner(*this, mainWindow);
}

void tarnixcare::closeEvent(QCloseEvent *event)
{
    mainWindow.setEnabled(true);
    if (keep) {
        keep();
        keep = nullptr;
    }
    event->accept();
}

} // namespace slot
