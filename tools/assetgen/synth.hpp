// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Sample-level synthesis: a mono buffer, a few instrument voices, loudness and WAVE output.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

namespace slot::synth
{

// A fixed-seed generator with a defined sequence, so every noise burst is the same each run.
class Noise
{
public:
    explicit Noise(std::uint32_t seed)
        : state(seed ? seed : 1u)
    {
    }
    double next(); // uniform in [-1, 1)

private:
    std::uint32_t state;
};

struct Buffer {
    int rate = 11025;
    int bits = 8;
    bool loop = false; // a loop wraps every note's tail round to its start
    std::vector<double> s;

    Buffer(int rateHz, int bitsPerSample, double seconds, bool looping = false);
    double seconds() const { return static_cast<double>(s.size()) / rate; }
    void add(long index, double v);
};

enum class Voice {
    bell, // FM bell: bright strike, long ring
    chime, // softer bell with a fifth partial, for the scatter chimes
    pluck, // plucked, fast-decaying harmonic tone
    brass, // band-limited saw with a swelling brightness, for fanfares
    square, // band-limited square, the classic arcade lead
    organ, // sustained sine harmonics, for pads and bass
};

double midiHz(double note);

// Adds a note at time t (s) lasting dur (s); brightness 0..1 scales the upper partials.
void note(
    Buffer &b, Voice v, double t, double dur, double midi, double amp, double brightness = 0.5);
void chord(Buffer &b, Voice v, double t, double dur, std::initializer_list<double> notes,
    double amp, double brightness = 0.5);
void noiseBurst(Buffer &b, Noise &n, double t, double dur, double amp, double smooth, double decay);
// A pitch-dropping sine: kicks and thumps.
void thump(Buffer &b, double t, double dur, double fromHz, double toHz, double amp, double decay);
// A feedback echo; on a loop it wraps round so the seam stays continuous.
void echo(Buffer &b, double delay, double feedback, double mix);

// Scales to a common loudness (the loudest 10 ms reaches rmsDb; short enough
// that a click is measured on its own body rather than on the silence after it) without letting a
// peak pass peakDb, so sounds are even with each other and never clip.
void normalise(Buffer &b, double rmsDb = -13.0, double peakDb = -1.0);
// Rotates a loop to start on a rising zero crossing, so the seam falls between quiet samples.
void startAtZeroCrossing(Buffer &b);
QByteArray wav(const Buffer &b);

} // namespace slot::synth
