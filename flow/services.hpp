// The outside world as the cabinet sees it: chance, time, sound, the records and the screen.
#pragma once

#include "flow/game_state.hpp"

#include <functional>

namespace slot
{

class Rng;
class Pacing;
class SoundOut;

struct Services {
    Rng &rng;
    Pacing &pacing;
    SoundOut &sound;
    std::function<bool()> isScreenFontSmall = [] { return true; };
    std::function<void()> showLargeFontsMessage = [] {};
    std::function<void(int, int)> changeRes = [](int, int) {};
    std::function<void()> restoreRes = [] {};
    std::function<void()> loadSounds = [] {};
    std::function<void(int, PlayerState &)> loadRecord = [](int, PlayerState &) {};
    std::function<void(const PlayerState &)> saveRecord = [](const PlayerState &) {};
    std::function<void()> endProgram = [] {};
};

} // namespace slot
