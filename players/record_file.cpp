// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The INI text of the player records. Names may hold any character a player can type, so the
// escaping follows the settings class that wrote every record so far, byte for byte.
#include "players/record_file.hpp"

#include "players/player_record.hpp"

#include <algorithm>
#include <optional>

namespace slot
{
namespace
{

constexpr std::string_view kSpace = " \t";

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(kSpace);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

bool isHexDigit(unsigned char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

void appendUtf8(std::string &out, unsigned code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | ((code >> 12) & 0x0F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Reads the digits of a \x or \0 escape starting at `i`; leaves `i` on the last one used.
unsigned escapedNumber(std::string_view raw, std::size_t &i, unsigned base)
{
    unsigned value = 0;
    while (i + 1 < raw.size() && value < 0x1000) {
        const auto c = static_cast<unsigned char>(raw[i + 1]);
        const bool digit = base == 16 ? isHexDigit(c) : (c >= '0' && c <= '7');
        if (!digit) {
            break;
        }
        const unsigned d = c <= '9' ? c - '0' : (c | 0x20U) - 'a' + 10;
        value = value * base + d;
        ++i;
    }
    return value;
}

std::optional<char> simpleEscape(char c)
{
    constexpr std::string_view from = "abfnrtv\"'?\\";
    constexpr std::string_view to = "\a\b\f\n\r\t\v\"'?\\";
    const auto at = from.find(c);
    return at == std::string_view::npos ? std::nullopt : std::optional<char>(to[at]);
}

// A value as the settings class reads it; nothing for what the game never writes (a comment
// after the value, an unclosed quote, an unknown escape, a typed value such as @ByteArray).
std::optional<std::string> unescaped(std::string_view raw)
{
    std::string out;
    bool quoted = false;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (c == '\\') {
            if (++i == raw.size()) {
                return std::nullopt;
            }
            if (raw[i] == 'x') {
                appendUtf8(out, escapedNumber(raw, i, 16));
            } else if (raw[i] >= '0' && raw[i] <= '7') {
                --i;
                appendUtf8(out, escapedNumber(raw, i, 8));
            } else if (const auto simple = simpleEscape(raw[i])) {
                out += *simple;
            } else {
                return std::nullopt;
            }
        } else if (!quoted && c == ';') {
            return std::nullopt;
        } else if (!quoted && c == ',') {
            // A hand-typed list reads as its items joined, as the game always read it.
            while (!out.empty() && out.back() == ' ') {
                out.pop_back();
            }
            out += ',';
            while (i + 1 < raw.size() && raw[i + 1] == ' ') {
                ++i;
            }
        } else {
            out += c;
        }
    }
    if (quoted) {
        return std::nullopt;
    }
    if (out.starts_with("@@")) {
        return out.substr(1);
    }
    if (out.starts_with('@')) {
        return std::nullopt;
    }
    return out;
}

std::optional<int> slotOfSection(std::string_view name)
{
    for (int slot = 1; slot <= kPlayerSlots; ++slot) {
        if (name == sectionOf(slot)) {
            return slot;
        }
    }
    return std::nullopt;
}

bool isRecordKey(std::string_view key)
{
    return std::find(kRecordKeys.begin(), kRecordKeys.end(), key) != kRecordKeys.end();
}

std::string escaped(std::string text)
{
    if (text.starts_with('@')) {
        text.insert(0, 1, '@');
    }
    std::string out;
    bool needsQuotes = false;
    bool escapeNextIfHex = false;
    auto hex = [&out](unsigned char c) {
        constexpr std::string_view digits = "0123456789abcdef";
        out += "\\x";
        if (c >= 16) {
            out += digits[c >> 4];
        }
        out += digits[c & 0x0F];
    };
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        needsQuotes = needsQuotes || c == ';' || c == ',' || c == '=';
        if (escapeNextIfHex && isHexDigit(c)) {
            hex(c);
            continue;
        }
        escapeNextIfHex = false;
        constexpr std::string_view named = "\a\b\f\n\r\t\v";
        if (c == 0) {
            out += "\\0";
            escapeNextIfHex = true;
        } else if (const auto at = named.find(ch); at != std::string_view::npos) {
            out += '\\';
            out += "abfnrtv"[at];
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c <= 0x1F) {
            hex(c);
            escapeNextIfHex = true;
        } else {
            out += ch;
        }
    }
    if (needsQuotes || out.starts_with(' ') || out.ends_with(' ')) {
        return '"' + out + '"';
    }
    return out;
}

} // namespace

RecordFile parseRecordFile(std::string_view bytes)
{
    RecordFile file;
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    RecordSection *section = nullptr;
    while (!bytes.empty()) {
        const auto end = bytes.find_first_of("\r\n");
        const std::string_view line = trimmed(bytes.substr(0, end));
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (line.empty()) {
            continue;
        }
        if (line.front() == '[') {
            const auto slot = line.back() == ']' ? slotOfSection(line.substr(1, line.size() - 2))
                                                 : std::nullopt;
            // A second section of a slot overrides the first key by key, as it always read.
            file.damaged = file.damaged || !slot || file.sections.contains(*slot);
            section = slot ? &file.sections[*slot] : nullptr;
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string_view::npos || !section) {
            file.damaged = true;
            continue;
        }
        const std::string key(trimmed(line.substr(0, equals)));
        const auto text = unescaped(trimmed(line.substr(equals + 1)));
        const bool kept = isRecordKey(key) && text && isStorableText(key, *text);
        file.damaged = file.damaged || !kept || section->contains(key);
        if (kept) {
            (*section)[key] = *text;
        }
    }
    return file;
}

std::string formatRecordFile(const RecordFile &file)
{
    std::string out;
    for (const auto &[slot, keys] : file.sections) {
        if (keys.empty()) {
            continue;
        }
        out += out.empty() ? "[" : "\n[";
        out += sectionOf(slot) + "]\n";
        for (const auto &[key, text] : keys) {
            out += key + '=' + escaped(text) + '\n';
        }
    }
    return out;
}

} // namespace slot
