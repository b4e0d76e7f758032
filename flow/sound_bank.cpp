// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound bank on SDL_mixer: the audio thread keeps playing while the game's thread sleeps.
#include "flow/sound_bank.hpp"

#include <QFile>
#include <QFileInfo>
#include <SDL.h>
#include <SDL_mixer.h>

namespace slot {
namespace {

// One channel is the whole point: starting a sound on it cuts off the one before.
constexpr int kChannel = 0;
// SDL keeps an open device's thread feeding the server silence even when paused, so at rest
// the device is closed: at the first check that finds nothing playing, ten seconds after the
// last sound began. That is longer than the slowest spin goes without a sound, so the close
// (which waits a tenth of a second for the stream to drain) never stalls the reels.
constexpr int kRestCheckMs = 10000;

bool &mixerInUse()
{
    static bool inUse = false;
    return inUse;
}

} // namespace

SoundBank::SoundBank(QString filePattern) : pattern(std::move(filePattern))
{
    restTimer.setSingleShot(true);
    restTimer.setInterval(kRestCheckMs);
    restTimer.callOnTimeout([this] { restIfSilent(); });
}

SoundBank::~SoundBank()
{
    if (!audioOpen) {
        return;
    }
    if (streaming) {
        Mix_HaltChannel(kChannel);
        Mix_CloseAudio();
    }
    for (auto *&chunk : chunks) {
        Mix_FreeChunk(chunk);
        chunk = nullptr;
    }
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    mixerInUse() = false;
}

bool SoundBank::openAudio()
{
    // SDL would otherwise walk through every driver it knows when no sound server runs, and
    // ALSA without a card fills the terminal with complaints. A user's own SDL_AUDIODRIVER
    // still wins over this default. PipeWire's library complains in the same way when it has
    // no server to talk to, so it is tried only where its socket is.
    const bool soundCards = QFileInfo(QStringLiteral("/dev/snd")).isDir();
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const bool pipewire = qEnvironmentVariableIsSet("PIPEWIRE_REMOTE")
        || (!runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/pipewire-0")));
    QByteArray drivers("pulseaudio");
    drivers += pipewire ? ",pipewire" : "";
    drivers += soundCards ? ",alsa" : "";
    SDL_SetHint(SDL_HINT_AUDIODRIVER, drivers.constData());
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "slots_TarNix");
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1"); // the window decides how the game ends
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    if (!openDevice()) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

bool SoundBank::openDevice()
{
    // No format changes allowed: SDL converts for the server, so the chunks decoded for the
    // first opening fit every later one.
    if (Mix_OpenAudioDevice(44100, AUDIO_S16SYS, 1, 2048, nullptr, 0) != 0) {
        return false;
    }
    Mix_AllocateChannels(1);
    return true;
}

void SoundBank::restIfSilent()
{
    if (!streaming) {
        return;
    }
    if (Mix_Playing(kChannel)) {
        restTimer.start(); // the looping feature music keeps the device open
        return;
    }
    // What was written last is silence by now, so the stream ends without a click.
    Mix_CloseAudio();
    streaming = false;
}

void SoundBank::load()
{
    // SDL_mixer is one per process; a second bank stays silent rather than share it.
    if (!audioOpen && !mixerInUse()) {
        audioOpen = openAudio();
        streaming = audioOpen;
        mixerInUse() = audioOpen;
        if (streaming) {
            restTimer.start();
        }
    }
    for (int n = kFirst; n <= kLast; ++n) {
        const auto i = static_cast<std::size_t>(n - kFirst);
        QFile file(pattern.arg(n));
        if (images[i].isEmpty() && file.open(QIODevice::ReadOnly)) {
            images[i] = file.readAll();
        }
        if (audioOpen && !chunks[i] && !images[i].isEmpty()) {
            SDL_RWops *rw =
                SDL_RWFromConstMem(images[i].constData(), static_cast<int>(images[i].size()));
            chunks[i] = rw ? Mix_LoadWAV_RW(rw, 1) : nullptr;
        }
    }
}

int SoundBank::loadedCount() const
{
    int count = 0;
    for (std::size_t i = 0; i < images.size(); ++i) {
        count += (audioOpen ? chunks[i] != nullptr : !images[i].isEmpty()) ? 1 : 0;
    }
    return count;
}

void SoundBank::start(int n, int loops)
{
    if (!audioOpen) {
        return;
    }
    // A request always ends the sound before it, even when its own sound cannot play.
    if (streaming) {
        Mix_HaltChannel(kChannel);
    }
    if (n < kFirst || n > kLast) {
        return;
    }
    Mix_Chunk *chunk = chunks[static_cast<std::size_t>(n - kFirst)];
    if (!chunk) {
        return;
    }
    // Opening takes a millisecond or two; the new stream starts with the sound's first sample.
    if (!streaming) {
        streaming = openDevice();
        if (!streaming) {
            return; // the server went away: this sound stays silent, the next one tries again
        }
    }
    Mix_PlayChannel(kChannel, chunk, loops);
    restTimer.start();
}

void SoundBank::play(int n)
{
    start(n, 0);
}

void SoundBank::playLooping(int n)
{
    start(n, -1);
}

} // namespace slot
