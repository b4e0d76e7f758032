// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Recall window. It only reads the recorder; however it closes, the cabinet is enabled.
#include "players/recall_window.hpp"

#include "assets/asset_paths.hpp"
#include "display/cabinet_corner.hpp"
#include "flow/money_display.hpp"
#include "presentation/payline_geometry.hpp"

#include <QCloseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <cmath>

namespace slot
{

namespace
{

constexpr int kWidth = 640;
constexpr int kHeight = 540;
constexpr int kEntryHeight = 332;
constexpr QPoint kReelOrigin { 10, 62 };
constexpr int kFreeBlockWidth = 150;
constexpr int kFreeBlockHeight = 74;
constexpr int kCardWidth = 40, kCardHeight = 61, kDrawWidth = 78;

QString credits(long long amount)
{
    return QString::fromStdString(plainCredits(amount));
}

QString creditsAndDollars(long long amount)
{
    return credits(amount) + QStringLiteral(" (") + QString::fromStdString(dollars(amount))
        + QStringLiteral(")");
}

QString symbolCaption(Sym s)
{
    const auto name = symbolName(s);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())).toUpper();
}

// Paylines 21 to 25 have no colour of their own on the cabinet; they share a light grey here.
QColor lineColour(int line)
{
    const std::uint32_t rgb = paylineDrawing[static_cast<std::size_t>(line)].rgb;
    return rgb ? QColor::fromRgb(rgb) : QColor(220, 220, 220);
}

QFont sized(QFont f, int pixels, bool bold = false)
{
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// A reel window at any scale: the symbols, then the winning lines over them.
void paintWindow(QPainter &p, QPoint origin, int cell, const RecallGame &g, int lineWidth)
{
    p.fillRect(QRect(origin, QSize(cell * kReels, cell * 3)), Qt::black);
    for (int reel = 1; reel <= kReels; ++reel) {
        for (int row = 1; row <= 3; ++row) {
            const QPoint at = origin + QPoint((reel - 1) * cell, (row - 1) * cell);
            p.drawPixmap(at, RecallEntryView::cellPicture(g.at(reel, row), cell));
        }
    }
    for (std::size_t k = 0; k < g.lines.size(); ++k) {
        const RecallLine &l = g.lines[k];
        // Lines that share cells are drawn a little apart, so each stays visible.
        const QPointF apart(0, lineWidth > 1 ? (static_cast<int>(k % 5) - 2) * lineWidth : 0);
        QPainterPath path;
        for (int reel = 1; reel <= kReels; ++reel) {
            const int row = tables::paylineRows[static_cast<std::size_t>(l.line)]
                                               [static_cast<std::size_t>(reel)];
            const QPointF centre
                = origin + QPointF((reel - 0.5) * cell, (row - 0.5) * cell) + apart;
            if (reel == 1) {
                path.moveTo(centre - QPointF(cell / 2.0, 0));
            }
            path.lineTo(centre);
            if (reel == kReels) {
                path.lineTo(centre + QPointF(cell / 2.0, 0));
            }
        }
        p.setPen(QPen(lineColour(l.line), lineWidth));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
}

int freeRows(const RecallEntry &e)
{
    const int perRow = 600 / kFreeBlockWidth;
    return (static_cast<int>(e.freeGames.size()) + perRow - 1) / perRow;
}

QString endingCaption(const RecallGamble &g)
{
    switch (g.ending) {
    case GambleEnding::Open:
        return QStringLiteral("still open");
    case GambleEnding::TakeWin:
        return QStringLiteral("TAKE WIN, paid ") + creditsAndDollars(g.paid);
    case GambleEnding::Lost:
        return QStringLiteral("lost");
    case GambleEnding::SettledOnQuit:
        return QStringLiteral("settled on quit, paid ") + creditsAndDollars(g.paid);
    }
    return {};
}

// Round steps for an axis: 1, 2 or 5 times a power of ten, about four to the span.
long long niceStep(long long span)
{
    const long long target = std::max(1LL, span / 4);
    long long power = 1;
    while (power * 10 <= target) {
        power *= 10;
    }
    for (const long long f : { 1, 2, 5 }) {
        if (power * f >= target) {
            return power * f;
        }
    }
    return power * 10;
}

QString duration(long long seconds)
{
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

// ---- one game ----

RecallEntryView::RecallEntryView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("recallentry"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 64));
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
}

QRect RecallEntryView::cellRect(int reel, int row)
{
    return { kReelOrigin + QPoint((reel - 1) * kCell, (row - 1) * kCell), QSize(kCell, kCell) };
}

QPixmap RecallEntryView::cellPicture(Sym s, int size)
{
    const QPixmap picture(assets::symbol(s));
    if (picture.isNull()) {
        QPixmap blank(size, size);
        blank.fill(Qt::black);
        return blank;
    }
    return picture.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QString RecallEntryView::awardCaption(const RecallGame &g, bool paidGame)
{
    // The feature's count includes the game that started it, so a trigger brings one free
    // game fewer than it adds to the count (10, 20 or 30, as the pay table says). A retrigger
    // is itself a free game already counted: every game it adds is one more to play.
    if (paidGame) {
        return QStringLiteral("%1 free games won").arg(g.freeGamesAwarded - 1);
    }
    return QStringLiteral("+%1 free games").arg(g.freeGamesAwarded);
}

void RecallEntryView::setEntry(const RecallEntry *e, int n, int count)
{
    entry = e;
    number = n;
    of = count;
    setMinimumHeight(contentHeight());
    update();
}

int RecallEntryView::contentHeight() const
{
    if (!entry) {
        return 100;
    }
    int h = kReelOrigin.y() + 3 * kCell + 30;
    if (entry->feature) {
        h += 22 + freeRows(*entry) * kFreeBlockHeight;
    }
    if (entry->gamble.opened) {
        h += 22 + kCardHeight + 16;
    }
    return h;
}

QSize RecallEntryView::sizeHint() const
{
    return { kWidth - 24, contentHeight() };
}

void RecallEntryView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(Qt::white);
    if (!entry) {
        p.setFont(sized(font(), 14, true));
        p.drawText(
            rect(), Qt::AlignCenter, QStringLiteral("No games to recall on this player slot yet."));
        return;
    }
    const RecallEntry &e = *entry;
    p.setFont(sized(font(), 14, true));
    p.drawText(QPoint(10, 18),
        QStringLiteral("Game %1 of %2     played %3")
            .arg(number)
            .arg(of)
            .arg(QString::fromStdString(e.when)));
    p.setFont(sized(font(), 12));
    QString winText = QStringLiteral("Win %1").arg(creditsAndDollars(e.game.win));
    if (e.feature) {
        winText += e.collected ? QStringLiteral("    Feature collected %1%2")
                                     .arg(creditsAndDollars(e.collect),
                                         e.collectedOnQuit ? QStringLiteral(" on quit") : QString())
                               : QStringLiteral("    Feature not collected yet");
    }
    p.drawText(QPoint(10, 36),
        QStringLiteral("Lines %1     Bet per line %2     Stake %3     ")
                .arg(e.linesPlayed)
                .arg(e.betPerLine)
                .arg(credits(e.stake))
            + winText);
    p.drawText(QPoint(10, 53),
        QStringLiteral("Credit before %1     Credit after %2")
            .arg(creditsAndDollars(e.creditBefore), creditsAndDollars(e.creditAfter)));

    paintWindow(p, kReelOrigin, kCell, e.game, 3);
    p.setPen(Qt::yellow);
    for (int reel = 2; reel <= 4; ++reel) {
        if (e.game.held[static_cast<std::size_t>(reel)]) {
            const QRect under = cellRect(reel, 3).translated(0, kCell);
            p.drawText(
                under.adjusted(0, 2, 0, -kCell + 18), Qt::AlignCenter, QStringLiteral("HELD"));
        }
    }

    // The figures of the win beside the reels.
    int y = kReelOrigin.y() + 12;
    const int x = kReelOrigin.x() + kReels * kCell + 16;
    p.setPen(Qt::white);
    if (e.game.lines.empty() && e.game.scatterPay == 0) {
        p.drawText(QPoint(x, y), QStringLiteral("No winning lines"));
        y += 17;
    }
    for (const RecallLine &l : e.game.lines) {
        p.fillRect(QRect(x, y - 9, 18, 8), lineColour(l.line));
        p.drawText(QPoint(x + 24, y),
            QStringLiteral("Line %1: %2 x %3 pays %4")
                .arg(l.line)
                .arg(l.count)
                .arg(symbolCaption(l.symbol), credits(l.pay)));
        y += 17;
        if (y > kReelOrigin.y() + 3 * kCell + 20) {
            break; // the rest are on the reels themselves
        }
    }
    if (e.game.scatters >= 2) {
        p.drawText(QPoint(x, y),
            QStringLiteral("%1 scatters pay %2")
                .arg(e.game.scatters)
                .arg(credits(e.game.scatterPay)));
        y += 17;
    }
    if (e.game.freeGamesAwarded > 0) {
        p.drawText(QPoint(x, y), awardCaption(e.game, true));
    }

    y = kReelOrigin.y() + 3 * kCell + 30;
    if (e.feature) {
        p.setFont(sized(font(), 13, true));
        p.drawText(QPoint(10, y + 14),
            QStringLiteral("Free games: %1").arg(static_cast<int>(e.freeGames.size())));
        p.setFont(sized(font(), 11));
        y += 22;
        const int perRow = 600 / kFreeBlockWidth;
        for (std::size_t k = 0; k < e.freeGames.size(); ++k) {
            const RecallGame &g = e.freeGames[k];
            const int col = static_cast<int>(k) % perRow;
            const int row = static_cast<int>(k) / perRow;
            const QPoint at(10 + col * kFreeBlockWidth, y + row * kFreeBlockHeight);
            paintWindow(p, at, kFreeCell, g, 1);
            p.setPen(Qt::white);
            const int tx = at.x() + kReels * kFreeCell + 6;
            p.drawText(QPoint(tx, at.y() + 11), QStringLiteral("#%1").arg(k + 1));
            p.drawText(QPoint(tx, at.y() + 25), QStringLiteral("win %1").arg(credits(g.win)));
            p.drawText(QPoint(tx, at.y() + 39), QStringLiteral("x%1").arg(g.multiplier));
            if (g.freeGamesAwarded > 0) {
                p.drawText(QPoint(at.x(), at.y() + 3 * kFreeCell + 13), awardCaption(g, false));
            }
        }
        y += freeRows(e) * kFreeBlockHeight;
    }
    if (e.gamble.opened) {
        p.setFont(sized(font(), 13, true));
        p.drawText(QPoint(10, y + 14),
            QStringLiteral("Double up: staked %1, %2")
                .arg(creditsAndDollars(e.gamble.stake), endingCaption(e.gamble)));
        p.setFont(sized(font(), 11));
        y += 22;
        for (std::size_t k = 0; k < e.gamble.draws.size(); ++k) {
            const RecallDraw &d = e.gamble.draws[k];
            const int x0 = 10 + static_cast<int>(k % 7) * kDrawWidth;
            const int y0 = y + static_cast<int>(k / 7) * (kCardHeight + 24);
            const QPixmap card(assets::card(d.card));
            p.drawPixmap(QRect(x0, y0, kCardWidth, kCardHeight), card);
            p.setPen(d.won ? Qt::green : QColor(255, 96, 96));
            p.drawText(QPoint(x0, y0 + kCardHeight + 12),
                QStringLiteral("%1 %2").arg(QString::fromLatin1(betName(d.bet)).toUpper(),
                    d.won ? QStringLiteral("won") : QStringLiteral("lost")));
            p.setPen(Qt::white);
            p.drawText(QPoint(x0 + kCardWidth + 4, y0 + 12), credits(d.stake));
        }
    }
}

// ---- the session ----

RecallSessionView::RecallSessionView(GameRecall &r, int s, QWidget *parent)
    : QWidget(parent)
    , recall(r)
    , slot(s)
{
    setObjectName(QStringLiteral("recallsession"));
}

void RecallSessionView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0, 0, 48));
    const SessionMeters &m = recall.session(slot);
    p.setPen(Qt::white);
    p.setFont(sized(font(), 13, true));
    p.drawText(QPoint(8, 16), QStringLiteral("This session"));
    p.setFont(sized(font(), 11));
    const QString rows[] = {
        QStringLiteral("Time played  %1").arg(duration(m.secondsPlayed(recall.now()))),
        QStringLiteral("Paid games  %1").arg(m.paidGames),
        QStringLiteral("Total staked  %1").arg(creditsAndDollars(m.staked)),
        QStringLiteral("Total won  %1").arg(creditsAndDollars(m.won())),
        QStringLiteral("Net result  %1").arg(creditsAndDollars(m.net())),
        QStringLiteral("Biggest win  %1").arg(creditsAndDollars(m.biggestWin())),
    };
    int y = 36;
    for (const QString &row : rows) {
        p.drawText(QPoint(8, y), row);
        y += 18;
    }
    paintChart(p, QRect(230, 4, width() - 234, height() - 8), m.credit);
}

ChartLayout RecallSessionView::chartLayout(
    QRect area, const QFontMetrics &metrics, const std::vector<Money> &credit)
{
    ChartLayout c;
    c.lo = *std::min_element(credit.begin(), credit.end());
    c.hi = *std::max_element(credit.begin(), credit.end());
    c.step = niceStep(std::max(1LL, c.hi - c.lo));
    c.lo = static_cast<long long>(std::floor(static_cast<double>(c.lo) / c.step)) * c.step;
    c.hi = static_cast<long long>(std::ceil(static_cast<double>(c.hi) / c.step)) * c.step;
    if (c.hi == c.lo) {
        c.hi = c.lo + c.step;
    }
    // The margins are as wide as the widest label of each side.
    int left = metrics.horizontalAdvance(QStringLiteral("credits"));
    int right = metrics.horizontalAdvance(QStringLiteral("dollars"));
    for (long long v = c.lo; v <= c.hi; v += c.step) {
        left = std::max(left, metrics.horizontalAdvance(credits(v)));
        right = std::max(right, metrics.horizontalAdvance(QString::fromStdString(dollars(v))));
    }
    const int lineHeight = metrics.height();
    // The top label stands clear of the headings above the plot.
    c.plot = area.adjusted(left + 6, lineHeight * 3 / 2 + 2, -(right + 6), -(lineHeight + 4));
    const double span = static_cast<double>(c.hi - c.lo);
    for (long long v = c.lo; v <= c.hi; v += c.step) {
        const int y = c.plot.bottom()
            - static_cast<int>(std::lround(static_cast<double>(v - c.lo) / span * c.plot.height()));
        c.labels.push_back({ QRect(area.left(), y - lineHeight / 2, left + 2, lineHeight),
            credits(v), Qt::AlignRight | Qt::AlignVCenter });
        c.labels.push_back({ QRect(c.plot.right() + 4, y - lineHeight / 2, right + 2, lineHeight),
            QString::fromStdString(dollars(v)), Qt::AlignLeft | Qt::AlignVCenter });
    }
    const int games = static_cast<int>(credit.size()) - 1;
    const QString played
        = games == 1 ? QStringLiteral("1 game") : QStringLiteral("%1 games").arg(games);
    const int below = c.plot.bottom() + 2;
    c.labels.push_back({ QRect(c.plot.left(), below,
                             metrics.horizontalAdvance(QStringLiteral("0")) + 2, lineHeight),
        QStringLiteral("0"), Qt::AlignLeft });
    const int playedWidth = metrics.horizontalAdvance(played) + 2;
    c.labels.push_back({ QRect(c.plot.right() - playedWidth, below, playedWidth, lineHeight),
        played, Qt::AlignRight });
    return c;
}

void RecallSessionView::paintChart(QPainter &p, QRect area, const std::vector<Money> &credit)
{
    const QFontMetrics metrics = p.fontMetrics();
    p.setPen(Qt::white);
    p.drawText(QRect(area.left(), area.top(), area.width(), metrics.height()), Qt::AlignCenter,
        QStringLiteral("Credit after each game"));
    p.setPen(QColor(160, 160, 200));
    p.drawText(area, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("credits"));
    p.drawText(area, Qt::AlignRight | Qt::AlignTop, QStringLiteral("dollars"));
    if (credit.empty()) {
        const QRect plot = area.adjusted(52, 18, -52, -22);
        p.drawRect(plot);
        p.drawText(plot, Qt::AlignCenter, QStringLiteral("No games yet this session"));
        return;
    }
    const ChartLayout c = chartLayout(area, metrics, credit);
    const QRect plot = c.plot;
    p.drawRect(plot);
    const auto yOf = [&](long long v) {
        return plot.bottom()
            - static_cast<double>(v - c.lo) / static_cast<double>(c.hi - c.lo) * plot.height();
    };
    const int games = static_cast<int>(credit.size()) - 1;
    const auto xOf = [&](int k) {
        return plot.left() + (games > 0 ? static_cast<double>(k) / games * plot.width() : 0.0);
    };
    p.setPen(QColor(60, 60, 110));
    for (long long v = c.lo; v <= c.hi; v += c.step) {
        const int yy = static_cast<int>(std::lround(yOf(v)));
        p.drawLine(plot.left() + 1, yy, plot.right() - 1, yy);
    }
    p.setPen(QColor(200, 200, 230));
    for (const ChartLabel &label : c.labels) {
        p.drawText(label.rect, static_cast<int>(label.align), label.text);
    }
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    for (int k = 0; k <= games; ++k) {
        const QPointF at(xOf(k), yOf(credit[static_cast<std::size_t>(k)]));
        if (k == 0) {
            path.moveTo(at);
        } else {
            path.lineTo(at);
        }
    }
    p.setPen(QPen(QColor(255, 220, 0), 2));
    p.drawPath(path);
    if (games <= 60) {
        p.setBrush(QColor(255, 220, 0));
        for (int k = 0; k <= games; ++k) {
            p.drawEllipse(QPointF(xOf(k), yOf(credit[static_cast<std::size_t>(k)])), 2.5, 2.5);
        }
    }
}

// ---- the window ----

tarnixrecall::tarnixrecall(QWidget &main, GameRecall &r, int s)
    : QWidget(nullptr, Qt::Window)
    , mainWindow(main)
    , recall(r)
    , slot(s)
{
    setObjectName(QStringLiteral("tarnixrecall"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("TARNIX RECALL"));
    // On a 640 x 480 screen the whole window would hide its buttons: the game's view, which
    // scrolls anyway, gives up the height instead.
    int height = kHeight;
    if (const QScreen *screen = main.screen()) {
        height = std::clamp(screen->availableGeometry().height() - 30, 400, kHeight);
    }
    const int entryHeight = kEntryHeight - (kHeight - height);
    setFixedSize(kWidth, height);
    entryArea = new QScrollArea(this);
    entryArea->setGeometry(0, 0, kWidth, entryHeight);
    entryArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The scroll area gives the view its whole width; a long feature scrolls.
    entryArea->setWidgetResizable(true);
    entryView = new RecallEntryView;
    entryArea->setWidget(entryView);
    sessionView = new RecallSessionView(recall, slot, this);
    sessionView->setGeometry(0, entryHeight, kWidth, kHeight - kEntryHeight - 36);
    btnolder = new QPushButton(QStringLiteral("< Older game"), this);
    btnolder->setGeometry(10, height - 32, 130, 26);
    btnnewer = new QPushButton(QStringLiteral("Newer game >"), this);
    btnnewer->setGeometry(150, height - 32, 130, 26);
    btnunloadrecall = new QPushButton(QStringLiteral("Close Recall"), this);
    btnunloadrecall->setGeometry(kWidth - 160, height - 32, 150, 26);
    connect(btnolder, &QPushButton::clicked, this, &tarnixrecall::btnolder_Click);
    connect(btnnewer, &QPushButton::clicked, this, &tarnixrecall::btnnewer_Click);
    connect(btnunloadrecall, &QPushButton::clicked, this, &tarnixrecall::btnunloadrecall_Click);
    showPage(0);
}

void tarnixrecall::showPage(int page)
{
    const RecallRing &ring = recall.ring(slot);
    const int count = static_cast<int>(ring.size());
    shown = std::clamp(page, 0, std::max(0, count - 1));
    entryView->setEntry(count ? &ring[static_cast<std::size_t>(shown)] : nullptr, shown + 1, count);
    entryArea->ensureVisible(0, 0);
    btnolder->setEnabled(shown + 1 < count);
    btnnewer->setEnabled(shown > 0);
}

void tarnixrecall::btnolder_Click()
{
    showPage(shown + 1);
}

void tarnixrecall::btnnewer_Click()
{
    showPage(shown - 1);
}

void tarnixrecall::btnunloadrecall_Click()
{
    close();
}

void tarnixrecall::closeEvent(QCloseEvent *event)
{
    mainWindow.setEnabled(true);
    event->accept();
}

void tarnixrecall::CenterForm(QWidget *form)
{
    if (!form || form->isMinimized() || form->isMaximized()) {
        return;
    }
    openAtCabinetCorner(*form, mainWindow);
}

} // namespace slot
