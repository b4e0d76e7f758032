// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Drawing helpers shared by every picture of the generator: fonts, emoji, glossy text and tiles.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <map>

namespace slot::art
{

// Pictures by resource path; an ordered map keeps the output order stable.
using Pictures = std::map<QString, QImage>;

// Loads the cabinet font from the repository and the emoji font from its fixed path, so the
// output never depends on which fonts fontconfig would pick. False when either is missing.
bool loadFonts(const QString &fontDir, const QString &emojiFile);

QFont cabinetFont(qreal pixelSize, bool bold = true);

// Pictures are drawn in the cabinet's own pixels. At a drawing scale of 2 every canvas has
// twice the pixels each way (and says so in its device pixel ratio), so the very same drawing
// code makes the 2x set: outlines and text are drawn at the larger size, never enlarged.
void setDrawingScale(int scale);
int drawingScale();

// A transparent ARGB canvas of w x h cabinet pixels; every picture starts from one.
QImage canvas(int w, int h, QColor fill = Qt::transparent);

// The part of a picture at r, given in cabinet pixels whatever the drawing scale.
QImage cropped(const QImage &img, const QRect &r);

// Renders an emoji (one or more code points) large, crops it to its ink and returns it.
QImage emoji(const QString &sequence);
QString fromUcs4(char32_t cp);

// Draws an image scaled to fit box (keeping its aspect), centred, with an optional soft shadow.
void drawFitted(QPainter &p, const QImage &img, const QRectF &box, bool shadow = true);

// Text as a path, centred in box, so it can be outlined and filled with gradients.
QPainterPath textPath(const QString &text, const QFont &font, const QRectF &box);

// Glossy lettering: a dark outline, a vertical gradient fill and a light upper sheen.
void glossyText(QPainter &p, const QString &text, const QFont &font, const QRectF &box,
    QColor colour, QColor outline, qreal outlineWidth, qreal embolden = 0);

// Plain lettering with a one-pixel drop shadow for small captions.
void shadowText(QPainter &p, const QString &text, const QFont &font, const QRectF &box,
    QColor colour, QColor shadow = QColor(0, 0, 0, 170), int flags = Qt::AlignCenter);

// A rounded tile with a radial colour, a gold trim and a gloss, as the symbols stand on.
void tile(QPainter &p, const QRectF &r, QColor centre, QColor edge, qreal radius = 14);

// A gold trim stroke used for frames and borders throughout the cabinet.
void goldFrame(QPainter &p, const QRectF &r, qreal radius, qreal width);
QLinearGradient goldGradient(QPointF from, QPointF to);

// A glossy cabinet button face with one or two caption lines.
QImage buttonFace(int w, int h, QColor base, const QString &big, const QString &small,
    QColor text = QColor(255, 255, 240), QColor outline = QColor(40, 20, 0));

// Recolours an image to its own luminance in a dark palette (a black panther from a leopard).
QImage melanistic(const QImage &src);

// Alpha below one half becomes pure white, above becomes opaque: pictures that are drawn
// with white as the transparent colour must not have pale fringes.
QImage flattenOnWhite(const QImage &src);

QColor mix(QColor a, QColor b, qreal t);

} // namespace slot::art
