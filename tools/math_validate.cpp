// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Lines and bets are checked against the game's own steps, so a figure is never printed for a
// game the cabinet cannot be set to play.
#include "math_validate.hpp"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace slot
{

namespace
{

struct CommandOptions {
    std::string_view command;
    std::vector<std::string_view> options;
};

const std::array<CommandOptions, 5> kCommands { {
    { "evaluate", { "stops", "lines", "bet", "held" } },
    { "enumerate", { "lines" } },
    { "simulate", { "games", "seed", "lines", "bet", "threads", "base-only", "faithful" } },
    { "exact", { "lines", "bet" } },
    { "parsheet", { "lines", "bet", "format", "figure" } },
} };

struct Choice {
    std::string_view option;
    std::vector<std::string_view> values;
    std::string_view said; // the values as the message names them
};

const std::array<Choice, 3> kChoices { {
    { "lines", { "1", "5", "10", "20", "25" }, "1, 5, 10, 20 or 25" },
    { "bet", { "1", "2", "3", "5", "10", "20" }, "1, 2, 3, 5, 10 or 20" },
    { "format", { "json", "markdown" }, "json or markdown" },
} };

const CommandOptions *find(const std::string &command)
{
    const auto it = std::find_if(kCommands.begin(), kCommands.end(),
        [&](const CommandOptions &c) { return c.command == command; });
    return it == kCommands.end() ? nullptr : &*it;
}

} // namespace

const char *const kCommandList = "evaluate, enumerate, simulate, exact or parsheet";

bool knownCommand(const std::string &command)
{
    return find(command) != nullptr;
}

std::optional<std::string> optionProblem(
    const std::string &command, const std::map<std::string, std::string> &options)
{
    const CommandOptions *c = find(command);
    if (!c) {
        return "unknown command '" + command + "': use " + kCommandList;
    }
    for (const auto &[key, value] : options) {
        if (std::find(c->options.begin(), c->options.end(), key) == c->options.end()) {
            std::string known;
            for (std::size_t i = 0; i < c->options.size(); ++i) {
                known += (i ? ", --" : "--") + std::string(c->options[i]);
            }
            return command + " has no option --" + key + "; it takes " + known;
        }
        for (const Choice &choice : kChoices) {
            if (choice.option == key
                && std::find(choice.values.begin(), choice.values.end(), value)
                    == choice.values.end()) {
                return "--" + key + " must be " + std::string(choice.said) + ", not '" + value
                    + "'";
            }
        }
    }
    return std::nullopt;
}

} // namespace slot
