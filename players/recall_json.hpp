// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The recall file's text: a small JSON document, written and read without any library so the
// recorder stays plain C++.
#pragma once

#include "players/game_recall.hpp"

#include <optional>
#include <string>

namespace slot
{

std::string recallToJson(const RecallRing &ring);

// Nothing for text that is not a recall document or holds a value no game can have: the
// caller sets such a file aside rather than show a made-up game.
std::optional<RecallRing> recallFromJson(const std::string &text);

} // namespace slot
