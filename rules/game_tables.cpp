// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Names of the symbols, for the par-sheet tool and diagnostics.
#include "rules/game_tables.hpp"

namespace slot
{

std::string_view symbolName(Sym s)
{
    switch (s) {
    case Sym::J:
        return "J";
    case Sym::K:
        return "K";
    case Sym::zebra:
        return "zebra";
    case Sym::panda:
        return "panda";
    case Sym::rhino:
        return "rhino";
    case Sym::Q:
        return "Q";
    case Sym::kingfisher:
        return "kingfisher";
    case Sym::panther:
        return "panther";
    case Sym::giraffe:
        return "giraffe";
    case Sym::tiger:
        return "tiger";
    case Sym::lion:
        return "lion";
    case Sym::elephant:
        return "elephant";
    case Sym::None:
        break;
    }
    return "";
}

} // namespace slot
