// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// tarnix-math's command line: the command, its --key value options, and the readers that turn
// an option into a checked number. A bad argument ends the tool with status 2 and a message.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace slot::math_args
{

struct Args {
    std::string command;
    std::map<std::string, std::string> options;
    bool table = false;
};

// Prints "tarnix-math: MESSAGE" and ends with status 2.
[[noreturn]] void fail(const std::string &message);

// Called with the message before a failure ends the tool; it must not return (a fuzzer throws
// from it to carry on with the next input). Null restores the plain end.
using FailureHook = void (*)(const std::string &message);
void setFailureHook(FailureHook hook);

std::optional<long long> parseInt(const std::string &text);

// The option's whole number within lo..hi, `fallback` when it is absent.
long long intOption(
    const Args &a, const std::string &key, long long fallback, long long lo, long long hi);
// Comma-separated whole numbers, each within lo..hi.
std::vector<long long> intList(
    const std::string &key, const std::string &text, long long lo, long long hi);
// The bet button (1..6) for a bet per line.
int betIndexOf(long long bet);

// Without a command, `usage` is printed and the tool ends with status 2.
Args parse(int argc, char **argv, const char *usage);

} // namespace slot::math_args
