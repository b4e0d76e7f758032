// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Drawing helpers shared by every picture of the generator.
#include "art.hpp"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace slot::art
{

namespace
{
QString cabinetFamily;
QString emojiFamily;
int scaleOfCanvas = 1;
} // namespace

bool loadFonts(const QString &fontDir, const QString &emojiFile)
{
    const int regular = QFontDatabase::addApplicationFont(fontDir + "/ComicNeue-Regular.otf");
    const int bold = QFontDatabase::addApplicationFont(fontDir + "/ComicNeue-Bold.otf");
    const int emojiId = QFontDatabase::addApplicationFont(emojiFile);
    if (regular < 0 || bold < 0 || emojiId < 0) {
        return false;
    }
    cabinetFamily = QFontDatabase::applicationFontFamilies(bold).value(0);
    emojiFamily = QFontDatabase::applicationFontFamilies(emojiId).value(0);
    return !cabinetFamily.isEmpty() && !emojiFamily.isEmpty();
}

QFont cabinetFont(qreal pixelSize, bool bold)
{
    QFont f(cabinetFamily);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    f.setBold(bold);
    // Hinting moves outlines by sub-pixels depending on the size; none keeps shapes consistent.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

void setDrawingScale(int scale)
{
    scaleOfCanvas = std::max(1, scale);
}

int drawingScale()
{
    return scaleOfCanvas;
}

QImage canvas(int w, int h, QColor fill)
{
    QImage img(w * scaleOfCanvas, h * scaleOfCanvas, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(scaleOfCanvas);
    img.fill(fill);
    return img;
}

QImage cropped(const QImage &img, const QRect &r)
{
    const int k = static_cast<int>(std::lround(img.devicePixelRatio()));
    return img.copy(r.x() * k, r.y() * k, r.width() * k, r.height() * k);
}

QString fromUcs4(char32_t cp)
{
    return QString::fromUcs4(&cp, 1);
}

QImage emoji(const QString &sequence)
{
    // The colour strikes are 136 px; drawing near that size and scaling to the picture
    // ourselves gives smoother results than letting the font engine scale. The strike is the
    // font's finest drawing, so every scale starts from it.
    QImage big(200, 200, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        QFont f(emojiFamily);
        f.setPixelSize(128);
        p.setFont(f);
        p.drawText(QRect(0, 0, 200, 200), Qt::AlignCenter, sequence);
    }
    int left = big.width(), top = big.height(), right = -1, bottom = -1;
    for (int y = 0; y < big.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(big.constScanLine(y));
        for (int x = 0; x < big.width(); ++x) {
            if (qAlpha(line[x]) > 8) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0) {
        return {};
    }
    return big.copy(left, top, right - left + 1, bottom - top + 1);
}

void drawFitted(QPainter &p, const QImage &img, const QRectF &box, bool shadow)
{
    if (img.isNull()) {
        return;
    }
    const qreal scale = std::min(box.width() / img.width(), box.height() / img.height());
    const QSizeF size(img.width() * scale, img.height() * scale);
    const QRectF target(box.center() - QPointF(size.width() / 2, size.height() / 2), size);
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (shadow) {
        QImage dark = img;
        QPainter d(&dark);
        d.setCompositionMode(QPainter::CompositionMode_SourceIn);
        d.fillRect(dark.rect(), QColor(0, 0, 0, 110));
        d.end();
        p.drawImage(target.translated(2.5, 3.0), dark);
    }
    p.drawImage(target, img);
    p.restore();
}

QPainterPath textPath(const QString &text, const QFont &font, const QRectF &box)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    path.translate(box.center() - ink.center());
    return path;
}

void glossyText(QPainter &p, const QString &text, const QFont &font, const QRectF &box,
    QColor colour, QColor outline, qreal outlineWidth, qreal embolden)
{
    QPainterPath path = textPath(text, font, box);
    if (embolden > 0) {
        // The cabinet font has no black weight; widening the outline gives the heavy letters
        // a reel symbol needs.
        QPainterPathStroker stroker;
        stroker.setWidth(embolden);
        stroker.setJoinStyle(Qt::RoundJoin);
        path = (path + stroker.createStroke(path)).simplified();
    }
    const QRectF ink = path.boundingRect();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // A soft drop shadow gives the letters weight on a busy tile.
    p.fillPath(path.translated(1.5, 2.0), QColor(0, 0, 0, 90));
    p.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    QLinearGradient fill(ink.topLeft(), ink.bottomLeft());
    fill.setColorAt(0.0, colour.lighter(160));
    fill.setColorAt(0.45, colour);
    fill.setColorAt(1.0, colour.darker(150));
    p.fillPath(path, fill);
    // The sheen covers the upper part only, as light from above would.
    p.setClipPath(path);
    QPainterPath sheen;
    sheen.addEllipse(QRectF(ink.left() - ink.width() * 0.3, ink.top() - ink.height() * 0.55,
        ink.width() * 1.6, ink.height() * 0.95));
    p.fillPath(sheen, QColor(255, 255, 255, 80));
    p.restore();
}

void shadowText(QPainter &p, const QString &text, const QFont &font, const QRectF &box,
    QColor colour, QColor shadow, int flags)
{
    p.save();
    p.setFont(font);
    p.setPen(shadow);
    p.drawText(box.translated(1, 1), flags, text);
    p.setPen(colour);
    p.drawText(box, flags, text);
    p.restore();
}

QLinearGradient goldGradient(QPointF from, QPointF to)
{
    QLinearGradient g(from, to);
    g.setColorAt(0.0, QColor(255, 243, 176));
    g.setColorAt(0.35, QColor(232, 186, 72));
    g.setColorAt(0.6, QColor(160, 110, 22));
    g.setColorAt(0.8, QColor(238, 200, 96));
    g.setColorAt(1.0, QColor(140, 94, 16));
    return g;
}

void goldFrame(QPainter &p, const QRectF &r, qreal radius, qreal width)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF inner = r.adjusted(width / 2, width / 2, -width / 2, -width / 2);
    p.setPen(QPen(QBrush(goldGradient(r.topLeft(), r.bottomRight())), width));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(inner, radius, radius);
    p.restore();
}

void tile(QPainter &p, const QRectF &r, QColor centre, QColor edge, qreal radius)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(r.center() - QPointF(0, r.height() * 0.12), r.width() * 0.72);
    g.setColorAt(0.0, centre);
    g.setColorAt(0.55, mix(centre, edge, 0.5));
    g.setColorAt(1.0, edge);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(r, radius, radius);
    QPainterPath gloss;
    gloss.addRoundedRect(r.adjusted(4, 3, -4, -r.height() * 0.52), radius * 0.8, radius * 0.8);
    QLinearGradient gl(r.topLeft(), QPointF(r.left(), r.top() + r.height() * 0.5));
    gl.setColorAt(0.0, QColor(255, 255, 255, 90));
    gl.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillPath(gloss, gl);
    p.restore();
    goldFrame(p, r, radius, 2.5);
}

QImage buttonFace(int w, int h, QColor base, const QString &big, const QString &small, QColor text,
    QColor outline)
{
    QImage img = canvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0.5, 0.5, w - 1.0, h - 1.0);
    const qreal radius = std::min(w, h) * 0.22;
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, base.lighter(150));
    g.setColorAt(0.48, base);
    g.setColorAt(0.52, base.darker(115));
    g.setColorAt(1.0, base.darker(160));
    p.setPen(QPen(base.darker(260), 1.0));
    p.setBrush(g);
    p.drawRoundedRect(r, radius, radius);
    // A lit rim inside the dark edge makes the face read as a raised, backlit button.
    p.setPen(QPen(QColor(255, 255, 255, 110), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), radius - 1.5, radius - 1.5);
    QPainterPath gloss;
    gloss.addRoundedRect(r.adjusted(3, 2.5, -3, -h * 0.5), radius * 0.7, radius * 0.7);
    QLinearGradient gl(r.topLeft(), QPointF(r.left(), h * 0.5));
    gl.setColorAt(0.0, QColor(255, 255, 255, 120));
    gl.setColorAt(1.0, QColor(255, 255, 255, 10));
    p.fillPath(gloss, gl);

    const qreal ow = std::max(1.5, h / 14.0);
    if (small.isEmpty()) {
        const QFont f
            = cabinetFont(std::min(h * 0.56, w * 1.5 / std::max<qsizetype>(3, big.size())));
        glossyText(p, big, f, r.adjusted(4, 2, -4, -2), text, outline, ow, 0.8);
    } else {
        const QFont f1
            = cabinetFont(std::min(h * 0.46, w * 1.45 / std::max<qsizetype>(3, big.size())));
        const QFont f2
            = cabinetFont(std::min(h * 0.27, w * 1.5 / std::max<qsizetype>(4, small.size())));
        glossyText(p, big, f1, QRectF(3, 2, w - 6, h * 0.58), text, outline, ow, 0.8);
        glossyText(p, small, f2, QRectF(3, h * 0.58, w - 6, h * 0.36), text, outline, ow * 0.8);
    }
    return img;
}

QImage melanistic(const QImage &src)
{
    QImage out = src.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb c = line[x];
            const int a = qAlpha(c);
            if (a == 0) {
                continue;
            }
            const qreal lum = (0.3 * qRed(c) + 0.59 * qGreen(c) + 0.11 * qBlue(c)) / 255.0;
            // A black coat keeps a faint trace of the rosettes and a blue-grey sheen.
            const qreal v = std::pow(lum, 1.6);
            int r = static_cast<int>(18 + 70 * v);
            int g = static_cast<int>(20 + 72 * v);
            int b = static_cast<int>(30 + 95 * v);
            line[x] = qRgba(r, g, b, a);
        }
    }
    return out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage flattenOnWhite(const QImage &src)
{
    QImage out = src.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb c = line[x];
            QRgb solid
                = qAlpha(c) >= 128 ? qRgb(qRed(c), qGreen(c), qBlue(c)) : qRgb(255, 255, 255);
            // Pure white inside the art would turn into a hole; keep it a shade off.
            if (qAlpha(c) >= 128 && solid == qRgb(255, 255, 255)) {
                solid = qRgb(255, 255, 238);
            }
            line[x] = solid;
        }
    }
    return out.convertToFormat(QImage::Format_RGB32);
}

QColor mix(QColor a, QColor b, qreal t)
{
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
        static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
        static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
        static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

} // namespace slot::art
