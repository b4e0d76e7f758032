// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the six player records live between runs: an INI file, read without waiting on anything
// that is not a plain file and replaced durably.
#pragma once

#include "flow/game_state.hpp"
#include "players/durable_file.hpp"

#include <QString>
#include <map>
#include <string>

namespace slot {

// What the windows need from the store; tests of the windows give them a fake.
class RecordStore {
public:
    virtual ~RecordStore();
    // Writes the record into the slot that `playerslot` names; false when it did not reach disk.
    virtual bool save(const PlayerState &state) = 0;
    virtual void loadLenient(int slot, PlayerState &state) = 0;
    virtual void loadResetting(int slot, PlayerState &state) = 0;
    virtual std::string readName(int slot) = 0;
};

// Each call opens the file afresh, so a record edited or damaged outside the game is read as
// it is now. A save that cannot reach the disk says so and keeps the record in memory: loads of
// that slot give it back, and the next save that succeeds stores it too. When a save returns
// true the file and its name are on the disk. The file holds only the six players' sections
// with their eight keys; anything else, and any value the game could never have written, is
// dropped, with the file as it was kept beside it as aust.ini.damaged. A symlink to a record
// is followed; a FIFO, device or socket in the file's place is never opened but set aside.
class SettingsRecordStore final : public RecordStore {
public:
    explicit SettingsRecordStore(QString iniPath, FileLayer &files = systemFiles());
    // $XDG_CONFIG_HOME/aust.ini, or ~/.config/aust.ini when XDG_CONFIG_HOME is not set, empty
    // or relative.
    static QString userPath();

    bool save(const PlayerState &state) override;
    void loadLenient(int slot, PlayerState &state) override;
    void loadResetting(int slot, PlayerState &state) override;
    std::string readName(int slot) override;

    const QString &path() const { return iniPath; }

private:
    bool storeUnsaved();
    template <typename Read>
    void withSection(int slot, Read read);

    QString iniPath;
    FileLayer &files;
    std::map<int, PlayerState> unsaved;
};

} // namespace slot
