// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The player record's text form and the two ways of reading it back.
#include "players/player_record.hpp"

#include "players/options_rules.hpp"

#include <limits>

namespace slot {
namespace {

template <typename T>
std::optional<T> parseDecimal(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    // Accumulate in a wider type and stop as soon as the value leaves T's range, so that a
    // long run of digits cannot overflow the accumulator itself.
    const long long limit = negative ? -static_cast<long long>(std::numeric_limits<T>::min())
                                     : static_cast<long long>(std::numeric_limits<T>::max());
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > limit) {
            return std::nullopt;
        }
    }
    return static_cast<T>(negative ? -value : value);
}

// The seven numbers by key, each with the parser of its width.
struct NumberField {
    std::string_view key;
    Money PlayerState::*money = nullptr;
    Short PlayerState::*shortValue = nullptr;
    // The credit never goes below nothing: no bet is taken that it cannot cover.
    bool neverNegative = false;
};

constexpr std::array<NumberField, 7> kNumberFields = {{
    {"winroll", nullptr, &PlayerState::winroll},
    {"reelspeed", nullptr, &PlayerState::reelspeed},
    {"amountinvested", &PlayerState::amountinvested, nullptr},
    {"wager", &PlayerState::wager, nullptr},
    {"total", &PlayerState::total, nullptr},
    {"bank", &PlayerState::bank, nullptr, true},
    {"games", &PlayerState::games, nullptr},
}};

// A value the game could have stored under the field's key: a negative credit is damage, read
// like any other text that does not convert.
std::optional<Money> fieldMoney(const NumberField &field, std::string_view text)
{
    const auto value = parseMoney(text);
    return value && field.neverNegative && *value < 0 ? std::nullopt : value;
}

// Stores the key's number in its variable; false (variable untouched) when it does not convert.
bool readNumber(PlayerState &state, const NumberField &field, const std::string &text)
{
    if (field.money) {
        return assignIf(state.*field.money, fieldMoney(field, text));
    }
    return assignIf(state.*field.shortValue, parseShort(text));
}

// Walks the keys in their stored order; `onFailure` runs right after a number fails.
template <typename OnFailure>
void readKeys(PlayerState &state, const RecordLookup &lookup, OnFailure onFailure)
{
    for (const auto &field : kNumberFields) {
        if (!readNumber(state, field, lookup(field.key))) {
            onFailure(state);
        }
    }
    state.currentplayer = lookup(kRecordKeys[7]);
    if (!isStorableName(state.currentplayer)) {
        state.currentplayer.clear();
    }
}

} // namespace

std::optional<Short> parseShort(std::string_view text)
{
    return parseDecimal<Short>(text);
}

std::optional<Money> parseMoney(std::string_view text)
{
    return parseDecimal<Money>(text);
}

bool isStorableName(std::string_view text)
{
    return characterCount(std::string(text)) <= kLongestName;
}

bool isStorableText(std::string_view key, std::string_view text)
{
    if (key == kRecordKeys[7]) {
        return isStorableName(text);
    }
    for (const auto &field : kNumberFields) {
        if (field.key == key) {
            return field.money ? fieldMoney(field, text).has_value()
                               : parseShort(text).has_value();
        }
    }
    return false;
}

std::string sectionOf(int slot)
{
    if (slot < 1 || slot > kPlayerSlots) {
        return {};
    }
    return "player" + std::to_string(slot);
}

std::optional<int> slotOf(std::string_view playerslot)
{
    for (int slot = 1; slot <= kPlayerSlots; ++slot) {
        if (playerslot == std::to_string(slot)) {
            return slot;
        }
    }
    return std::nullopt;
}

void loadLenient(PlayerState &state, const RecordLookup &lookup)
{
    readKeys(state, lookup, [](PlayerState &) {});
}

void loadResetting(PlayerState &state, const RecordLookup &lookup)
{
    state.winroll = 0;
    state.reelspeed = 0;
    state.amountinvested = 0;
    state.wager = 0;
    state.total = 0;
    state.bank = 0;
    state.games = 0;
    state.currentplayer.clear();
    readKeys(state, lookup, [](PlayerState &s) { s.reelspeed = 1; });
}

RecordTexts recordTexts(const PlayerState &state)
{
    RecordTexts texts;
    for (std::size_t i = 0; i < kNumberFields.size(); ++i) {
        const auto &field = kNumberFields[i];
        const long long value = field.money ? state.*field.money : state.*field.shortValue;
        texts[i] = {field.key, std::to_string(value)};
    }
    texts[7] = {kRecordKeys[7], state.currentplayer};
    return texts;
}

} // namespace slot
