// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Arithmetic that skips a statement instead of overflowing, as the game's rules require.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>

namespace slot
{

using Money = std::int32_t; // credits (cents); every money counter
using Short = std::int16_t; // flags, counts, selections and bet products

// The result of a wide computation narrowed to T, or nothing when it would not fit.
template <typename T> constexpr std::optional<T> narrow(long long wide)
{
    if (wide < std::numeric_limits<T>::min() || wide > std::numeric_limits<T>::max()) {
        return std::nullopt;
    }
    return static_cast<T>(wide);
}

template <typename T> constexpr std::optional<T> checkedAdd(T a, long long b)
{
    return narrow<T>(static_cast<long long>(a) + b);
}

template <typename T> constexpr std::optional<T> checkedMul(T a, long long b)
{
    return narrow<T>(static_cast<long long>(a) * b);
}

// A statement that would overflow is skipped: the variable keeps its old value.
template <typename T> constexpr bool assignIf(T &var, std::optional<T> value)
{
    if (!value) {
        return false;
    }
    var = *value;
    return true;
}

template <typename T> constexpr bool addTo(T &var, long long amount)
{
    return assignIf(var, checkedAdd(var, amount));
}

template <typename T> constexpr bool setTo(T &var, long long value)
{
    return assignIf(var, narrow<T>(value));
}

} // namespace slot
