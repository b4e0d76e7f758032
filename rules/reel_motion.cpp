// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// All reels scroll down together, then stop left to right; each stopped reel overshoots by
// 600 twips and settles back over the next phase's first ten frames.
#include "rules/reel_motion.hpp"

#include "rules/reel_outcome.hpp"

namespace slot
{

namespace
{

constexpr int kFrameDelay[6] = { 0, 13, 15, 17, 18, 19 };
constexpr int kOvershoot = 600;
constexpr int kRunUp = 4050;

bool heldReel(const MainState &s, int reel)
{
    return s.isHeld(reel);
}

// One settling reel: it sits at origin - offset, the offset growing by 60 per frame.
struct Settle {
    int reel = 0;
    Money origin = 0;
    int offset = 0;
    void step(const MainState &s, ReelMotion &m)
    {
        if (offset < kOvershoot) {
            offset += 60;
            if (!heldReel(s, reel)) {
                m.place(reel, origin - offset);
            }
        }
    }
};

void stopSounds(const MainState &s, int reel, ReelMotion &m)
{
    if (s.freespins >= 1) {
        return; // free games are silent so the feature tune keeps playing
    }
    if (!heldReel(s, reel)) {
        m.sound(116);
    }
    const bool lateReel = reel >= 4;
    if (s.scattercell[static_cast<std::size_t>(reel)] != 0 && (!lateReel || s.scatters > 1)) {
        m.sound(118 + reel);
    }
}

} // namespace

bool isValidReelspeed(int r)
{
    return r == 1 || r == 2 || r == 4 || r == 8 || r == 10;
}

void normaliseReelspeed(Short &reelspeed)
{
    if (!isValidReelspeed(reelspeed)) {
        reelspeed = 1;
    }
}

int reelStep(int reelspeed)
{
    switch (reelspeed) {
    case 2:
        return 800;
    case 4:
        return 600;
    case 8:
        return 400;
    case 10:
        return 200;
    default:
        return 1000;
    }
}

void runReelAnimation(const MainState &s, int reelspeed, ReelMotion &m)
{
    const int rs = isValidReelspeed(reelspeed) ? reelspeed : 1;
    const int step = reelStep(rs);
    // Phase 1: everything scrolls; reel 1 at stop 22 rests below the start, so no frame runs.
    for (Money i = -32400; i <= s.reeltop1; i += step) {
        m.place(1, i + kOvershoot);
        for (int reel = 2; reel <= 5; ++reel) {
            if (!heldReel(s, reel)) {
                m.place(reel, i);
            }
        }
        m.frame(kFrameDelay[1] + rs);
    }
    Settle settle { 1, s.reeltop1 + kOvershoot, 0 };
    stopSounds(s, 1, m);
    // Phases 2 to 5: reel n runs up to its stop twice while reel n - 1 settles.
    for (int reel = 2; reel <= 5; ++reel) {
        const Money target = s.reeltopOf(reel);
        for (int pass = 0; pass < 2; ++pass) {
            for (Money i = target - kRunUp; i <= target; i += step) {
                settle.step(s, m);
                if (!heldReel(s, reel)) {
                    m.place(reel, i + kOvershoot);
                }
                for (int later = reel + 1; later <= 5; ++later) {
                    if (!heldReel(s, later)) {
                        m.place(later, i);
                    }
                }
                m.frame(kFrameDelay[reel] + rs);
            }
        }
        settle = Settle { reel, target + kOvershoot, 0 };
        stopSounds(s, reel, m);
    }
    // Reel 5 has no next phase to settle in: it settles on its own.
    for (int offset = 0; offset <= kOvershoot; offset += 50) {
        m.place(5, settle.origin - offset);
        m.frame(rs + 9);
    }
}

long long animationSleepMs(const MainState &s, int reelspeed)
{
    struct Counter final : ReelMotion {
        long long ms = 0;
        void place(int, Money) override { }
        void frame(int sleepMs) override { ms += sleepMs; }
        void sound(int) override { }
    } counter;
    runReelAnimation(s, reelspeed, counter);
    return counter.ms;
}

} // namespace slot
