// Links the asset resources out of the static library and registers the cabinet font.
#include "assets/asset_catalog.hpp"

#include <QFontDatabase>

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

} // namespace slot
