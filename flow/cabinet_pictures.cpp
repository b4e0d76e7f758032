// Pictures come from the built-in resources; a missing one is drawn plainly from the tables
// so the cabinet still shows every symbol where it really is.
#include "flow/cabinet_pictures.hpp"

#include "rules/game_tables.hpp"

#include <QPainter>

namespace slot
{

namespace
{

QPixmap plainStrip(int reel)
{
    QPixmap strip(100, 100 * kStripRows);
    strip.fill(QColor(0x10, 0x1c, 0x55));
    QPainter p(&strip);
    p.setPen(Qt::white);
    QFont f(QStringLiteral("Comic Neue"));
    f.setPixelSize(16);
    f.setBold(true);
    p.setFont(f);
    for (int row = 0; row < kStripRows; ++row) {
        const Sym s
            = tables::reelStrip[static_cast<std::size_t>(reel - 1)][static_cast<std::size_t>(row)];
        p.drawRect(2, row * 100 + 2, 95, 95);
        p.drawText(QRect(0, row * 100, 100, 100), Qt::AlignCenter,
            QString::fromLatin1(
                symbolName(s).data(), static_cast<qsizetype>(symbolName(s).size())));
    }
    return strip;
}

QPixmap picture(const QString &name)
{
    return QPixmap(QStringLiteral(":/pictures/") + name);
}

} // namespace

CabinetPictures loadCabinetPictures()
{
    CabinetPictures c;
    c.background = picture(QStringLiteral("background.png"));
    for (int reel = 1; reel <= kReels; ++reel) {
        QPixmap strip = picture(QStringLiteral("reel%1.png").arg(reel));
        c.reel[static_cast<std::size_t>(reel)] = strip.isNull() ? plainStrip(reel) : strip;
    }
    QPixmap highlight(100, 100);
    highlight.fill(QColor(0xd6, 0xf7, 0xc6));
    for (int i = 1; i <= 21; ++i) {
        c.ImageList1.add(i == 21 ? highlight : QPixmap());
    }
    return c;
}

} // namespace slot
