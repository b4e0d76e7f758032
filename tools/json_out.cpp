// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Doubles print with 17 significant digits so a reader gets back the exact value.
#include "json_out.hpp"

#include <cmath>
#include <cstdio>

namespace slot
{

std::string jsonNumber(double value)
{
    if (!std::isfinite(value)) {
        return "null";
    }
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", value);
    return buf;
}

std::string jsonString(const std::string &value)
{
    std::string out = "\"";
    for (char c : value) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + "\"";
}

std::string jsonArray(const std::vector<std::string> &items)
{
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        out += (i ? ", " : "") + items[i];
    }
    return out + "]";
}

JsonObject &JsonObject::num(const std::string &key, double value)
{
    return raw(key, jsonNumber(value));
}

JsonObject &JsonObject::num(const std::string &key, std::int64_t value)
{
    return raw(key, std::to_string(value));
}

JsonObject &JsonObject::str(const std::string &key, const std::string &value)
{
    return raw(key, jsonString(value));
}

JsonObject &JsonObject::raw(const std::string &key, const std::string &json)
{
    fields.emplace_back(key, json);
    return *this;
}

std::string JsonObject::text() const
{
    std::string out = "{\n";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        out += "  " + jsonString(fields[i].first) + ": " + fields[i].second
            + (i + 1 < fields.size() ? ",\n" : "\n");
    }
    return out + "}\n";
}

std::string JsonObject::table() const
{
    std::size_t width = 0;
    for (const auto &f : fields) {
        width = f.first.size() > width ? f.first.size() : width;
    }
    std::string out;
    for (const auto &f : fields) {
        out += f.first + std::string(width + 2 - f.first.size(), ' ') + f.second + "\n";
    }
    return out;
}

} // namespace slot
