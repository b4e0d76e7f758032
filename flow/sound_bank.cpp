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

bool &mixerInUse()
{
    static bool inUse = false;
    return inUse;
}

} // namespace

SoundBank::SoundBank(QString filePattern) : pattern(std::move(filePattern)) { }

SoundBank::~SoundBank()
{
    if (!audioOpen) {
        return;
    }
    Mix_HaltChannel(kChannel);
    for (auto *&chunk : chunks) {
        Mix_FreeChunk(chunk);
        chunk = nullptr;
    }
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    mixerInUse() = false;
}

bool SoundBank::openAudio()
{
    // SDL would otherwise walk through every driver it knows when no sound server runs, and
    // ALSA without a card fills the terminal with complaints. A user's own SDL_AUDIODRIVER
    // still wins over this default.
    const bool soundCards = QFileInfo(QStringLiteral("/dev/snd")).isDir();
    SDL_SetHint(SDL_HINT_AUDIODRIVER,
                soundCards ? "pulseaudio,pipewire,alsa" : "pulseaudio,pipewire");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "slots_TarNix");
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1"); // the window decides how the game ends
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 2048) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(1);
    return true;
}

void SoundBank::load()
{
    // SDL_mixer is one per process; a second bank stays silent rather than share it.
    if (!audioOpen && !mixerInUse()) {
        audioOpen = openAudio();
        mixerInUse() = audioOpen;
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
    Mix_HaltChannel(kChannel);
    if (n < kFirst || n > kLast) {
        return;
    }
    if (Mix_Chunk *chunk = chunks[static_cast<std::size_t>(n - kFirst)]) {
        Mix_PlayChannel(kChannel, chunk, loops);
    }
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
