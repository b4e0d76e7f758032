// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A picture list addressed from 1; a number outside the list gives a null picture.
#pragma once

#include <QList>
#include <QPixmap>

namespace slot
{

class ImageList
{
public:
    void add(const QPixmap &picture) { pictures.append(picture); }
    QPixmap picture(int i) const
    {
        return i >= 1 && i <= pictures.size() ? pictures.at(i - 1) : QPixmap();
    }
    bool has(int i) const { return i >= 1 && i <= pictures.size(); }
    int count() const { return static_cast<int>(pictures.size()); }

private:
    QList<QPixmap> pictures;
};

} // namespace slot
