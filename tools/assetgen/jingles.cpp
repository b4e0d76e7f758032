// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The musical sounds: win jingles that grow with the win, the feature fanfare, the collect
// jingle and the two looping feature tunes.
#include "sounds.hpp"

#include <algorithm>
#include <cmath>

namespace slot::sounds
{

using namespace synth;

namespace
{

constexpr double kC5 = 72;

// Major-key arpeggio steps over a chord root, rising and falling within one bar of eight.
constexpr int kArpeggio[8] = { 0, 4, 7, 12, 16, 12, 7, 4 };
// I - IV - V - I: the cadence every club jingle leans on.
constexpr int kProgression[4] = { 0, 5, 7, 0 };

void finalChord(Buffer &b, double t, double root, int level, double bright)
{
    const double dur = b.seconds() - t;
    chord(b, Voice::bell, t, dur, { root, root + 4, root + 7, root + 12 }, 0.9, bright);
    if (level >= 6) {
        chord(b, Voice::brass, t, dur, { root - 12, root - 5, root + 4 }, 0.55, bright);
    }
    if (level >= 9) {
        note(b, Voice::organ, t, dur, root - 24, 0.45, 0.5);
    }
}

// The four smallest wins get short motifs of their own rather than a squeezed run.
void shortMotif(Buffer &b, int level, double bright)
{
    const double lengths[] = { 0.24, 0.55, 0.71, 0.71 };
    const double d = lengths[level];
    switch (level) {
    case 0:
        note(b, Voice::bell, 0.0, 0.1, 79, 0.6, bright);
        note(b, Voice::bell, 0.07, d - 0.07, 84, 0.7, bright);
        break;
    case 1:
        for (int i = 0; i < 3; ++i) {
            note(b, Voice::bell, i * 0.08, d - i * 0.08, kC5 + kArpeggio[i], 0.6, bright);
        }
        break;
    default: {
        // 103 and 104: a four-note climb, the second a tone higher and brighter.
        const double root = level == 2 ? kC5 : kC5 + 2;
        for (int i = 0; i < 4; ++i) {
            note(b, Voice::bell, i * 0.085, d - i * 0.085, root + kArpeggio[i], 0.55, bright);
            if (level == 3) {
                note(b, Voice::pluck, i * 0.085, 0.2, root + kArpeggio[i] + 12, 0.25, bright);
            }
        }
        break;
    }
    }
}

} // namespace

void winJingle(Buffer &b, int level)
{
    const double bright = 0.15 + 0.85 * level / 14.0;
    if (level < 4) {
        shortMotif(b, level, bright);
        echo(b, 0.11, 0.25, 0.3);
        return;
    }
    const double total = b.seconds();
    const double tail = std::min(0.9, total * 0.32);
    const double step = total > 4 ? 0.12 : 0.095;
    const int steps = static_cast<int>((total - tail) / step);
    // Bigger wins climb higher and pile on more voices.
    const double base = kC5 + (level >= 12 ? 7 : level >= 10 ? 5 : level >= 7 ? 2 : 0);
    const Voice lead = level >= 12 ? Voice::brass : level >= 8 ? Voice::square : Voice::pluck;
    Noise hat(static_cast<std::uint32_t>(level + 1));
    // The melody the long jingles sing over the arpeggios (scale steps above the chord root).
    const int melody[16] = { 12, 12, 16, 19, 17, 16, 14, 12, 16, 19, 24, 19, 17, 14, 16, 12 };
    for (int i = 0; i < steps; ++i) {
        const int bar = i / 8;
        const double root = base + kProgression[bar % 4];
        const double t = i * step;
        note(b, Voice::bell, t, step * 2.5, root + kArpeggio[i % 8], 0.45, bright);
        if (level >= 5) {
            note(b, lead, t, step * 1.6, root + kArpeggio[(i + 2) % 8] - 12, 0.25, bright);
        }
        if (level >= 8 && i % 2 == 0) {
            note(b, Voice::organ, t, step * 2, root - 24, 0.4, 0.4);
        }
        if (level >= 10 && i % 2 == 1) {
            noiseBurst(b, hat, t, 0.04, 0.12, 0.9, 90);
        }
        if (level >= 11 && i % 4 == 0) {
            const int m = melody[(i / 4) % 16];
            note(b, level >= 13 ? Voice::brass : Voice::square, t, step * 3.8, base + m, 0.35,
                bright);
        }
        // Sparkle an octave or two up: the bigger the win, the brighter and denser it glitters.
        const int every = level >= 12 ? 1 : level >= 8 ? 2 : 4;
        if (i % every == 0) {
            note(b, Voice::bell, t, step * 2,
                root + kArpeggio[(i + 4) % 8] + (level >= 8 ? 24 : 12), 0.04 + 0.03 * level, 1.0);
        }
    }
    finalChord(b, steps * step, base + 12, level, bright);
    echo(b, 0.13, 0.3, 0.35);
}

void featureFanfare(Buffer &b)
{
    // Ta-ta-ta-taaa on a brass section over a drum roll, then the chord rings out.
    Noise roll(105);
    const double hits[] = { 0.0, 0.12, 0.24 };
    for (double t : hits) {
        chord(b, Voice::brass, t, 0.11, { 67, 71, 74 }, 0.8, 0.8);
    }
    for (double t = 0.0; t < 0.36; t += 0.03) {
        noiseBurst(b, roll, t, 0.03, 0.12 + t * 0.4, 0.6, 70);
    }
    chord(b, Voice::brass, 0.38, b.seconds() - 0.38, { 72, 76, 79, 84 }, 1.0, 0.9);
    note(b, Voice::organ, 0.38, b.seconds() - 0.38, 48, 0.5, 0.5);
    for (int i = 0; i < 8; ++i) {
        note(b, Voice::bell, 0.4 + i * 0.06, 0.6, 84 + kArpeggio[i % 5], 0.25, 0.8);
    }
    noiseBurst(b, roll, 0.38, 0.4, 0.3, 0.3, 8);
    echo(b, 0.12, 0.25, 0.3);
}

void collectJingle(Buffer &b)
{
    // Coins pouring out: a rapid cascade of high bells, then a bright closing chord.
    const int coins[] = { 96, 91, 93, 88, 91, 86, 88, 84, 86, 81, 84, 79, 84, 88, 91, 96 };
    for (int i = 0; i < 16; ++i) {
        note(b, Voice::bell, i * 0.065, 0.35, coins[i] - 12, 0.4, 0.9);
    }
    finalChord(b, 1.1, kC5 + 12, 8, 0.8);
    echo(b, 0.09, 0.3, 0.35);
}

namespace
{

// One bar per chord root; each tune is whole bars, rendered round its loop.
struct Tune {
    double beat;
    std::vector<int> roots; // chord root per bar
    std::vector<bool> minor; // minor chord per bar
    std::vector<int> melody; // eighth notes, -1 a rest
};

void playTune(Buffer &b, const Tune &tune)
{
    const double eighth = tune.beat / 2;
    Noise hat(117);
    const int bars = static_cast<int>(tune.roots.size());
    for (int bar = 0; bar < bars; ++bar) {
        const double t0 = bar * 4 * tune.beat;
        const int root = tune.roots[static_cast<std::size_t>(bar)];
        const int third = tune.minor[static_cast<std::size_t>(bar)] ? 3 : 4;
        for (int beat = 0; beat < 4; ++beat) {
            const double t = t0 + beat * tune.beat;
            // Bass on the beat, an offbeat stab and a hat: a bouncy, busy club groove.
            note(b, Voice::pluck, t, tune.beat * 0.9, root - 24 + (beat % 2 ? 7 : 0), 0.6, 0.5);
            chord(b, Voice::square, t + eighth, eighth * 0.8,
                { double(root), double(root + third), double(root + 7) }, 0.3, 0.35);
            noiseBurst(b, hat, t + eighth, 0.03, 0.08, 0.92, 120);
        }
    }
    for (std::size_t i = 0; i < tune.melody.size(); ++i) {
        if (tune.melody[i] >= 0) {
            note(b, Voice::bell, static_cast<double>(i) * eighth, eighth * 2.2, tune.melody[i],
                0.42, 0.6);
        }
    }
    echo(b, tune.beat * 0.75, 0.25, 0.25);
}

} // namespace

void featureTuneOne(Buffer &b)
{
    // Four bars, C - Am - F - G; the beat is chosen so the bars fill the loop exactly.
    Tune t;
    t.beat = b.seconds() / 16;
    t.roots = { 60, 57, 53, 55 };
    t.minor = { false, true, false, false };
    t.melody = { 76, -1, 79, 76, 72, -1, 74, 76, 76, -1, 72, 69, 72, 76, 74, -1, 77, -1, 76, 74, 72,
        -1, 69, 72, 74, -1, 71, 74, 79, 77, 76, 74 };
    playTune(b, t);
}

void featureTuneTwo(Buffer &b)
{
    // Six bars in G, G - Em - C - D - G - D, with a call-and-answer melody.
    Tune t;
    t.beat = b.seconds() / 24;
    t.roots = { 55, 52, 60, 62, 55, 62 };
    t.minor = { false, true, false, false, false, false };
    t.melody = { 79, 83, 86, -1, 83, -1, 79, -1, 76, 79, 83, -1, 79, -1, 76, -1, 76, 79, 84, -1, 84,
        83, 81, -1, 78, 81, 86, -1, 84, 81, 78, -1, 79, 83, 86, 91, 86, -1, 83, -1, 81, -1, 78, 81,
        86, 84, 81, 78 };
    playTune(b, t);
}

} // namespace slot::sounds
