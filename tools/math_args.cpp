// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading tarnix-math's command line.
#include "math_args.hpp"

#include "rules/game_tables.hpp"

#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace slot::math_args
{

namespace
{
FailureHook failureHook = nullptr;
} // namespace

void setFailureHook(FailureHook hook)
{
    failureHook = hook;
}

void fail(const std::string &message)
{
    if (failureHook != nullptr) {
        failureHook(message);
    }
    std::fprintf(stderr, "tarnix-math: %s\n", message.c_str());
    std::exit(2);
}

std::optional<long long> parseInt(const std::string &text)
{
    long long value = 0;
    const auto *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty()) {
        return std::nullopt;
    }
    return value;
}

long long intOption(
    const Args &a, const std::string &key, long long fallback, long long lo, long long hi)
{
    const auto it = a.options.find(key);
    if (it == a.options.end()) {
        return fallback;
    }
    const auto value = parseInt(it->second);
    if (!value || *value < lo || *value > hi) {
        fail("--" + key + " wants a whole number from " + std::to_string(lo) + " to "
            + std::to_string(hi) + ", not '" + it->second + "'");
    }
    return *value;
}

std::vector<long long> intList(
    const std::string &key, const std::string &text, long long lo, long long hi)
{
    std::vector<long long> out;
    std::size_t start = 0;
    while (start <= text.size()) {
        const auto comma = text.find(',', start);
        const std::string item
            = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const auto value = parseInt(item);
        if (!value || *value < lo || *value > hi) {
            fail("--" + key + " wants numbers from " + std::to_string(lo) + " to "
                + std::to_string(hi) + " separated by commas, not '" + text + "'");
        }
        out.push_back(*value);
        if (comma == std::string::npos) {
            break;
        }
        start = comma + 1;
    }
    return out;
}

int betIndexOf(long long bet)
{
    const int index = buttonForBet(static_cast<int>(bet));
    if (index == 0) {
        fail("--bet must be one of 1, 2, 3, 5, 10, 20");
    }
    return index;
}

Args parse(int argc, char **argv, const char *usage)
{
    Args a;
    if (argc < 2) {
        if (failureHook != nullptr) {
            failureHook(usage);
        }
        std::fputs(usage, stderr);
        std::exit(2);
    }
    a.command = argv[1];
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--table") {
            a.table = true;
        } else if (arg == "--base-only" || arg == "--faithful") {
            a.options[arg.substr(2)] = "1";
        } else if (arg.rfind("--", 0) == 0 && i + 1 < argc) {
            a.options[arg.substr(2)] = argv[++i];
        } else {
            fail("unexpected argument '" + arg + "' (tarnix-math --help lists the options)");
        }
    }
    return a;
}

} // namespace slot::math_args
