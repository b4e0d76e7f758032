// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reads the few fields of a WAVE file image that the inventory test checks.
#pragma once

#include <QByteArray>
#include <vector>

struct WaveFile {
    bool valid = false;
    int format = 0; // 1 is PCM
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<double> samples; // -1..1; 8-bit is unsigned around 128

    double seconds() const { return rate ? static_cast<double>(samples.size()) / rate : 0; }
};

WaveFile parseWave(const QByteArray &bytes);
