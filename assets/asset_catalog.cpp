// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Links the asset resources out of the static library and registers the cabinet font.
#include "assets/asset_catalog.hpp"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <cmath>

// Q_INIT_RESOURCE declares a function at the point of use, so it must not sit in a namespace.
static void initTarnixResources()
{
    Q_INIT_RESOURCE(assets);
}

namespace slot
{

namespace
{
QString &family()
{
    static QString name;
    return name;
}
} // namespace

void initAssets()
{
    initTarnixResources();
    for (const QString &path : { assets::fontRegular(), assets::fontBold() }) {
        const int id = QFontDatabase::addApplicationFont(path);
        if (id >= 0 && family().isEmpty()) {
            family() = QFontDatabase::applicationFontFamilies(id).value(0);
        }
    }
}

QString cabinetFontFamily()
{
    return family().isEmpty() ? QStringLiteral("Comic Neue") : family();
}

QPixmap picture(const QString &path)
{
    return picture(path, qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
}

namespace
{

// The 2x picture at the exact ratio, or nothing when the 1x one is to be used as it is.
// `before` and `after` work on the 2x picture and on the smoothed one.
QImage dense(const QString &path, qreal ratio, QImage (*before)(QImage) = nullptr,
    QImage (*after)(QImage) = nullptr)
{
    if (ratio < 1.5) {
        return {};
    }
    QImage image(assets::twice(path));
    if (image.isNull()) {
        return {};
    }
    image.setDevicePixelRatio(2);
    if (ratio > 2) {
        const QSize size(static_cast<int>(std::lround(image.width() * ratio / 2)),
            static_cast<int>(std::lround(image.height() * ratio / 2)));
        image = before ? before(std::move(image)) : std::move(image);
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        image = after ? after(std::move(image)) : std::move(image);
        image.setDevicePixelRatio(ratio);
    }
    return image;
}

QImage eachPixel(QImage image, QRgb (*change)(QRgb))
{
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            line[x] = change(line[x]);
        }
    }
    return image;
}

// Pure white becomes transparent, so smoothing blends the edges with nothing.
QImage whiteToClear(QImage image)
{
    return eachPixel(
        std::move(image), [](QRgb c) { return (c & 0xffffffu) == 0xffffffu ? QRgb(0) : c; });
}

// And back: what is mostly drawn is drawn, the rest is pure white again.
QImage clearToWhite(QImage image)
{
    return eachPixel(std::move(image), [](QRgb c) {
        return qAlpha(c) >= 128 ? (c | 0xff000000u) : QRgb(0xffffffffu);
    }).convertToFormat(QImage::Format_RGB32);
}

} // namespace

QPixmap picture(const QString &path, qreal ratio)
{
    QImage image = dense(path, ratio);
    return image.isNull() ? QPixmap(path) : QPixmap::fromImage(std::move(image));
}

QPixmap pictureOnWhite(const QString &path)
{
    return pictureOnWhite(path, qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
}

QPixmap pictureOnWhite(const QString &path, qreal ratio)
{
    QImage image = dense(path, ratio, whiteToClear, clearToWhite);
    return image.isNull() ? QPixmap(path) : QPixmap::fromImage(std::move(image));
}

} // namespace slot
