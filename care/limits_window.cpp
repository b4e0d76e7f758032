// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The reminder and limit choices of one slot. The rules (a raise waits a day) are the core's;
// this window only shows them.
#include "care/limits_window.hpp"

#include <QComboBox>
#include <QDateTime>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace slot
{

namespace
{

QString minutesText(int m)
{
    return m == 0 ? QStringLiteral("None") : QStringLiteral("%1 minutes").arg(m);
}

QString whenDue(Seconds from)
{
    return QDateTime::fromSecsSinceEpoch(from + kRaiseDelay)
        .toString(QStringLiteral("d MMM hh:mm"));
}

} // namespace

tarnixlimits::tarnixlimits(QWidget *parent, PlayerCare &c)
    : QDialog(parent)
    , care(c)
{
    setObjectName(QStringLiteral("tarnixlimits"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(true);
    setWindowTitle(QStringLiteral("Reminders and limits"));
    auto *form = new QFormLayout(this);
    cboReminder = new QComboBox(this);
    for (const int m : kReminderChoices) {
        cboReminder->addItem(
            m == 0 ? QStringLiteral("Off") : QStringLiteral("Every %1 minutes").arg(m), m);
    }
    spnLoss = new QSpinBox(this);
    spnLoss->setRange(0, 10'000'000);
    spnLoss->setSingleStep(100);
    spnLoss->setSuffix(QStringLiteral(" credits"));
    spnLoss->setSpecialValueText(QStringLiteral("None"));
    cboTime = new QComboBox(this);
    for (const int m : kTimeLimitChoices) {
        cboTime->addItem(minutesText(m), m);
    }
    const CareSettings &s = care.settings();
    cboReminder->setCurrentIndex(cboReminder->findData(s.reminderMinutes));
    spnLoss->setValue(static_cast<int>(std::min<std::int64_t>(s.lossPerDay.value, 10'000'000)));
    const int t = cboTime->findData(static_cast<int>(s.sessionMinutes.value));
    if (t < 0) {
        cboTime->addItem(minutesText(static_cast<int>(s.sessionMinutes.value)),
            static_cast<int>(s.sessionMinutes.value));
    }
    cboTime->setCurrentIndex(cboTime->findData(static_cast<int>(s.sessionMinutes.value)));
    lblPending = new QLabel(this);
    lblPending->setWordWrap(true);
    form->addRow(QStringLiteral("Session reminder:"), cboReminder);
    form->addRow(QStringLiteral("Loss limit per day:"), spnLoss);
    form->addRow(QStringLiteral("Time limit per session:"), cboTime);
    form->addRow(new QLabel(QStringLiteral("A lower limit applies at once; a higher one, or none, "
                                           "only after 24 hours."),
        this));
    form->addRow(lblPending);
    auto *row = new QHBoxLayout;
    btnSave = new QPushButton(QStringLiteral("Save"), this);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    row->addStretch();
    row->addWidget(btnSave);
    row->addWidget(btnCancel);
    form->addRow(row);
    connect(btnSave, &QPushButton::clicked, this, &tarnixlimits::btnSave_Click);
    connect(btnCancel, &QPushButton::clicked, this, &QWidget::close);
    showPending();
}

void tarnixlimits::showPending()
{
    const CareSettings &s = care.settings();
    QString text;
    if (s.lossPerDay.pendingFrom != 0) {
        text += QStringLiteral("Loss limit %1 from %2. ")
                    .arg(s.lossPerDay.pending == 0
                            ? QStringLiteral("none")
                            : QStringLiteral("%1 credits").arg(s.lossPerDay.pending),
                        whenDue(s.lossPerDay.pendingFrom));
    }
    if (s.sessionMinutes.pendingFrom != 0) {
        text += QStringLiteral("Time limit %1 from %2.")
                    .arg(minutesText(static_cast<int>(s.sessionMinutes.pending)).toLower(),
                        whenDue(s.sessionMinutes.pendingFrom));
    }
    lblPending->setText(text);
}

void tarnixlimits::btnSave_Click()
{
    bool stored = care.setReminder(cboReminder->currentData().toInt());
    stored = care.requestLossLimit(spnLoss->value()) && stored;
    stored = care.requestTimeLimit(cboTime->currentData().toInt()) && stored;
    showPending();
    if (!stored) {
        lblPending->setText(lblPending->text()
            + QStringLiteral(" The choices hold for this run but could not be stored."));
        return;
    }
    // A raise stays visible as waiting, so the player sees why the old limit still holds.
    if (lblPending->text().isEmpty()) {
        close();
    }
}

} // namespace slot
