// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound bank: formats of the 25 sounds, the short effects, and the rendering of all of them.
#include "sounds.hpp"

namespace slot::sounds
{

using namespace synth;

namespace
{

struct Format {
    int id;
    int rate;
    int bits;
    double seconds;
};

// Rate, bits and length of each sound; the player's sound layer expects exactly these.
constexpr Format kFormats[] = {
    { 101, 11025, 8, 0.24 },
    { 102, 11025, 8, 0.55 },
    { 103, 11025, 8, 0.71 },
    { 104, 11025, 8, 0.71 },
    { 105, 11000, 8, 1.55 },
    { 106, 11025, 8, 1.76 },
    { 107, 11025, 8, 1.95 },
    { 108, 11025, 8, 1.95 },
    { 109, 11025, 8, 2.36 },
    { 110, 11025, 8, 2.41 },
    { 111, 11025, 8, 2.93 },
    { 112, 11025, 16, 1.62 },
    { 113, 11025, 8, 4.92 },
    { 114, 11025, 8, 13.95 },
    { 115, 44100, 8, 14.50 },
    { 116, 44100, 8, 0.28 },
    { 117, 11025, 8, 6.87 },
    { 118, 11025, 8, 10.23 },
    { 119, 44100, 8, 0.52 },
    { 120, 44100, 8, 0.47 },
    { 121, 44100, 8, 0.44 },
    { 122, 44100, 8, 0.41 },
    { 123, 44100, 8, 0.37 },
    { 124, 22050, 16, 0.06 },
    { 125, 11025, 8, 0.51 },
};

// A reel landing: a low pitch-dropping knock under a short mechanical click.
void reelStop(Buffer &b)
{
    Noise n(116);
    thump(b, 0.0, 0.2, 150, 52, 1.0, 16);
    noiseBurst(b, n, 0.0, 0.025, 0.7, 0.35, 160);
    noiseBurst(b, n, 0.004, 0.08, 0.35, 0.05, 40);
}

// Five chimes climbing a pentatonic scale, one per reel, so a run of scatters builds tension.
void scatterChime(Buffer &b, int reel)
{
    const double roots[] = { 76, 79, 81, 84, 88 };
    const double root = roots[reel - 1];
    note(b, Voice::chime, 0.0, b.seconds(), root, 0.8, 0.4 + 0.12 * reel);
    note(b, Voice::chime, 0.045, b.seconds() - 0.045, root + 7, 0.35, 0.3 + 0.12 * reel);
    note(b, Voice::bell, 0.09, b.seconds() - 0.09, root + 12, 0.18 * reel / 5.0 + 0.1, 0.5);
}

// A dry click: a few milliseconds of bright noise and a tick, nothing that rings.
void click(Buffer &b)
{
    Noise n(124);
    noiseBurst(b, n, 0.0, 0.012, 0.8, 0.85, 500);
    thump(b, 0.0, 0.015, 3200, 1800, 0.5, 350);
}

// The refusal: two short, slightly detuned low buzzes.
void buzz(Buffer &b)
{
    for (double t : { 0.0, 0.26 }) {
        note(b, Voice::square, t, 0.22, 45, 0.5, 1.0);
        note(b, Voice::square, t, 0.22, 45.9, 0.5, 1.0);
        note(b, Voice::square, t, 0.22, 33, 0.3, 0.6);
    }
}

Buffer render(const Format &f)
{
    const bool loop = f.id == 117 || f.id == 118;
    Buffer b(f.rate, f.bits, f.seconds, loop);
    if (f.id == 105) {
        featureFanfare(b);
    } else if (f.id == 110) {
        collectJingle(b);
    } else if (f.id == 116) {
        reelStop(b);
    } else if (f.id == 117) {
        featureTuneOne(b);
    } else if (f.id == 118) {
        featureTuneTwo(b);
    } else if (f.id >= 119 && f.id <= 123) {
        scatterChime(b, f.id - 118);
    } else if (f.id == 124) {
        click(b);
    } else if (f.id == 125) {
        buzz(b);
    } else {
        // 101..115 rise with the win; 105 and 110 have roles of their own above.
        winJingle(b, f.id - 101);
    }
    normalise(b);
    if (loop) {
        startAtZeroCrossing(b);
    }
    return b;
}

} // namespace

std::map<int, QByteArray> renderAll()
{
    std::map<int, QByteArray> out;
    for (const Format &f : kFormats) {
        out[f.id] = wav(render(f));
    }
    return out;
}

} // namespace slot::sounds
