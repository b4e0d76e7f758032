// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Numbers are printed from the exact figures with no clock or machine in them, so the
// committed sheet changes only when the game does.
#include "par_sheet_text.hpp"

#include "json_out.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>

namespace slot
{

namespace
{

// The pay table's own order, highest first.
constexpr std::array<Sym, kOrdinarySymbols> kPayOrder { Sym::panther, Sym::tiger, Sym::panda,
    Sym::kingfisher, Sym::rhino, Sym::giraffe, Sym::K, Sym::Q, Sym::J, Sym::zebra };

std::vector<const Prize *> prizesInPayOrder(const ParReport &r)
{
    std::vector<const Prize *> out;
    for (Sym s : kPayOrder) {
        for (int count = 5; count >= 2; --count) {
            for (const Prize &p : r.prizes) {
                if (p.symbol == s && p.count == count) {
                    out.push_back(&p);
                }
            }
        }
    }
    for (int count = 5; count >= 2; --count) {
        for (const Prize &p : r.prizes) {
            if (p.symbol == kScatter && p.count == count) {
                out.push_back(&p);
            }
        }
    }
    return out;
}

std::string prizeName(const Prize &p)
{
    return p.symbol == kScatter
        ? std::to_string(p.count) + " scatters"
        : std::string(symbolName(p.symbol)) + " x" + std::to_string(p.count);
}

std::string format(const char *pattern, double value)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, pattern, value);
    return buf;
}

std::string grouped(long long value)
{
    std::string digits = std::to_string(value < 0 ? -value : value);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) {
        digits.insert(static_cast<std::size_t>(i), ",");
    }
    return (value < 0 ? "-" : "") + digits;
}

std::string oneIn(double chance)
{
    if (chance <= 0) {
        return "never";
    }
    const double n = 1 / chance;
    return "1 in " + (n < 100 ? format("%.2f", n) : grouped(std::llround(n)));
}

std::string percent(double fraction, int digits = 2)
{
    char pattern[16];
    std::snprintf(pattern, sizeof pattern, "%%.%df %%%%", digits);
    return format(pattern, fraction * 100);
}

std::string inlineObject(const std::vector<std::pair<std::string, std::string>> &fields)
{
    std::string out = "{";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        out += (i ? ", " : "") + jsonString(fields[i].first) + ": " + fields[i].second;
    }
    return out + "}";
}

// One item a line, so that a long list stays readable.
std::string listed(const std::vector<std::string> &items)
{
    std::string s = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        s += (i ? ",\n    " : "\n    ") + items[i];
    }
    return s + "\n  ]";
}

constexpr std::int64_t kMeterLimit = std::numeric_limits<std::int32_t>::max();

// A feature has no end the reels impose; only the counters' widths do.
std::int64_t featureBound(const ParReport &r)
{
    const std::int64_t games
        = r.largestTriggerWin + static_cast<std::int64_t>(kMostFeatureGames - 1) * r.largestFreeWin;
    return std::min(games, kMeterLimit);
}

std::string stakes(std::int64_t credits, const ParReport &r)
{
    return grouped(credits) + " credits ("
        + format("%.0f", static_cast<double>(credits) / static_cast<double>(r.stake)) + " stakes)";
}

} // namespace

std::string parSheetJson(const ParReport &r)
{
    std::vector<std::string> bands, prizes, lengths;
    for (const auto &b : r.bands) {
        bands.push_back(inlineObject({ { "games", std::to_string(b.games) },
            { "band90", jsonArray({ jsonNumber(b.low90), jsonNumber(b.high90) }) },
            { "band95", jsonArray({ jsonNumber(b.low95), jsonNumber(b.high95) }) } }));
    }
    for (const Prize *p : prizesInPayOrder(r)) {
        prizes.push_back(inlineObject({ { "prize", jsonString(prizeName(*p)) },
            { "pays", std::to_string(p->pay) }, { "paid_chance", jsonNumber(p->paidChance) },
            { "paid_share", jsonNumber(p->paidShare) }, { "free_rate", jsonNumber(p->freeRate) },
            { "free_share", jsonNumber(p->freeShare) } }));
    }
    for (const auto &l : r.lengths) {
        lengths.push_back(inlineObject(
            { { "games", std::to_string(l.games) }, { "chance", jsonNumber(l.chance) } }));
    }
    JsonObject o;
    o.num("lines", static_cast<std::int64_t>(r.lines))
        .num("bet", static_cast<std::int64_t>(r.bet))
        .num("stake", r.stake)
        .num("rtp", r.rtp)
        .num("rtp_base", r.rtpBase)
        .num("rtp_feature", r.rtpFeature)
        .num("hit_frequency", r.hitFrequency)
        .num("variance", r.variance)
        .num("sd", r.sd)
        .num("volatility_index", r.volatilityIndex)
        .str("volatility_convention", "1.645 x sd: two-sided 90 % confidence")
        .num("asymptotic_variance", r.asymptoticVariance)
        .num("asymptotic_sd", r.asymptoticSd)
        .raw("return_bands", listed(bands))
        .raw("prizes", listed(prizes))
        .num("feature_chance", r.featureChance)
        .num("feature_games_mean", r.meanGames)
        .num("feature_games_sd", r.sdGames)
        .raw("feature_games", jsonArray(lengths))
        .num("feature_games_longer", r.longerChance)
        .num("free_win_mean", r.meanFreeWin)
        .num("free_win_sd", r.sdFreeWin)
        .num("free_win_below_stake", r.freeWinBelowStake)
        .num("meter_win_mean", r.meanMeterWin)
        .num("meter_win_sd", r.sdMeterWin)
        .num("largest_paid_game_win", r.largestPaidWin)
        .num("largest_free_game_win", r.largestFreeWin)
        .num("largest_feature_win_bound", featureBound(r))
        .str("largest_feature_win",
            "no finite maximum from the reels: retriggers can follow without end; bounded only by "
            "the 16-bit spin counter (32767 games) and the 32-bit win meter")
        .num("residual", r.residual)
        .num("windows", static_cast<std::int64_t>(r.windows))
        .str("excludes", "the 2000 % rule (it depends on the player's history)");
    return o.text();
}

std::string parSheetMarkdown(const ParReport &r, const std::string &figure)
{
    std::string out;
    const auto line = [&out](const std::string &s) { out += s + "\n"; };
    line("## " + std::to_string(r.lines) + (r.lines == 1 ? " line" : " lines") + " at "
        + std::to_string(r.bet) + (r.bet == 1 ? " credit" : " credits") + " per line (a stake of "
        + std::to_string(r.stake) + ")");
    line("");
    line(
        "Amounts in stakes are per paid game; a feature belongs to the paid game that started it.");
    line("");
    line("| Figure | Value |");
    line("|---|---|");
    line("| Return to player | " + percent(r.rtp, 3) + " |");
    line("| from paid games / from features (trigger game included) | " + percent(r.rtpBase) + " / "
        + percent(r.rtpFeature) + " |");
    line("| Hit frequency (paid games that win) | " + percent(r.hitFrequency) + " ("
        + oneIn(r.hitFrequency) + ") |");
    line("| Standard deviation of one paid game | " + format("%.3f", r.sd) + " stakes (variance "
        + format("%.2f", r.variance) + ") |");
    line("| Volatility index (1.645 x SD, 90 % two-sided) | " + format("%.2f", r.volatilityIndex)
        + " |");
    line("| Asymptotic standard deviation (successive games tied by held wilds) | "
        + format("%.3f", r.asymptoticSd) + " stakes x sqrt(games) |");
    line("| Feature | " + oneIn(r.featureChance) + " paid games |");
    line("| Largest win of one paid game | " + stakes(r.largestPaidWin, r) + " |");
    line("| Largest win of one free game (multiplier included) | " + stakes(r.largestFreeWin, r)
        + " |");
    line("");
    line("The spread of the long-run average over n paid games is the asymptotic standard "
         "deviation over sqrt(n): a wild held into the next game ties neighbouring games "
         "together, so it differs from the standard deviation of one game.");
    line("");
    line("### The player's return after n paid games");
    line("");
    line("| Paid games | 90 % band | 95 % band |");
    line("|---|---|---|");
    for (const auto &b : r.bands) {
        line("| " + grouped(b.games) + " | " + percent(b.low90, 1) + " to " + percent(b.high90, 1)
            + " | " + percent(b.low95, 1) + " to " + percent(b.high95, 1) + " |");
    }
    line("");
    line("The bands are the normal approximation around the return with the asymptotic standard "
         "deviation; after a thousand games the true spread is more lopsided (many small losses, "
         "rare large wins).");
    if (!figure.empty()) {
        line("");
        line("![The return band against games played, " + std::to_string(r.lines)
            + (r.lines == 1 ? " line](" : " lines](") + figure + ")");
    }
    line("");
    line("### Prizes");
    line("");
    line("Paid game: the chance that the paid game pays the prize (on one line or more). Free "
         "games: the free games that pay it, per paid game; their share includes the "
         "multiplier. Shares are of the amount staked; all of them add up to the return.");
    line("");
    line("| Prize | Pays (credits) | Paid game | Share | Free games | Share |");
    line("|---|---|---|---|---|---|");
    for (const Prize *p : prizesInPayOrder(r)) {
        line("| " + prizeName(*p) + " | " + grouped(p->pay) + " | " + oneIn(p->paidChance) + " | "
            + percent(p->paidShare, 3) + " | " + oneIn(p->freeRate) + " | "
            + percent(p->freeShare, 3) + " |");
    }
    line("");
    line("### The feature");
    line("");
    line("| Figure | Value |");
    line("|---|---|");
    line("| Chance per paid game | " + oneIn(r.featureChance) + " |");
    line("| Counted games (trigger game included): mean, SD | " + format("%.3f", r.meanGames) + ", "
        + format("%.3f", r.sdGames) + " |");
    line("| Win of the games after the trigger: mean, SD | " + format("%.3f", r.meanFreeWin) + ", "
        + format("%.3f", r.sdFreeWin) + " stakes |");
    line("| Chance that those games win less than the stake | " + percent(r.freeWinBelowStake, 3)
        + " |");
    line("| Whole win meter (trigger game included): mean, SD | " + format("%.3f", r.meanMeterWin)
        + ", " + format("%.3f", r.sdMeterWin) + " stakes |");
    line("| Largest win of a feature | no finite maximum from the reels (see below) |");
    line("");
    line("The win meter is never below the stake: the three scatters that start a feature pay "
         "five stakes themselves. A retrigger can follow every feature game, so the reels set no "
         "limit to a feature's length or win; the limits are the counters': the spin count is "
         "a 16-bit number (a retrigger past "
        + grouped(kMostFeatureGames)
        + " games is not added) and the win meter a 32-bit one. With at most "
        + grouped(r.largestFreeWin) + " credits a free game and " + grouped(r.largestTriggerWin)
        + " for the triggering game, a feature wins at most " + grouped(featureBound(r))
        + " credits.");
    line("");
    line("| Counted games | Chance, given a feature |");
    line("|---|---|");
    for (const auto &l : r.lengths) {
        if (l.chance >= 1e-6) {
            line("| " + std::to_string(l.games) + " | " + format("%.6f", l.chance) + " |");
        }
    }
    double rest = r.longerChance;
    for (const auto &l : r.lengths) {
        rest += l.chance < 1e-6 ? l.chance : 0;
    }
    line("| any other | " + format("%.6f", rest) + " |");
    line("");
    line("Counted exactly over " + grouped(static_cast<long long>(r.windows))
        + " windows from every combination of held wilds; left out is the rule that replaces "
          "every trigger of a player whose own return is above 2000 %.");
    return out;
}

std::string returnBandSvg(const ParReport &r)
{
    constexpr double width = 640, height = 360, left = 64, right = 40, top = 36, bottom = 44;
    constexpr double fromLog = 3, toLog = 7; // 1,000 to 10,000,000 games
    const double spread = kBand95Z * r.asymptoticSd / std::sqrt(std::pow(10.0, fromLog));
    const double step = spread > 0.5 ? 0.25 : spread > 0.2 ? 0.1 : 0.05;
    const double low = std::floor((r.rtp - spread) / step) * step;
    const double high = std::ceil((r.rtp + spread) / step) * step;
    const auto x = [&](double logGames) {
        return left + (logGames - fromLog) / (toLog - fromLog) * (width - left - right);
    };
    const auto y = [&](double value) {
        return top + (high - value) / (high - low) * (height - top - bottom);
    };
    std::string svg;
    const auto add = [&svg](const std::string &s) { svg += s + "\n"; };
    char buf[256];
    const auto band = [&](double z, const char *fill) {
        std::string upper, lower;
        for (int i = 0; i <= 80; ++i) {
            const double lg = fromLog + (toLog - fromLog) * i / 80;
            const double half = z * r.asymptoticSd / std::sqrt(std::pow(10.0, lg));
            std::snprintf(buf, sizeof buf, "%.1f,%.1f ", x(lg), y(r.rtp + half));
            upper += buf;
            std::snprintf(buf, sizeof buf, "%.1f,%.1f ", x(lg), y(r.rtp - half));
            lower = buf + lower;
        }
        add("<polygon fill=\"" + std::string(fill) + "\" points=\"" + upper + lower + "\"/>");
    };
    std::snprintf(buf, sizeof buf,
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%.0f\" height=\"%.0f\" "
        "viewBox=\"0 0 %.0f %.0f\" font-family=\"sans-serif\" font-size=\"12\">",
        width, height, width, height);
    add(buf);
    add("<rect width=\"100%\" height=\"100%\" fill=\"white\"/>");
    std::snprintf(buf, sizeof buf,
        "<text x=\"%.0f\" y=\"20\" font-size=\"14\">The player's return after n paid games, %d "
        "%s: 95 %% and 90 %% bands</text>",
        left, r.lines, r.lines == 1 ? "line" : "lines");
    add(buf);
    // Clip the bands to the plot so the widest part does not spill over the labels.
    std::snprintf(buf, sizeof buf,
        "<clipPath id=\"plot\"><rect x=\"%.1f\" y=\"%.1f\" width=\"%.1f\" "
        "height=\"%.1f\"/></clipPath>",
        left, top, width - left - right, height - top - bottom);
    add(buf);
    add("<g clip-path=\"url(#plot)\">");
    band(kBand95Z, "#c6dbef");
    band(kVolatilityZ, "#6baed6");
    std::snprintf(buf, sizeof buf,
        "<line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\" stroke=\"#08306b\" "
        "stroke-width=\"2\"/>",
        x(fromLog), y(r.rtp), x(toLog), y(r.rtp));
    add(buf);
    if (low < 1 && 1 < high) {
        std::snprintf(buf, sizeof buf,
            "<line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\" stroke=\"#a50f15\" "
            "stroke-dasharray=\"6 4\"/>",
            x(fromLog), y(1), x(toLog), y(1));
        add(buf);
    }
    add("</g>");
    for (double v = low; v <= high + step / 2; v += step) {
        std::snprintf(buf, sizeof buf,
            "<line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\" stroke=\"#bbbbbb\" "
            "stroke-width=\"0.5\"/><text x=\"%.1f\" y=\"%.1f\" text-anchor=\"end\">%.0f %%</text>",
            left, y(v), width - right, y(v), left - 6, y(v) + 4, v * 100);
        add(buf);
    }
    for (int lg = static_cast<int>(fromLog); lg <= static_cast<int>(toLog); ++lg) {
        std::snprintf(buf, sizeof buf,
            "<line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\" stroke=\"#bbbbbb\" "
            "stroke-width=\"0.5\"/><text x=\"%.1f\" y=\"%.1f\" text-anchor=\"middle\">%s</text>",
            x(lg), top, x(lg), height - bottom, x(lg), height - bottom + 16,
            grouped(static_cast<long long>(std::pow(10.0, lg) + 0.5)).c_str());
        add(buf);
    }
    std::snprintf(buf, sizeof buf,
        "<text x=\"%.1f\" y=\"%.1f\" text-anchor=\"middle\">paid games (logarithmic); the line is "
        "the return, %.2f %%, the dashes 100 %%</text>",
        (left + width - right) / 2, height - 8, r.rtp * 100);
    add(buf);
    std::snprintf(buf, sizeof buf,
        "<rect x=\"%.1f\" y=\"%.1f\" width=\"%.1f\" height=\"%.1f\" fill=\"none\" "
        "stroke=\"#333333\"/>",
        left, top, width - left - right, height - top - bottom);
    add(buf);
    add("</svg>");
    return svg;
}

} // namespace slot
