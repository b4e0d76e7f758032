// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// tarnix-math's command line from arbitrary words: parsing and every option reader either
// succeed or end in the tool's failure message, never in a crash or undefined behaviour.
#include "tools/math_args.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

using namespace slot::math_args;

namespace
{

// Stands in for the tool's exit, so that the next input can run.
struct Refused {
};

[[noreturn]] void refuse(const std::string &message)
{
    if (message.empty()) {
        std::abort();
    }
    throw Refused {};
}

template <typename Read> void tryRead(Read read)
{
    try {
        read();
    } catch (const Refused &) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    setFailureHook(refuse);
    // Words separated by NUL bytes, as the kernel hands them over; the program's name first.
    std::vector<std::string> words { "tarnix-math" };
    std::string word;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\0') {
            words.push_back(word);
            word.clear();
        } else {
            word.push_back(static_cast<char>(data[i]));
        }
    }
    if (!word.empty()) {
        words.push_back(word);
    }
    std::vector<char *> argv;
    for (std::string &w : words) {
        argv.push_back(w.data());
    }
    argv.push_back(nullptr);

    Args a;
    try {
        a = parse(static_cast<int>(words.size()), argv.data(), "usage");
    } catch (const Refused &) {
        return 0;
    }
    // The readers as the commands call them, with the commands' own limits.
    tryRead([&] { intOption(a, "lines", 25, 1, 25); });
    tryRead([&] { betIndexOf(intOption(a, "bet", 1, 1, 20)); });
    tryRead([&] { intOption(a, "games", 0, 1, 1'000'000'000'000LL); });
    tryRead([&] { intOption(a, "seed", 0, 0, 0x7fffffffffffffffLL); });
    tryRead([&] { intOption(a, "threads", 1, 1, 256); });
    for (const char *key : { "stops", "held" }) {
        if (const auto it = a.options.find(key); it != a.options.end()) {
            tryRead([&] {
                for (const long long v : intList(key, it->second, 1, 22)) {
                    if (v < 1 || v > 22) {
                        std::abort();
                    }
                }
            });
        }
    }
    return 0;
}
