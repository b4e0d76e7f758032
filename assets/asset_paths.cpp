// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Resource paths of the built-in assets; one place decides every file name.
#include "assets/asset_paths.hpp"

namespace slot::assets
{

namespace
{

QString numbered(const char *dir, int i, int first, int last)
{
    if (i < first || i > last) {
        return {};
    }
    return QStringLiteral(":/pictures/%1/%2.png").arg(QLatin1String(dir)).arg(i, 2, 10, QChar('0'));
}

QString picture(const char *name)
{
    return QStringLiteral(":/pictures/%1.png").arg(QLatin1String(name));
}

} // namespace

QString sound(int id)
{
    if (id < kFirstSound || id > kLastSound) {
        return {};
    }
    return QStringLiteral(":/sounds/RESOURCE_ID_%1.wav").arg(id);
}

QString symbol(Sym s)
{
    if (s == Sym::None || index(s) > index(Sym::elephant)) {
        return {};
    }
    const auto name = symbolName(s);
    return QStringLiteral(":/pictures/symbols/%1.png")
        .arg(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())).toLower());
}

QString reelStrip(int reel)
{
    if (reel < 1 || reel > kReels) {
        return {};
    }
    return QStringLiteral(":/pictures/reels/reel%1.png").arg(reel);
}

QString imageList1(int i)
{
    return numbered("imagelist1", i, 1, kHighlightIndex);
}
QString scatterFrame(int i)
{
    return numbered("imagelist1", i, 1, kScatterFrames);
}
QString highlight()
{
    return imageList1(kHighlightIndex);
}
QString imageList2(int i)
{
    return numbered("imagelist2", i, 1, kImageList2);
}
QString wildFrame(int i)
{
    return numbered("imagelist2", i, 1, kWildFrames);
}
QString overlay(int i)
{
    return numbered("imagelist2", i, kWildFrames + 1, kImageList2);
}
QString lineTab(int k)
{
    return numbered("linepics", k, 1, kLineTabs);
}
QString card(int i)
{
    return numbered("cards", i, 1, kCards);
}

QString background()
{
    return picture("background");
}
QString lastBetTitle()
{
    return picture("titles/lastbet");
}
QString thisWinTitle()
{
    return picture("titles/thiswin");
}

QString linesButton(int i)
{
    if (i < 1 || i > 5) {
        return {};
    }
    return QStringLiteral(":/pictures/buttons/lines%1.png")
        .arg(tables::linesPerButton[static_cast<std::size_t>(i)]);
}

QString betButton(int i)
{
    if (i < 1 || i > 6) {
        return {};
    }
    return QStringLiteral(":/pictures/buttons/bet%1.png")
        .arg(tables::betPerButton[static_cast<std::size_t>(i)]);
}

QString coinButton()
{
    return picture("buttons/insertcoin");
}
QString doubleUpButton()
{
    return picture("buttons/doubleup");
}
QString collectButton()
{
    return picture("buttons/collect");
}

QString gamblePanel()
{
    return picture("gamble/panel");
}
QString redButton()
{
    return picture("gamble/red");
}
QString blackButton()
{
    return picture("gamble/black");
}
QString takeWinButton()
{
    return picture("gamble/takewin");
}
QString winBanner()
{
    return picture("gamble/win");
}
QString loseBanner()
{
    return picture("gamble/lose");
}

QString twice(const QString &picturePath)
{
    if (!picturePath.endsWith(QLatin1String(".png"))) {
        return {};
    }
    return picturePath.chopped(4) + QStringLiteral("@2x.png");
}

QString icon()
{
    return picture("icon");
}
QString payTable()
{
    return picture("paytable");
}
QString handPointer()
{
    return picture("hand");
}

QString fontRegular()
{
    return QStringLiteral(":/fonts/ComicNeue-Regular.otf");
}
QString fontBold()
{
    return QStringLiteral(":/fonts/ComicNeue-Bold.otf");
}

QStringList allPictures()
{
    QStringList out;
    for (int s = index(Sym::J); s <= index(Sym::elephant); ++s) {
        out << symbol(static_cast<Sym>(s));
    }
    for (int r = 1; r <= kReels; ++r) {
        out << reelStrip(r);
    }
    for (int i = 1; i <= kHighlightIndex; ++i) {
        out << imageList1(i);
    }
    for (int i = 1; i <= kImageList2; ++i) {
        out << imageList2(i);
    }
    for (int k = 1; k <= kLineTabs; ++k) {
        out << lineTab(k);
    }
    for (int i = 1; i <= kCards; ++i) {
        out << card(i);
    }
    for (int i = 1; i <= 5; ++i) {
        out << linesButton(i);
    }
    for (int i = 1; i <= 6; ++i) {
        out << betButton(i);
    }
    out << background() << lastBetTitle() << thisWinTitle() << coinButton() << doubleUpButton()
        << collectButton() << gamblePanel() << redButton() << blackButton() << takeWinButton()
        << winBanner() << loseBanner() << icon() << payTable() << handPointer();
    return out;
}

QStringList allSounds()
{
    QStringList out;
    for (int id = kFirstSound; id <= kLastSound; ++id) {
        out << sound(id);
    }
    return out;
}

} // namespace slot::assets
