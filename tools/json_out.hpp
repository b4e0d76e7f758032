// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A small JSON writer: the par-sheet tool's output must be readable by other tools.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace slot
{

class JsonObject
{
public:
    JsonObject &num(const std::string &key, double value);
    JsonObject &num(const std::string &key, std::int64_t value);
    JsonObject &str(const std::string &key, const std::string &value);
    JsonObject &raw(const std::string &key, const std::string &json);
    std::string text() const;
    // A readable two-column table of the same figures.
    std::string table() const;

private:
    std::vector<std::pair<std::string, std::string>> fields;
};

std::string jsonNumber(double value);
std::string jsonArray(const std::vector<std::string> &items);
std::string jsonString(const std::string &value);

} // namespace slot
