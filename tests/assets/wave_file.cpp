// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reads the few fields of a WAVE file image that the inventory test checks.
#include "wave_file.hpp"

#include <cstdint>

namespace
{

std::uint32_t le(const QByteArray &b, qsizetype at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        v = (v << 8) | static_cast<std::uint8_t>(b[at + i]);
    }
    return v;
}

} // namespace

WaveFile parseWave(const QByteArray &b)
{
    WaveFile w;
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE") {
        return w;
    }
    bool haveFormat = false;
    for (qsizetype at = 12; at + 8 <= b.size();) {
        const QByteArray id = b.mid(at, 4);
        const qsizetype size = le(b, at + 4, 4);
        const qsizetype body = at + 8;
        if (body + size > b.size()) {
            return w;
        }
        if (id == "fmt " && size >= 16) {
            w.format = static_cast<int>(le(b, body, 2));
            w.channels = static_cast<int>(le(b, body + 2, 2));
            w.rate = static_cast<int>(le(b, body + 4, 4));
            w.bits = static_cast<int>(le(b, body + 14, 2));
            haveFormat = true;
        } else if (id == "data" && haveFormat && (w.bits == 8 || w.bits == 16)) {
            const int step = w.bits / 8 * w.channels;
            for (qsizetype i = 0; i + step <= size; i += step) {
                if (w.bits == 8) {
                    w.samples.push_back((static_cast<std::uint8_t>(b[body + i]) - 128) / 128.0);
                } else {
                    w.samples.push_back(static_cast<std::int16_t>(le(b, body + i, 2)) / 32768.0);
                }
            }
            w.valid = true;
        }
        at = body + size + (size % 2); // chunks are padded to even lengths
    }
    return w;
}
