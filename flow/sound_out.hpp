// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's only way to make a sound: by number, one at a time, never waiting for it.
#pragma once

namespace slot {

class SoundOut {
public:
    virtual ~SoundOut() = default;
    // Starts sound n (101 .. 125) and returns at once; whatever was playing stops.
    virtual void play(int n) = 0;
    // The same, but sound n repeats until the next play or playLooping.
    virtual void playLooping(int n) = 0;
};

// For a machine with no sound at all.
class SilentSound final : public SoundOut {
public:
    void play(int) override {}
    void playLooping(int) override {}
};

} // namespace slot
