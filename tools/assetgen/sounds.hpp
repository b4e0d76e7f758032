// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The 25 sounds of the sound bank, each rendered as a complete WAVE file image.
#pragma once

#include "synth.hpp"

#include <QByteArray>
#include <map>

namespace slot::sounds
{

// Resource id (101..125) to WAVE bytes.
std::map<int, QByteArray> renderAll();

// The compositions, filled into a buffer already made at the sound's rate, bits and length.
void winJingle(synth::Buffer &b, int level); // level 0 (smallest win) .. 14 (the big one)
void featureFanfare(synth::Buffer &b);
void collectJingle(synth::Buffer &b);
void featureTuneOne(synth::Buffer &b);
void featureTuneTwo(synth::Buffer &b);

} // namespace slot::sounds
