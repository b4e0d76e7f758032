// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the player information table: the exact odds of every line and bet setting, as C++.
// Counting them takes some seconds a setting, too long for a window that must open at once.
#include "care/odds_figures.hpp"
#include "rules/par_report.hpp"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

namespace
{

std::string exact(double v)
{
    // 17 significant digits read back as the same double, so the test can compare exactly.
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

} // namespace

int main(int argc, char **argv)
{
    using namespace slot;
    if (argc != 2) {
        std::cerr << "usage: tarnix-odds-table OUTPUT.cpp\n";
        return 2;
    }
    std::ostringstream out;
    out << "// Written by tarnix-odds-table from the exact par-sheet chain; do not edit.\n"
           "#include \"care/odds_figures.hpp\"\n\nnamespace slot\n{\n\nnamespace\n{\n\n"
           "constexpr OddsFigures kTable[] = {\n";
    for (std::size_t l = 1; l < tables::linesPerButton.size(); ++l) {
        for (std::size_t b = 1; b < tables::betPerButton.size(); ++b) {
            const OddsFigures o
                = oddsFrom(parReport(tables::linesPerButton[l], static_cast<int>(b)));
            out << "    { " << o.lines << ", " << o.bet << ", " << o.stake << ", " << exact(o.rtp)
                << ", " << exact(o.anyWin) << ", " << exact(o.aboveStake) << ", "
                << exact(o.feature) << ", " << o.largestPaidWin << ", " << exact(o.asymptoticSd)
                << ",\n        { {";
            for (const OddsPrize &p : o.prizes) {
                out << " { Sym(" << index(p.symbol) << "), " << p.count << ", " << p.pay << ", "
                    << exact(p.chance) << " },";
            }
            out << " } } },\n";
        }
    }
    out << "};\n\n} // namespace\n\nconst OddsFigures *oddsFor(int lines, int bet)\n{\n"
           "    for (const OddsFigures &o : kTable) {\n"
           "        if (o.lines == lines && o.bet == bet) {\n"
           "            return &o;\n        }\n    }\n    return nullptr;\n}\n\n"
           "} // namespace slot\n";
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file << out.str();
    file.flush();
    if (!file) {
        std::cerr << "tarnix-odds-table: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
