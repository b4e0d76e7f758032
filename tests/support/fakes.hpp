// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Fakes for the cabinet's outside world: sounds that are only noted, time that does not pass.
#pragma once

#include "display/pacing.hpp"
#include "flow/sound_out.hpp"

#include <functional>
#include <vector>

namespace slot::test
{

class RecordingSound final : public SoundOut
{
public:
    void play(int n) override { played.push_back(n); }
    void playLooping(int n) override
    {
        looped.push_back(n);
        played.push_back(n);
    }
    int count(int n) const
    {
        int c = 0;
        for (int p : played) {
            c += p == n;
        }
        return c;
    }
    std::vector<int> played;
    std::vector<int> looped;
};

class ZeroPacing final : public Pacing
{
public:
    void sleep(int ms) override
    {
        sleptMs += ms;
        ++sleeps;
        if (onSleep) {
            onSleep();
        }
    }
    // The hook stands for events that were queued while the thread was blocked.
    void processEvents() override
    {
        ++eventPoints;
        if (onProcessEvents) {
            onProcessEvents();
        }
    }
    long long sleptMs = 0;
    int sleeps = 0;
    int eventPoints = 0;
    std::function<void()> onSleep;
    std::function<void()> onProcessEvents;
};

} // namespace slot::test
