// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where each slot's journal lives: a small file per slot beside the recall files.
#pragma once

#include <string>

namespace slot
{

class JournalStore
{
public:
    virtual ~JournalStore() = default;
    // Durable: once true, the bytes survive a power cut; on false the previous entry stands.
    virtual bool write(int slot, const std::string &bytes) = 0;
    enum class Found { Nothing, Text, Unreadable };
    virtual Found read(int slot, std::string &bytes) = 0;
    // Keeps an entry that cannot be read as `.damaged` and takes it out of the way.
    virtual void setAside(int slot) = 0;
    // Delete details: the slot's journal goes with its record.
    virtual bool remove(int slot) = 0;
};

class FileJournalStore final : public JournalStore
{
public:
    explicit FileJournalStore(std::string folder); // empty: nothing is kept
    bool write(int slot, const std::string &bytes) override;
    Found read(int slot, std::string &bytes) override;
    void setAside(int slot) override;
    bool remove(int slot) override;

    std::string pathOf(int slot) const;

private:
    std::string folder;
};

} // namespace slot
