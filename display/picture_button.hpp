// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A button drawn from a face picture (or, without one, its caption), with pressed, focus
// and disabled looks.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace slot
{

class PictureButton : public QAbstractButton
{
    Q_OBJECT
public:
    explicit PictureButton(QWidget *parent = nullptr);
    void setFace(const QPixmap &face);
    QPixmap face() const { return facePicture; }
    // Pressing from code runs the click handler to its end; a disabled button does nothing.
    void press();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap facePicture;
};

} // namespace slot
