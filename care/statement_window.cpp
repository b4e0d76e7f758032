// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The activity statement window. The ledger is the core's; the export writes its CSV as the
// records are written (temporary file, flush, rename).
#include "care/statement_window.hpp"

#include "care/odds_figures.hpp"
#include "display/cabinet_corner.hpp"
#include "players/durable_file.hpp"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace slot
{

namespace
{

QString number(std::int64_t n)
{
    return QString::fromStdString(groupedNumber(n));
}

QString hours(std::int64_t seconds)
{
    return QStringLiteral("%1:%2")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'));
}

// The net result of each of the last 90 days as a bar above (won) or below (lost) the line.
class NetChart : public QWidget
{
public:
    NetChart(std::vector<DayActivity> shown, std::string lastDay, QWidget *parent)
        : QWidget(parent)
        , rows(std::move(shown))
        , today(std::move(lastDay))
    {
        setMinimumHeight(110);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        std::int64_t most = 1;
        for (const DayActivity &d : rows) {
            most = std::max(most, d.net() < 0 ? -d.net() : d.net());
        }
        const int mid = height() / 2;
        const double slotWidth = static_cast<double>(width() - 8) / kStatementDays;
        for (const DayActivity &d : rows) {
            int back = 0; // days before today
            for (int k = 0; k < kStatementDays; ++k) {
                if (shiftDate(today, -k) == d.date) {
                    back = k;
                    break;
                }
            }
            const int x = 4 + static_cast<int>((kStatementDays - 1 - back) * slotWidth);
            const int h = static_cast<int>(
                static_cast<double>(d.net()) / static_cast<double>(most) * (mid - 6));
            p.fillRect(QRect(x, h >= 0 ? mid - h : mid,
                           std::max(2, static_cast<int>(slotWidth) - 1), h >= 0 ? h : -h),
                h >= 0 ? QColor(46, 139, 87) : QColor(178, 34, 34));
        }
        p.setPen(Qt::black);
        p.drawLine(4, mid, width() - 4, mid);
        p.drawText(QRect(4, 2, width() - 8, 14), Qt::AlignLeft,
            QStringLiteral("Net result by day, the last %1 days").arg(kStatementDays));
    }

private:
    std::vector<DayActivity> rows;
    std::string today;
};

} // namespace

tarnixstatement::tarnixstatement(
    QWidget &main, const ActivityLedger &l, const std::string &today, int s)
    : QWidget(nullptr, Qt::Window)
    , mainWindow(main)
    , ledger(l)
    , slot(s)
{
    setObjectName(QStringLiteral("tarnixstatement"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Activity statement"));
    auto *column = new QVBoxLayout(this);
    const std::vector<DayActivity> shown = ledger.lastDays(today, kStatementDays);
    days = new QTableWidget(static_cast<int>(shown.size()), 8, this);
    days->setHorizontalHeaderLabels({ QStringLiteral("Date"), QStringLiteral("Time played"),
        QStringLiteral("Paid games"), QStringLiteral("Staked"), QStringLiteral("Won"),
        QStringLiteral("Net"), QStringLiteral("Biggest win"), QStringLiteral("Features") });
    days->verticalHeader()->hide();
    days->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DayActivity sum;
    int row = 0;
    for (auto it = shown.rbegin(); it != shown.rend(); ++it, ++row) { // newest first
        const DayActivity &d = *it;
        const QString cells[] = { QString::fromStdString(d.date), hours(d.secondsPlayed),
            number(d.games), number(d.staked), number(d.won), number(d.net()), number(d.biggestWin),
            number(d.features) };
        for (int c = 0; c < 8; ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(
                c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            days->setItem(row, c, item);
        }
        sum.secondsPlayed += d.secondsPlayed;
        sum.games += d.games;
        sum.staked += d.staked;
        sum.won += d.won;
    }
    days->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    days->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    lblTotals = new QLabel(QStringLiteral("The last %1 days: %2 played, %3 paid games, staked %4, "
                                          "won %5, net %6 credits.")
                               .arg(kStatementDays)
                               .arg(hours(sum.secondsPlayed), number(sum.games), number(sum.staked),
                                   number(sum.won), number(sum.net())),
        this);
    lblTotals->setWordWrap(true);
    lblExport = new QLabel(this);
    btnExport = new QPushButton(QStringLiteral("Export CSV..."), this);
    btnClose = new QPushButton(QStringLiteral("Close"), this);
    column->addWidget(days, 1);
    column->addWidget(new NetChart(shown, today, this));
    column->addWidget(lblTotals);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(lblExport, 1);
    buttons->addWidget(btnExport);
    buttons->addWidget(btnClose);
    column->addLayout(buttons);
    connect(btnExport, &QPushButton::clicked, this, &tarnixstatement::btnExport_Click);
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
    resize(720, 520);
    openAtCabinetCorner(*this, mainWindow);
}

void tarnixstatement::btnExport_Click()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export statement"),
        QDir::home().filePath(QStringLiteral("tarnix-statement-player%1.csv").arg(slot)),
        QStringLiteral("CSV files (*.csv)"));
    if (!path.isEmpty()) {
        exportTo(path);
    }
}

bool tarnixstatement::exportTo(const QString &path)
{
    const bool written = replaceDurably(path.toStdString(), ledger.csv());
    lblExport->setText(written ? QStringLiteral("Written to %1").arg(path)
                               : QStringLiteral("Could not write %1").arg(path));
    return written;
}

void tarnixstatement::closeEvent(QCloseEvent *event)
{
    mainWindow.setEnabled(true);
    event->accept();
}

} // namespace slot
