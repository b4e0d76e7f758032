// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The built-in asset inventory, checked through the resources the game itself links: every
// sound's format and length, every picture's count and size, and reel strips against the table.
#include "assets/asset_catalog.hpp"
#include "wave_file.hpp"

#include <QFile>
#include <QFontDatabase>
#include <QImage>
#include <QtTest>
#include <algorithm>
#include <cmath>

using namespace slot;

namespace
{

QByteArray readResource(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

WaveFile sound(int id)
{
    return parseWave(readResource(assets::sound(id)));
}

// Loudness as a listener hears it: the loudest 10 ms of the sound (short, so a click counts
// by its body rather than by the silence after it).
double loudestRms(const WaveFile &w)
{
    const std::size_t window = static_cast<std::size_t>(w.rate / 100);
    double sum = 0, best = 0;
    for (std::size_t i = 0; i < w.samples.size(); ++i) {
        sum += w.samples[i] * w.samples[i];
        if (i >= window) {
            sum -= w.samples[i - window] * w.samples[i - window];
        }
        best = std::max(best, sum / static_cast<double>(window));
    }
    return std::sqrt(best);
}

// Mean absolute difference per channel, 0..255.
double difference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * x.width() * x.height());
}

// Mean squared luminance step between neighbouring pixels across: how sharp a picture's
// edges are. A softened edge takes the same rise in more, smaller steps, so it scores less.
double edgeSharpness(const QImage &img)
{
    const QImage g = img.convertToFormat(QImage::Format_Grayscale8);
    double sum = 0;
    for (int row = 0; row < g.height(); ++row) {
        const uchar *line = g.constScanLine(row);
        for (int col = 1; col < g.width(); ++col) {
            const double step = line[col] - line[col - 1];
            sum += step * step;
        }
    }
    return sum / (double(g.width() - 1) * g.height());
}

// Rising zero crossings per second over the first 80 ms: a rough pitch of a chime's strike.
double strikePitch(const WaveFile &w)
{
    const std::size_t n = std::min(w.samples.size(), static_cast<std::size_t>(w.rate * 0.08));
    int crossings = 0;
    for (std::size_t i = 1; i < n; ++i) {
        crossings += w.samples[i - 1] < 0 && w.samples[i] >= 0;
    }
    return crossings / 0.08;
}

// Treble against the body of the sound (energy above ~2 kHz over energy above ~200 Hz),
// which does not depend on the sample rate.
double brightness(const WaveFile &w)
{
    const auto highPassEnergy = [&w](double cutoff) {
        const double a = 1 - std::exp(-2 * 3.141592653589793 * cutoff / w.rate);
        double low = 0, energy = 0;
        for (double v : w.samples) {
            low += a * (v - low);
            energy += (v - low) * (v - low);
        }
        return energy;
    };
    return std::sqrt(highPassEnergy(2000) / highPassEnergy(200));
}

} // namespace

class AssetInventory : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initAssets(); }

    void soundHasItsFormatAndLength_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("bits");
        QTest::addColumn<double>("seconds");
        const struct {
            int id, rate, bits;
            double seconds;
        } table[] = {
            { 101, 11025, 8, 0.24 },
            { 102, 11025, 8, 0.55 },
            { 103, 11025, 8, 0.71 },
            { 104, 11025, 8, 0.71 },
            { 105, 11000, 8, 1.55 },
            { 106, 11025, 8, 1.76 },
            { 107, 11025, 8, 1.95 },
            { 108, 11025, 8, 1.95 },
            { 109, 11025, 8, 2.36 },
            { 110, 11025, 8, 2.41 },
            { 111, 11025, 8, 2.93 },
            { 112, 11025, 16, 1.62 },
            { 113, 11025, 8, 4.92 },
            { 114, 11025, 8, 13.95 },
            { 115, 44100, 8, 14.50 },
            { 116, 44100, 8, 0.28 },
            { 117, 11025, 8, 6.87 },
            { 118, 11025, 8, 10.23 },
            { 119, 44100, 8, 0.52 },
            { 120, 44100, 8, 0.47 },
            { 121, 44100, 8, 0.44 },
            { 122, 44100, 8, 0.41 },
            { 123, 44100, 8, 0.37 },
            { 124, 22050, 16, 0.06 },
            { 125, 11025, 8, 0.51 },
        };
        for (const auto &t : table) {
            QTest::addRow("RESOURCE_ID_%d", t.id) << t.id << t.rate << t.bits << t.seconds;
        }
    }

    void soundHasItsFormatAndLength()
    {
        QFETCH(int, id);
        QFETCH(int, rate);
        QFETCH(int, bits);
        QFETCH(double, seconds);
        const WaveFile w = sound(id);
        QVERIFY2(w.valid, "not a readable WAVE image");
        QCOMPARE(w.format, 1);
        QCOMPARE(w.channels, 1);
        QCOMPARE(w.rate, rate);
        QCOMPARE(w.bits, bits);
        QVERIFY2(std::abs(w.seconds() - seconds) <= seconds * 0.02,
            qPrintable(QStringLiteral("%1 s long").arg(w.seconds())));
        // No clipping: a sample at full scale means the mix was squashed.
        const auto [lo, hi] = std::minmax_element(w.samples.begin(), w.samples.end());
        QVERIFY(*hi < 0.97 && *lo > -0.97);
        QVERIFY2(loudestRms(w) > 0.05, "practically silent");
    }

    void soundsShareAComparableLoudness()
    {
        double quietest = 1, loudest = 0;
        for (int id = assets::kFirstSound; id <= assets::kLastSound; ++id) {
            const double rms = loudestRms(sound(id));
            quietest = std::min(quietest, rms);
            loudest = std::max(loudest, rms);
        }
        // Within 8 dB of each other, so no sound leaps out of the bank or gets lost.
        QVERIFY2(20 * std::log10(loudest / quietest) < 8.0,
            qPrintable(QStringLiteral("%1 .. %2").arg(quietest).arg(loudest)));
    }

    void featureTunesLoopWithoutAClick()
    {
        for (int id : { 117, 118 }) {
            const WaveFile w = sound(id);
            QVERIFY(w.samples.size() > 2);
            double typicalStep = 0;
            for (std::size_t i = 1; i < w.samples.size(); ++i) {
                typicalStep += std::abs(w.samples[i] - w.samples[i - 1]);
            }
            typicalStep /= static_cast<double>(w.samples.size() - 1);
            const double seam = std::abs(w.samples.front() - w.samples.back());
            QVERIFY2(seam <= typicalStep * 2 + 1.0 / 128, qPrintable(QString::number(id)));
            // The loop opens on a rising zero crossing.
            QVERIFY(std::abs(w.samples.front()) <= 2.0 / 128 && w.samples.back() <= 0);
        }
    }

    void scatterChimesRiseFromReelOneToFive()
    {
        double previous = 0;
        for (int id = 119; id <= 123; ++id) {
            const double pitch = strikePitch(sound(id));
            QVERIFY2(pitch > previous, qPrintable(QString::number(id)));
            previous = pitch;
        }
    }

    void winJinglesGrowLongerAndBrighterWithTheWin()
    {
        // Small, middle and large wins (the fanfare 105 and the collect 110 have other roles),
        // then the big one: each group on average longer and brighter than the one before.
        const QList<QList<int>> groups { { 101, 102, 103, 104 }, { 106, 107, 108, 109 },
            { 111, 112, 113, 114 }, { 115 } };
        double lastLength = 0, lastBrightness = 0;
        for (const QList<int> &group : groups) {
            double length = 0, bright = 0;
            for (int id : group) {
                const WaveFile w = sound(id);
                length += w.seconds() / group.size();
                bright += brightness(w) / group.size();
            }
            QVERIFY2(length > lastLength, qPrintable(QString::number(group.first())));
            QVERIFY2(bright > lastBrightness * 1.03, qPrintable(QString::number(group.first())));
            lastLength = length;
            lastBrightness = bright;
        }
    }

    void pictureListsAreCompleteWithTheirSizes_data()
    {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<QSize>("size");
        QStringList symbols, strips, frames1, frames2, tabs, aces, suits, lines, bets;
        for (int s = index(Sym::J); s <= index(Sym::elephant); ++s) {
            symbols << assets::symbol(static_cast<Sym>(s));
        }
        for (int i = 1; i <= 5; ++i) {
            strips << assets::reelStrip(i);
            aces << assets::card(i);
            lines << assets::linesButton(i);
        }
        for (int i = 1; i <= 21; ++i) {
            frames1 << assets::imageList1(i);
        }
        for (int i = 1; i <= 34; ++i) {
            frames2 << assets::imageList2(i);
        }
        for (int k = 1; k <= 50; ++k) {
            tabs << assets::lineTab(k);
        }
        for (int i = 6; i <= 9; ++i) {
            suits << assets::card(i);
        }
        for (int i = 1; i <= 6; ++i) {
            bets << assets::betButton(i);
        }
        QTest::newRow("symbols") << symbols << QSize(100, 100);
        QTest::newRow("reel strips") << strips << QSize(100, 2900);
        QTest::newRow("ImageList1") << frames1 << QSize(100, 100);
        QTest::newRow("ImageList2") << frames2 << QSize(100, 100);
        QTest::newRow("linepics") << tabs << QSize(30, 20);
        QTest::newRow("aces and joker") << aces << QSize(100, 153);
        QTest::newRow("suit symbols") << suits << QSize(50, 50);
        QTest::newRow("lines buttons") << lines << QSize(89, 40);
        QTest::newRow("bet buttons") << (bets << assets::coinButton()) << QSize(89, 40);
        QTest::newRow("gamble panel") << QStringList { assets::gamblePanel() } << QSize(254, 375);
        QTest::newRow("banners") << QStringList { assets::winBanner(), assets::loseBanner() }
                                 << QSize(150, 30);
        QTest::newRow("colour buttons")
            << QStringList { assets::redButton(), assets::blackButton() } << QSize(68, 30);
        QTest::newRow("take win") << QStringList { assets::takeWinButton() } << QSize(104, 30);
        QTest::newRow("double up") << QStringList { assets::doubleUpButton() } << QSize(93, 80);
        QTest::newRow("collect") << QStringList { assets::collectButton() } << QSize(141, 40);
        QTest::newRow("pay table") << QStringList { assets::payTable() } << QSize(500, 378);
        QTest::newRow("background") << QStringList { assets::background() } << QSize(639, 442);
        QTest::newRow("icon and hand")
            << QStringList { assets::icon(), assets::handPointer() } << QSize(32, 32);
    }

    void pictureListsAreCompleteWithTheirSizes()
    {
        QFETCH(QStringList, paths);
        QFETCH(QSize, size);
        for (const QString &path : paths) {
            QVERIFY2(!path.isEmpty(), "a list index has no picture");
            const QImage img(path);
            QVERIFY2(!img.isNull(), qPrintable(path));
            QCOMPARE(img.size(), size);
        }
    }

    void everyCataloguedPictureIsBuiltIn()
    {
        const QStringList all = assets::allPictures();
        QCOMPARE(all.size(), 157);
        QCOMPARE(QSet<QString>(all.begin(), all.end()).size(), all.size());
        for (const QString &path : all) {
            QVERIFY2(QFile::exists(path), qPrintable(path));
        }
    }

    void everyPictureHasATwinDrawnAtTwiceTheSize()
    {
        for (const QString &path : assets::allPictures()) {
            const QImage one(path);
            const QImage two(assets::twice(path));
            QVERIFY2(!two.isNull(), qPrintable(path));
            QCOMPARE(two.size(), one.size() * 2);
            // The same picture: brought down to 1x it matches, so nothing moved or was cut.
            const QImage down
                = two.scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            QVERIFY2(difference(down, one) < 6, qPrintable(path));
        }
        for (int reel = 1; reel <= kReels; ++reel) {
            const QImage strip(assets::twice(assets::reelStrip(reel)));
            const Sym s = tables::reelStrip[static_cast<std::size_t>(reel - 1)][7];
            QCOMPARE(difference(strip.copy(0, 7 * 200, 200, 200),
                         QImage(assets::twice(assets::symbol(s)))),
                0.0);
        }
    }

    void twinsAreDrawnNotEnlarged()
    {
        // A 1x picture enlarged has soft edges; the twin, drawn at its size, keeps them sharp.
        QStringList paths;
        for (int s = index(Sym::J); s <= index(Sym::elephant); ++s) {
            paths << assets::symbol(static_cast<Sym>(s));
        }
        paths << assets::betButton(1) << assets::linesButton(5) << assets::card(1)
              << assets::lineTab(12) << assets::payTable() << assets::lastBetTitle();
        for (const QString &path : paths) {
            const QImage one(path);
            const QImage enlarged
                = one.scaled(one.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            const double drawn = edgeSharpness(QImage(assets::twice(path)));
            QVERIFY2(drawn > 1.25 * edgeSharpness(enlarged),
                qPrintable(QStringLiteral("%1: %2 against %3")
                               .arg(path)
                               .arg(drawn)
                               .arg(edgeSharpness(enlarged))));
        }
    }

    void picturesKeepTheirSizeAtEveryRatio()
    {
        for (const QString &path :
            { assets::reelStrip(3), assets::betButton(2), assets::overlay(20), assets::icon() }) {
            const QSize size = QImage(path).size();
            for (const qreal ratio : { 1.0, 2.0, 3.0, 4.0 }) {
                const QPixmap p = picture(path, ratio);
                QCOMPARE(p.devicePixelRatio(), ratio);
                QCOMPARE(p.deviceIndependentSize().toSize(), size);
                QCOMPARE(p.size(), size * ratio);
            }
        }
    }

    void multipliersKeepHardEdgesWhenSmoothedUp()
    {
        // The share of the badge's rim (drawn pixels beside the white ground) that is pale:
        // a smoothed rim fades into white, and over the wild that shows as a light halo.
        const auto paleRim = [](const QPixmap &p) {
            const QImage img = p.toImage().convertToFormat(QImage::Format_RGB32);
            const auto white = [&img](int x, int y) {
                return x >= 0 && y >= 0 && x < img.width() && y < img.height()
                    && (img.pixel(x, y) & 0xffffffu) == 0xffffffu;
            };
            int rim = 0, pale = 0;
            for (int y = 0; y < img.height(); ++y) {
                for (int x = 0; x < img.width(); ++x) {
                    if (white(x, y)
                        || !(white(x - 1, y) || white(x + 1, y) || white(x, y - 1)
                            || white(x, y + 1))) {
                        continue;
                    }
                    const QRgb c = img.pixel(x, y);
                    ++rim;
                    pale += std::min({ qRed(c), qGreen(c), qBlue(c) }) >= 200;
                }
            }
            return rim > 0 ? double(pale) / rim : 0.0;
        };
        for (int i = assets::kWildFrames + 1; i <= assets::kImageList2; ++i) {
            const QString path = assets::overlay(i);
            for (const qreal ratio : { 3.0, 4.0 }) {
                const QPixmap keyed = pictureOnWhite(path, ratio);
                QCOMPARE(keyed.size(), picture(path, ratio).size());
                const double hard = paleRim(keyed), soft = paleRim(picture(path, ratio));
                QVERIFY2(hard < 0.05 && hard < soft / 3,
                    qPrintable(QStringLiteral("%1 at %2: %3 of the rim pale, %4 when smoothed")
                                   .arg(path)
                                   .arg(ratio)
                                   .arg(hard)
                                   .arg(soft)));
            }
            QCOMPARE(pictureOnWhite(path, 2).toImage(), picture(path, 2).toImage());
        }
    }

    void reelStripsShowTheTableInOrder()
    {
        for (int reel = 1; reel <= kReels; ++reel) {
            const QImage strip(assets::reelStrip(reel));
            QVERIFY(!strip.isNull());
            for (int row = 0; row < kStripRows; ++row) {
                const Sym s = tables::reelStrip[static_cast<std::size_t>(reel - 1)]
                                               [static_cast<std::size_t>(row)];
                const QImage cell = strip.copy(0, row * 100, 100, 100);
                QVERIFY2(difference(cell, QImage(assets::symbol(s))) == 0,
                    qPrintable(QStringLiteral("reel %1 row %2").arg(reel).arg(row)));
            }
        }
    }

    void symbolsAreToldApartAtAGlance()
    {
        for (int a = index(Sym::J); a <= index(Sym::elephant); ++a) {
            for (int b = a + 1; b <= index(Sym::elephant); ++b) {
                const double d = difference(QImage(assets::symbol(static_cast<Sym>(a))),
                    QImage(assets::symbol(static_cast<Sym>(b))));
                QVERIFY2(d > 20,
                    qPrintable(QStringLiteral("symbols %1 and %2 look alike").arg(a).arg(b)));
            }
        }
    }

    void multiplierOverlaysAreCleanOnWhite()
    {
        // White is the transparent colour: pale fringes around the text would show as a halo.
        for (int i = assets::kWildFrames + 1; i <= assets::kImageList2; ++i) {
            const QImage img = QImage(assets::overlay(i)).convertToFormat(QImage::Format_RGB32);
            const auto isWhite = [&img](int x, int y) {
                return x >= 0 && y >= 0 && x < img.width() && y < img.height()
                    && img.pixel(x, y) == qRgb(255, 255, 255);
            };
            int white = 0, fringe = 0;
            for (int y = 0; y < img.height(); ++y) {
                for (int x = 0; x < img.width(); ++x) {
                    const QRgb c = img.pixel(x, y);
                    const bool pale = qRed(c) > 225 && qGreen(c) > 225 && qBlue(c) > 225;
                    if (isWhite(x, y)) {
                        ++white;
                    } else if (pale
                        && (isWhite(x - 1, y) || isWhite(x + 1, y) || isWhite(x, y - 1)
                            || isWhite(x, y + 1))) {
                        ++fringe;
                    }
                }
            }
            QCOMPARE(img.pixel(0, 0), qRgb(255, 255, 255));
            QVERIFY2(white > 2000 && white < 9000, qPrintable(QString::number(i)));
            QVERIFY2(fringe == 0, qPrintable(QString::number(i)));
        }
    }

    void animationsMoveSmoothlyAndLoopCleanly()
    {
        const auto check = [](auto path, int frames, bool wraps) {
            double largest = 0;
            for (int i = 1; i < frames; ++i) {
                const double d = difference(QImage(path(i)), QImage(path(i + 1)));
                QVERIFY2(d > 0, "two frames in a row are the same picture");
                largest = std::max(largest, d);
            }
            if (wraps) {
                // The wild plays as a loop too: the jump from the last frame to the first is
                // no bigger than a step inside the cycle.
                QVERIFY(difference(QImage(path(frames)), QImage(path(1))) <= largest * 1.5);
            }
        };
        check(assets::scatterFrame, assets::kScatterFrames, false);
        check(assets::wildFrame, assets::kWildFrames, true);
        for (int first : { 19, 23, 27, 31 }) {
            check([first](int i) { return assets::overlay(first - 1 + i); }, 4, true);
        }
    }

    void cabinetFontIsRegistered()
    {
        QVERIFY(QFontDatabase::families().contains(QStringLiteral("Comic Neue")));
        QCOMPARE(cabinetFontFamily(), QStringLiteral("Comic Neue"));
    }

    void badListIndicesGiveNoPicture()
    {
        QVERIFY(assets::scatterFrame(0).isEmpty() && assets::scatterFrame(21).isEmpty());
        QVERIFY(assets::imageList1(21) == assets::highlight());
        QVERIFY(assets::wildFrame(19).isEmpty() && assets::overlay(18).isEmpty());
        QVERIFY(assets::overlay(19) == assets::imageList2(19));
        QVERIFY(assets::lineTab(51).isEmpty() && assets::card(10).isEmpty());
        QVERIFY(assets::sound(100).isEmpty() && assets::reelStrip(6).isEmpty());
    }
};

QTEST_MAIN(AssetInventory)
#include "test_assets.moc"
