// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Sample-level synthesis for the sound bank.
#include "synth.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace slot::synth
{

namespace
{

constexpr double kTwoPi = 2 * std::numbers::pi;

void put16(QByteArray &out, int v)
{
    out.append(static_cast<char>(v & 0xff));
    out.append(static_cast<char>((v >> 8) & 0xff));
}

void put32(QByteArray &out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) {
        out.append(static_cast<char>((v >> (8 * i)) & 0xff));
    }
}

// Partials above the Nyquist frequency would fold back as harsh aliases; they are left out.
double partial(double f, int k, double rate)
{
    return f * k < rate * 0.45 ? 1.0 : 0.0;
}

double envelope(double t, double dur, double attack, double decay)
{
    if (t < 0 || t >= dur) {
        return 0;
    }
    const double a = std::min(1.0, t / attack);
    const double release = std::min(1.0, (dur - t) / std::min(0.02, dur * 0.3));
    return a * std::exp(-t * decay) * release;
}

} // namespace

double Noise::next()
{
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return (state >> 8) * (2.0 / 16777216.0) - 1.0;
}

Buffer::Buffer(int rateHz, int bitsPerSample, double seconds, bool looping)
    : rate(rateHz)
    , bits(bitsPerSample)
    , loop(looping)
    , s(static_cast<std::size_t>(std::lround(rateHz * seconds)), 0.0)
{
}

void Buffer::add(long index, double v)
{
    const long n = static_cast<long>(s.size());
    if (loop) {
        index = ((index % n) + n) % n;
    } else if (index < 0 || index >= n) {
        return;
    }
    s[static_cast<std::size_t>(index)] += v;
}

double midiHz(double note)
{
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

void note(Buffer &b, Voice v, double t, double dur, double midi, double amp, double brightness)
{
    const double f = midiHz(midi);
    const double rate = b.rate;
    const long start = std::lround(t * rate);
    const long count = std::lround(dur * rate);
    for (long i = 0; i < count; ++i) {
        const double x = i / rate;
        double y = 0;
        switch (v) {
        case Voice::bell: {
            // FM sidebands reach about (index + 1) modulator steps out; keeping them below
            // ~9 kHz and the Nyquist limit avoids both aliasing and a glassy harshness.
            const double ceiling = std::min(9000.0, rate * 0.45);
            const double maxIndex = std::max(0.0, (ceiling / f - 1) / 3.5 - 1);
            const double index = std::min(maxIndex, 1.5 + 4 * brightness) * std::exp(-x * 6);
            y = std::sin(kTwoPi * f * x + index * std::sin(kTwoPi * f * 3.5 * x))
                * envelope(x, dur, 0.002, 3.0);
            y += 0.3 * std::sin(kTwoPi * f * 2 * x) * partial(f, 2, rate)
                * envelope(x, dur, 0.002, 7.0);
            break;
        }
        case Voice::chime: {
            const double e = envelope(x, dur, 0.003, 5.0);
            y = (std::sin(kTwoPi * f * x)
                    + 0.45 * std::sin(kTwoPi * f * 3 * x) * partial(f, 3, rate)
                    + 0.25 * brightness * std::sin(kTwoPi * f * 4.2 * x) * partial(f, 5, rate)
                        * std::exp(-x * 10))
                * e;
            break;
        }
        case Voice::pluck: {
            const int top = 2 + static_cast<int>(brightness * 10);
            for (int k = 1; k <= top; ++k) {
                y += partial(f, k, rate) * std::sin(kTwoPi * f * k * x) / k
                    * std::exp(-x * (3 + k * 2.0));
            }
            y *= envelope(x, dur, 0.002, 2.0);
            break;
        }
        case Voice::brass: {
            const int top = 3 + static_cast<int>(brightness * 14);
            const double open = std::min(1.0, x / 0.06);
            for (int k = 1; k <= top; ++k) {
                const double w = std::pow(open, 0.5 * k);
                y += partial(f, k, rate) * w * std::sin(kTwoPi * f * k * x) / k;
            }
            y *= 0.8 * envelope(x, dur, 0.015, 0.6);
            break;
        }
        case Voice::square: {
            const int top = 3 + static_cast<int>(brightness * 12);
            for (int k = 1; k <= top; k += 2) {
                y += partial(f, k, rate) * std::sin(kTwoPi * f * k * x) / k;
            }
            y *= 0.9 * envelope(x, dur, 0.004, 1.5);
            break;
        }
        case Voice::organ:
            y = (std::sin(kTwoPi * f * x) + 0.4 * std::sin(kTwoPi * f * 2 * x) * partial(f, 2, rate)
                    + 0.2 * brightness * std::sin(kTwoPi * f * 3 * x) * partial(f, 3, rate))
                * envelope(x, dur, 0.01, 0.4);
            break;
        }
        b.add(start + i, amp * y);
    }
}

void chord(Buffer &b, Voice v, double t, double dur, std::initializer_list<double> notes,
    double amp, double brightness)
{
    for (double n : notes) {
        note(b, v, t, dur, n, amp / std::sqrt(static_cast<double>(notes.size())), brightness);
    }
}

void noiseBurst(Buffer &b, Noise &n, double t, double dur, double amp, double smooth, double decay)
{
    const long start = std::lround(t * b.rate);
    const long count = std::lround(dur * b.rate);
    double low = 0;
    for (long i = 0; i < count; ++i) {
        const double x = static_cast<double>(i) / b.rate;
        low += (n.next() - low) * smooth;
        b.add(start + i, amp * low * envelope(x, dur, 0.0005, decay));
    }
}

void thump(Buffer &b, double t, double dur, double fromHz, double toHz, double amp, double decay)
{
    const long start = std::lround(t * b.rate);
    const long count = std::lround(dur * b.rate);
    double phase = 0;
    for (long i = 0; i < count; ++i) {
        const double x = static_cast<double>(i) / b.rate;
        const double f = toHz + (fromHz - toHz) * std::exp(-x * 30);
        phase += kTwoPi * f / b.rate;
        b.add(start + i, amp * std::sin(phase) * envelope(x, dur, 0.001, decay));
    }
}

void echo(Buffer &b, double delay, double feedback, double mix)
{
    const long d = std::lround(delay * b.rate);
    const long n = static_cast<long>(b.s.size());
    std::vector<double> wet(b.s.size(), 0.0);
    // Two passes over a loop let the echo of the end reach round into the start.
    const int passes = b.loop ? 2 : 1;
    for (int pass = 0; pass < passes; ++pass) {
        for (long i = 0; i < n; ++i) {
            long j = i - d;
            if (b.loop) {
                j = ((j % n) + n) % n;
            } else if (j < 0) {
                continue;
            }
            wet[static_cast<std::size_t>(i)]
                = (b.s[static_cast<std::size_t>(j)] + wet[static_cast<std::size_t>(j)]) * feedback;
        }
    }
    for (long i = 0; i < n; ++i) {
        b.s[static_cast<std::size_t>(i)] += mix * wet[static_cast<std::size_t>(i)];
    }
}

void normalise(Buffer &b, double rmsDb, double peakDb)
{
    const long window = std::max<long>(1, b.rate / 100);
    double loudest = 0;
    double sum = 0;
    double peak = 0;
    for (std::size_t i = 0; i < b.s.size(); ++i) {
        sum += b.s[i] * b.s[i];
        if (static_cast<long>(i) >= window) {
            sum -= b.s[i - static_cast<std::size_t>(window)]
                * b.s[i - static_cast<std::size_t>(window)];
        }
        loudest = std::max(loudest, sum / window);
        peak = std::max(peak, std::abs(b.s[i]));
    }
    if (loudest <= 0 || peak <= 0) {
        return;
    }
    const double gain = std::min(
        std::pow(10.0, rmsDb / 20) / std::sqrt(loudest), std::pow(10.0, peakDb / 20) / peak);
    for (double &v : b.s) {
        v *= gain;
    }
}

void startAtZeroCrossing(Buffer &b)
{
    const std::size_t n = b.s.size();
    std::size_t best = 0;
    double bestSlope = 1e9;
    for (std::size_t i = 0; i < n; ++i) {
        const double prev = b.s[(i + n - 1) % n];
        const double cur = b.s[i];
        // The gentlest rising crossing makes the quietest seam.
        if (prev < 0 && cur >= 0 && cur - prev < bestSlope) {
            bestSlope = cur - prev;
            best = i;
        }
    }
    std::rotate(b.s.begin(), b.s.begin() + static_cast<long>(best), b.s.end());
}

QByteArray wav(const Buffer &b)
{
    const int bytesPerSample = b.bits / 8;
    const auto dataBytes
        = static_cast<std::uint32_t>(b.s.size() * static_cast<std::size_t>(bytesPerSample));
    const std::uint32_t pad = dataBytes % 2;
    QByteArray out;
    out.append("RIFF");
    put32(out, 36 + dataBytes + pad);
    out.append("WAVEfmt ");
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, static_cast<std::uint32_t>(b.rate));
    put32(out, static_cast<std::uint32_t>(b.rate * bytesPerSample));
    put16(out, bytesPerSample);
    put16(out, b.bits);
    out.append("data");
    put32(out, dataBytes);
    for (double v : b.s) {
        const double c = std::clamp(v, -1.0, 1.0);
        if (b.bits == 8) {
            // 8-bit WAVE is unsigned with silence at 128.
            out.append(static_cast<char>(
                std::clamp(static_cast<int>(std::lround(128 + 127 * c)), 1, 255)));
        } else {
            put16(out, static_cast<int>(std::lround(32767 * c)));
        }
    }
    if (pad) {
        out.append('\0');
    }
    return out;
}

} // namespace slot::synth
