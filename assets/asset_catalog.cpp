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

QPixmap picture(const QString &path, qreal ratio)
{
    if (ratio < 1.5) {
        return QPixmap(path);
    }
    QImage dense(assets::twice(path));
    if (dense.isNull()) {
        return QPixmap(path);
    }
    dense.setDevicePixelRatio(2);
    if (ratio > 2) {
        const QSize size(static_cast<int>(std::lround(dense.width() * ratio / 2)),
            static_cast<int>(std::lround(dense.height() * ratio / 2)));
        dense = dense.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        dense.setDevicePixelRatio(ratio);
    }
    return QPixmap::fromImage(std::move(dense));
}

} // namespace slot
