// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The record's number parser over arbitrary text: what it accepts is exactly an optional minus
// and decimal digits, and an accepted number is written back as the same value.
#include "players/player_record.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace
{

bool plainDecimal(std::string_view text)
{
    if (!text.empty() && text.front() == '-') {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return false;
    }
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

template <typename Parse> void check(std::string_view text, Parse parse)
{
    const auto value = parse(text);
    if (!value) {
        return;
    }
    if (!plainDecimal(text) || parse(std::to_string(*value)) != value) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    check(text, slot::parseShort);
    check(text, slot::parseMoney);
    // A wider value that fits: both parsers agree on the narrower range.
    const auto s = slot::parseShort(text);
    const auto m = slot::parseMoney(text);
    if (s && (!m || *m != *s)) {
        std::abort();
    }
    return 0;
}
