// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Rows of controls indexed from 1, as the game numbers them; a bad index gives nullptr.
#pragma once

#include <array>
#include <cstddef>

namespace slot
{

template <typename T, std::size_t N> class OneBased
{
public:
    T *operator()(int i) const
    {
        return i >= 1 && static_cast<std::size_t>(i) <= N ? items[static_cast<std::size_t>(i - 1)]
                                                          : nullptr;
    }
    void set(int i, T *item) { items[static_cast<std::size_t>(i - 1)] = item; }
    static constexpr int size() { return static_cast<int>(N); }

    template <typename F> void each(F &&f) const
    {
        for (T *item : items) {
            if (item) {
                f(item);
            }
        }
    }

private:
    std::array<T *, N> items {};
};

} // namespace slot
