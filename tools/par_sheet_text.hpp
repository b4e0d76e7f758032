// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The par sheet as text: JSON for other tools, markdown for people, and an SVG picture of the
// band the player's return keeps to as games go by.
#pragma once

#include "rules/par_report.hpp"

#include <string>

namespace slot
{

std::string parSheetJson(const ParReport &r);
// figure: the file name of the band picture to show, or empty for none.
std::string parSheetMarkdown(const ParReport &r, const std::string &figure);
std::string returnBandSvg(const ParReport &r);

} // namespace slot
