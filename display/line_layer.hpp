// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The six payline segments: 6-pixel lines drawn beneath the reel windows, so only the
// stubs and the pieces in the gaps between reels are seen.
#pragma once

#include "display/one_based.hpp"

#include <QColor>
#include <QLine>
#include <QWidget>

namespace slot
{

class LineLayer;

class LineSegment
{
public:
    explicit LineSegment(LineLayer *owner)
        : layer(owner)
    {
    }
    void setEnds(int x1, int y1, int x2, int y2); // twips
    void setColor(const QColor &c);
    void setVisible(bool visible);
    bool isVisible() const { return shown; }
    QLine ends() const { return twipsLine; }
    QColor color() const { return lineColor; }

private:
    friend class LineLayer;
    LineLayer *layer;
    QLine twipsLine;
    QColor lineColor = Qt::white;
    bool shown = false;
};

class LineLayer : public QWidget
{
    Q_OBJECT
public:
    explicit LineLayer(QWidget *parent);
    ~LineLayer() override;
    OneBased<LineSegment, 6> Lineflash;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace slot
