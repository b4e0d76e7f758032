// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The asset generator's building blocks: what they write must read back exactly, loops must
// wrap, levels must never clip, and colour-keyed pictures must key cleanly.
#include "art.hpp"
#include "png_file.hpp"
#include "synth.hpp"
#include "wave_file.hpp"

#include <QtTest>
#include <algorithm>
#include <cmath>

using namespace slot;

namespace
{

QImage pattern(int w, int h, bool translucent)
{
    QImage img(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int a = translucent ? (x * 37 + y * 11) % 256 : 255;
            img.setPixel(x, y, qRgba((x * 7) % 256, (y * 13) % 256, (x * y) % 256, a));
        }
    }
    return img;
}

QList<QByteArray> chunkTypes(const QByteArray &png)
{
    QList<QByteArray> types;
    for (qsizetype at = 8; at + 8 <= png.size();) {
        const auto size
            = static_cast<qsizetype>((static_cast<quint32>(static_cast<uchar>(png[at])) << 24)
                | (static_cast<quint32>(static_cast<uchar>(png[at + 1])) << 16)
                | (static_cast<quint32>(static_cast<uchar>(png[at + 2])) << 8)
                | static_cast<uchar>(png[at + 3]));
        types << png.mid(at + 4, 4);
        at += 12 + size;
    }
    return types;
}

} // namespace

class AssetGenerator : public QObject
{
    Q_OBJECT

private slots:
    void pngReadsBackEveryPixel_data()
    {
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::addColumn<bool>("translucent");
        QTest::newRow("opaque, odd size") << 37 << 23 << false;
        QTest::newRow("translucent") << 64 << 9 << true;
        QTest::newRow("one pixel") << 1 << 1 << true;
    }

    void pngReadsBackEveryPixel()
    {
        QFETCH(int, w);
        QFETCH(int, h);
        QFETCH(bool, translucent);
        const QImage original = pattern(w, h, translucent);
        const QByteArray png = art::encodePng(original);
        QImage back;
        QVERIFY(back.loadFromData(png, "PNG"));
        QCOMPARE(back.size(), original.size());
        QCOMPARE(back.hasAlphaChannel(), translucent);
        QCOMPARE(back.convertToFormat(QImage::Format_ARGB32), original);
    }

    void pngCarriesNoMetadataAndRepeatsExactly()
    {
        const QImage img = pattern(40, 30, true);
        const QByteArray png = art::encodePng(img);
        QCOMPARE(chunkTypes(png), (QList<QByteArray> { "IHDR", "IDAT", "IEND" }));
        QCOMPARE(art::encodePng(img), png);
    }

    void waveHeaderDescribesTheSamples()
    {
        // An odd number of 8-bit samples needs a pad byte that is not part of the data.
        synth::Buffer b(11025, 8, 101.0 / 11025);
        b.s[0] = 0.5;
        b.s[1] = -0.5;
        const QByteArray bytes = synth::wav(b);
        QCOMPARE(bytes.size() % 2, 0);
        const WaveFile w = parseWave(bytes);
        QVERIFY(w.valid);
        QCOMPARE(w.samples.size(), std::size_t(101));
        QCOMPARE(w.rate, 11025);
        // 8-bit WAVE is unsigned: silence is 128, not 0.
        QCOMPARE(static_cast<uchar>(bytes.at(44 + 5)), uchar(128));
        QVERIFY(std::abs(w.samples[0] - 0.5) < 0.01 && std::abs(w.samples[1] + 0.5) < 0.01);

        synth::Buffer b16(22050, 16, 0.01);
        b16.s[3] = -1.0;
        const WaveFile w16 = parseWave(synth::wav(b16));
        QCOMPARE(w16.bits, 16);
        QVERIFY(w16.samples[3] < -0.999 && w16.samples[0] == 0.0);
    }

    void loopsWrapNotesAndEchoesRoundTheSeam()
    {
        synth::Buffer loop(11025, 8, 1.0, true);
        synth::note(loop, synth::Voice::organ, 0.9, 0.3, 69, 0.5);
        // The last 0.2 s of the note land at the start of the loop.
        QVERIFY(std::abs(loop.s[500]) > 0.01);

        synth::Buffer once(11025, 8, 1.0, false);
        synth::note(once, synth::Voice::organ, 0.9, 0.3, 69, 0.5);
        QCOMPARE(once.s[500], 0.0);

        synth::Buffer echoLoop(11025, 8, 1.0, true);
        synth::note(echoLoop, synth::Voice::pluck, 0.8, 0.1, 69, 0.5);
        // 0.8 s + 0.25 s echoes at 0.05 s of the next pass, where the dry loop is silent.
        QCOMPARE(echoLoop.s[700], 0.0);
        synth::echo(echoLoop, 0.25, 0.4, 0.5);
        QVERIFY(std::abs(echoLoop.s[700]) > 0.001);
    }

    void normaliseEvensLoudnessWithoutClipping()
    {
        synth::Buffer quiet(11025, 8, 0.5), spiky(11025, 8, 0.5);
        synth::note(quiet, synth::Voice::organ, 0.0, 0.5, 57, 0.01);
        spiky.s[100] = 40.0; // one wild sample must not let the rest clip
        synth::note(spiky, synth::Voice::organ, 0.0, 0.5, 57, 3.0);
        synth::normalise(quiet);
        synth::normalise(spiky);
        const auto peak = [](const synth::Buffer &b) {
            double p = 0;
            for (double v : b.s) {
                p = std::max(p, std::abs(v));
            }
            return p;
        };
        QVERIFY(peak(quiet) > 0.2 && peak(quiet) < 0.9);
        QVERIFY(peak(spiky) <= std::pow(10.0, -1.0 / 20) + 1e-9);
    }

    void loopStartsOnARisingZeroCrossing()
    {
        synth::Buffer loop(11025, 8, 0.5, true);
        synth::note(loop, synth::Voice::organ, 0.1, 0.5, 60, 0.6);
        synth::startAtZeroCrossing(loop);
        QVERIFY(loop.s.front() >= 0 && loop.s.back() < 0);
        QVERIFY(loop.s.front() - loop.s.back() < 0.1);
    }

    void flatteningOnWhiteLeavesNoPaleFringe()
    {
        QImage img = art::canvas(40, 40);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor(200, 20, 30));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(5.3, 5.3, 29, 29));
        p.fillRect(QRectF(18, 18, 4, 4), Qt::white); // white inside the art must stay visible
        p.end();
        const QImage flat = art::flattenOnWhite(img);
        for (int y = 0; y < flat.height(); ++y) {
            for (int x = 0; x < flat.width(); ++x) {
                const QRgb c = flat.pixel(x, y);
                const bool pale = qRed(c) > 225 && qGreen(c) > 225 && qBlue(c) > 225;
                QVERIFY(!pale || c == qRgb(255, 255, 255) || c == qRgb(255, 255, 238));
            }
        }
        QCOMPARE(flat.pixel(20, 20), qRgb(255, 255, 238));
        QCOMPARE(flat.pixel(0, 0), qRgb(255, 255, 255));
    }
};

QTEST_MAIN(AssetGenerator)
#include "test_assetgen.moc"
