// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The 25 built-in sounds, decoded once and played on a single SDL_mixer channel. The audio
// device is open only while sounds play: at rest the game costs no processor time for it.
#pragma once

#include "flow/sound_out.hpp"

#include <QByteArray>
#include <QString>
#include <QTimer>
#include <array>

struct Mix_Chunk;

namespace slot {

class SoundBank final : public SoundOut {
public:
    static constexpr int kFirst = 101;
    static constexpr int kLast = 125;

    // `pattern` names each sound's file or resource, with %1 standing for its number.
    explicit SoundBank(QString pattern = QStringLiteral(":/sounds/RESOURCE_ID_%1.wav"));
    ~SoundBank() override;
    SoundBank(const SoundBank &) = delete;
    SoundBank &operator=(const SoundBank &) = delete;

    // Opens the audio device and reads the sounds in ascending order; anything missing stays
    // silent. Called once, when the cabinet loads.
    void load();

    void play(int n) override;
    void playLooping(int n) override;

    bool hasAudio() const { return audioOpen; }
    // Whether the device is open now; it closes a few seconds after the last sound ended.
    bool deviceOpen() const { return streaming; }
    // Sounds ready to play; without a device, the images read (none of them can play).
    int loadedCount() const;

private:
    void start(int n, int loops);
    static bool openAudio();
    static bool openDevice();
    void restIfSilent();

    QString pattern;
    bool audioOpen = false; // sound works in this session: the chunks are decoded for it
    bool streaming = false; // the device is open and its thread running
    QTimer restTimer;
    // The WAVE images as stored; `chunks` holds SDL_mixer's decoded copies for the device.
    std::array<QByteArray, kLast - kFirst + 1> images;
    std::array<Mix_Chunk *, kLast - kFirst + 1> chunks{};
};

} // namespace slot
