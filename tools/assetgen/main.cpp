// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// tarnix-assetgen: draws every picture and synthesises every sound the game has built in.
// Usage: tarnix-assetgen <assets-dir> [contact-sheet.png]
// Writes <assets-dir>/sounds, <assets-dir>/pictures and <assets-dir>/assets.qrc, and the contact
// sheet (by default docs/assets-sheet.png beside the assets directory). Run with
// QT_QPA_PLATFORM=offscreen; the output is the same byte for byte on every run.
#include "assets/asset_paths.hpp"
#include "pictures.hpp"
#include "png_file.hpp"
#include "sounds.hpp"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

namespace
{

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

bool writePng(const QString &path, const QImage &img)
{
    return writeFile(path, slot::art::encodePng(img));
}

QByteArray resourceFile(const QStringList &files)
{
    QByteArray out;
    QTextStream s(&out);
    s << "<!DOCTYPE RCC>\n<!-- Written by tarnix-assetgen; regenerate rather than edit. -->\n"
      << "<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const QString &f : files) {
        s << "  <file>" << f << "</file>\n";
    }
    s << "</qresource>\n</RCC>\n";
    s.flush();
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: tarnix-assetgen <assets-dir> [contact-sheet.png]\n");
        return 2;
    }
    const QString outDir = QDir(args.at(1)).absolutePath();
    const QString sheetPath = args.size() > 2
        ? args.at(2)
        : QDir(outDir + "/../docs").absoluteFilePath("assets-sheet.png");
    if (!slot::art::loadFonts(QStringLiteral(TARNIX_FONT_DIR), QStringLiteral(TARNIX_EMOJI_FONT))) {
        std::fprintf(stderr, "tarnix-assetgen: cannot load the fonts (%s, %s)\n", TARNIX_FONT_DIR,
            TARNIX_EMOJI_FONT);
        return 1;
    }

    const auto draw = [] {
        slot::art::Pictures pictures;
        slot::art::addSymbolsAndReels(pictures);
        slot::art::addAnimations(pictures);
        slot::art::addCardsAndGamble(pictures);
        slot::art::addButtonsAndTabs(pictures);
        slot::art::addCabinet(pictures);
        slot::art::addPayTable(pictures);
        return pictures;
    };
    const slot::art::Pictures pictures = draw();
    slot::art::setDrawingScale(2);
    const slot::art::Pictures twice = draw();
    slot::art::setDrawingScale(1);

    QStringList files;
    bool ok = true;
    for (const QString &path : slot::assets::allPictures()) {
        for (const auto &[set, name] :
            { std::pair { &pictures, path }, std::pair { &twice, slot::assets::twice(path) } }) {
            const auto it = set->find(path);
            if (it == set->end()) {
                std::fprintf(stderr, "tarnix-assetgen: nothing draws %s\n", qPrintable(path));
                return 1;
            }
            ok = writePng(outDir + '/' + name.mid(2), it->second) && ok;
            files << name.mid(2);
        }
    }
    const auto wavs = slot::sounds::renderAll();
    for (const auto &[id, bytes] : wavs) {
        const QString path = slot::assets::sound(id).mid(2);
        ok = writeFile(outDir + '/' + path, bytes) && ok;
        files << path;
    }
    files << slot::assets::fontRegular().mid(2) << slot::assets::fontBold().mid(2);
    files.sort();
    ok = writeFile(outDir + "/assets.qrc", resourceFile(files)) && ok;
    ok = writePng(sheetPath, slot::art::contactSheet(pictures)) && ok;
    if (!ok) {
        std::fprintf(
            stderr, "tarnix-assetgen: could not write every file under %s\n", qPrintable(outDir));
        return 1;
    }
    std::printf("tarnix-assetgen: %d pictures, %d sounds written to %s\n",
        static_cast<int>(pictures.size() + twice.size()), static_cast<int>(wavs.size()),
        qPrintable(outDir));
    return 0;
}
