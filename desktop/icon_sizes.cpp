// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the cabinet icon at the sizes a desktop's launchers ask for. The icon is pixel art, so
// it is enlarged by whole multiples without smoothing: a blurred icon looks broken at 128 px.
#include "assets/asset_catalog.hpp"
#include "assets/asset_paths.hpp"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTDIR SIZE...\n", argv[0]);
        return 2;
    }
    slot::initAssets();
    const QImage icon(slot::assets::icon());
    if (icon.isNull()) {
        std::fprintf(stderr, "the built-in icon does not load\n");
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        if (size <= 0 || size % icon.width() != 0) {
            std::fprintf(stderr, "size %s is not a whole multiple of %d\n", argv[i], icon.width());
            return 2;
        }
        const QString dir = QStringLiteral("%1x%1/apps").arg(size);
        out.mkpath(dir);
        const QImage scaled
            = icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (!scaled.save(out.filePath(dir + QStringLiteral("/net.tarnix.SlotsTarnix.png")))) {
            std::fprintf(stderr, "cannot write the %dx%d icon\n", size, size);
            return 1;
        }
    }
    return 0;
}
