// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The outside world as the cabinet sees it: chance, time, sound, the records and the screen.
#pragma once

#include "care/player_care.hpp"
#include "flow/game_state.hpp"
#include "journal/game_journal.hpp"
#include "players/game_recall.hpp"

#include <ctime>
#include <functional>
#include <memory>
#include <string>

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
    // Empty while the options window may change the screen size; otherwise what its note
    // says instead of changing it (the cabinet is drawn to fit a screen it leaves alone).
    std::string fixedScreenNote = {};
    std::function<void()> loadSounds = [] {};
    std::function<void(int, PlayerState &)> loadRecord = [](int, PlayerState &) {};
    std::function<void(const PlayerState &)> saveRecord = [](const PlayerState &) {};
    // The options window's slot choice: zeros first, and a damaged number resets the speed.
    std::function<void(int, PlayerState &)> loadRecordResetting = [](int, PlayerState &) {};
    std::function<std::string(int)> readName = [](int) { return std::string(); };
    // Hands an address to the desktop (the browser, the file viewer); failures stay silent.
    std::function<void(const std::string &url)> openUrl = [](const std::string &) {};
    std::string projectPage = {};
    std::function<void()> endProgram = [] {};
    // A message box with an information icon; returns when the player has closed it.
    std::function<void(const std::string &title, const std::string &text)> information
        = [](const std::string &, const std::string &) {};
    // The last games of each slot; kept in memory only unless the program gives it a store.
    std::shared_ptr<GameRecall> recall = std::make_shared<GameRecall>();
    // The crash journal of the game in progress; keeps nothing unless given a store.
    std::shared_ptr<GameJournal> journal = std::make_shared<GameJournal>();
    // saveRecord with its answer, for the journal: it stays open while the record is unsaved.
    // Empty: a save is taken as done.
    std::function<bool(const PlayerState &)> saveRecordChecked = {};
    // A short note that needs no answer: a resumed game, a journal that could not be read.
    std::function<void(const std::string &text)> note = [](const std::string &) {};
    // Reminders and limits; kept in memory only unless the program gives it a store.
    std::shared_ptr<PlayerCare> care = std::make_shared<PlayerCare>(
        nullptr, [] { return static_cast<Seconds>(std::time(nullptr)); }, localDay);
};

} // namespace slot
