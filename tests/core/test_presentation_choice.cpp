// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How the cabinet is shown: the factor for a screen, the fallback from the mode switch, and
// the command line that asks for a presentation.
#include "display/presentation_choice.hpp"

#include <QTest>

using namespace slot::present;

namespace
{
CommandLine parsed(std::vector<std::string> args)
{
    return parseCommandLine(args);
}
} // namespace

class PresentationChoice : public QObject
{
    Q_OBJECT
private slots:
    void theLargestWholeFactorFitsTheCabinetWithItsMenuBar()
    {
        QCOMPARE(largestFactor({ 1920, 1080 }), 2);
        QCOMPARE(largestFactor({ 2560, 1440 }), 3);
        QCOMPARE(largestFactor({ 3840, 2160 }), 4);
        QCOMPARE(largestFactor({ 1280, 1024 }), 2);
        // Portrait and narrow screens are limited by their width.
        QCOMPARE(largestFactor({ 1080, 1920 }), 1);
        QCOMPARE(largestFactor({ 1277, 2000 }), 1);
        // The cabinet as it is on screens that cannot hold it twice, or even once.
        QCOMPARE(largestFactor({ 1366, 768 }), 1);
        QCOMPARE(largestFactor({ 800, 600 }), 1);
        QCOMPARE(largestFactor({ 640, 480 }), 1);
        QCOMPARE(largestFactor({ 0, 0 }), 1);
        // Pictures grow with the square of the factor: an 8K screen stops at 4.
        QCOMPARE(largestFactor({ 7680, 4320 }), kLargestFactor);
        // Exactly twice the cabinet fits; a pixel less does not.
        QCOMPARE(largestFactor({ 2 * kCabinet.width, 2 * kCabinet.height }), 2);
        QCOMPARE(largestFactor({ 2 * kCabinet.width, 2 * kCabinet.height - 1 }), 1);
    }

    void theModeSwitchComesFirstAndScalingWhereItDidNotTake()
    {
        const CommandLine plain;
        QVERIFY(shouldTrySwitch(plain, true));
        QVERIFY(!shouldTrySwitch(plain, false));
        QCOMPARE(choose(plain, ModeSwitch::switched, { 1920, 1080 }).factor, 1);
        for (const auto outcome : { ModeSwitch::notX11, ModeSwitch::noMode, ModeSwitch::noWatcher,
                 ModeSwitch::refused }) {
            QCOMPARE(choose(plain, outcome, { 1920, 1080 }).factor, 2);
            QVERIFY(choose(plain, outcome, { 1920, 1080 }).fullScreen());
            QCOMPARE(choose(plain, outcome, { 3840, 2160 }).factor, 4);
            // A small screen keeps the window as it always was.
            QCOMPARE(choose(plain, outcome, { 1024, 768 }).factor, 1);
            QVERIFY(!choose(plain, outcome, { 1024, 768 }).fullScreen());
        }
        // The large-fonts warning appears at the cabinet's own size.
        QCOMPARE(choose(plain, ModeSwitch::fontCheck, { 3840, 2160 }).factor, 1);
    }

    void aScaleOnTheCommandLineLeavesTheModeAndFixesTheFactor()
    {
        const CommandLine fit = parsed({ "--scale", "auto" });
        QVERIFY(!shouldTrySwitch(fit, true));
        QCOMPARE(choose(fit, ModeSwitch::notAsked, { 2560, 1440 }).factor, 3);
        QCOMPARE(choose(fit, ModeSwitch::notAsked, { 800, 600 }).factor, 1);
        const CommandLine one = parsed({ "--scale=1" });
        QVERIFY(!shouldTrySwitch(one, true));
        QCOMPARE(choose(one, ModeSwitch::notAsked, { 3840, 2160 }).factor, 1);
    }

    // Off the screen the line, bet and coin buttons cannot be pressed and no game can start.
    void aScaleTooLargeForTheScreenFallsBackToTheLargestThatFits()
    {
        struct Row {
            Size screen;
            int fits;
        };
        for (const Row &row : { Row { { 1920, 1080 }, 2 }, Row { { 2560, 1440 }, 3 },
                 Row { { 3840, 2160 }, 4 }, Row { { 1366, 768 }, 1 }, Row { { 800, 600 }, 1 },
                 Row { { 1280, 1024 }, 2 }, Row { { 1080, 1920 }, 1 } }) {
            for (int asked = 1; asked <= kLargestFactor; ++asked) {
                const std::string scale = std::to_string(asked);
                const Presentation p
                    = choose(parsed({ "--scale", scale }), ModeSwitch::notAsked, row.screen);
                const std::string where = std::to_string(row.screen.width) + "x"
                    + std::to_string(row.screen.height) + " --scale " + scale;
                QVERIFY2(p.factor == std::min(asked, row.fits), where.c_str());
                // Whatever is drawn fits, menu bar included.
                QVERIFY2(p.factor == 1
                        || (p.factor * kCabinet.width <= row.screen.width
                            && p.factor * kCabinet.height <= row.screen.height),
                    where.c_str());
                const std::string notice = fallbackNotice(row.screen, p);
                QVERIFY2(notice.empty() == (asked <= row.fits), where.c_str());
                QVERIFY(notice.find('\n') == std::string::npos);
            }
        }
        // At the edge: exactly three cabinets high fits, a pixel less does not.
        const Size exact { 3 * kCabinet.width, 3 * kCabinet.height };
        QCOMPARE(choose(parsed({ "--scale", "3" }), ModeSwitch::notAsked, exact).factor, 3);
        const Size short1 { exact.width, exact.height - 1 };
        QCOMPARE(choose(parsed({ "--scale", "3" }), ModeSwitch::notAsked, short1).factor, 2);
        const Size narrow1 { exact.width - 1, exact.height };
        QCOMPARE(choose(parsed({ "--scale=3" }), ModeSwitch::notAsked, narrow1).factor, 2);
        // A screen that could not be measured keeps the factor asked for, without a notice.
        const Presentation unknown = choose(parsed({ "--scale", "4" }), ModeSwitch::notAsked, {});
        QCOMPARE(unknown.factor, 4);
        QVERIFY(fallbackNotice({}, unknown).empty());
        // The one line says what was asked, the screen, and what is drawn instead.
        const Presentation four
            = choose(parsed({ "--scale", "4" }), ModeSwitch::notAsked, { 1920, 1080 });
        QCOMPARE(fallbackNotice({ 1920, 1080 }, four),
            std::string("slots_tarnix: --scale 4 does not fit this 1920 x 1080 screen; "
                        "drawn at 2x"));
        QVERIFY(usageText().find("largest that fits") != std::string::npos);
    }

    void theCommandLineReadsItsOptionsAndLeavesQtItsOwn()
    {
        const CommandLine cmd = parsed({ "-platform", "xcb", "--verbose", "--scale", "4" });
        QCOMPARE(cmd.action, CommandLine::Action::run);
        QVERIFY(cmd.verbose);
        QCOMPARE(cmd.scale.value_or(-1), 4);
        QCOMPARE(parsed({ "--scale", "auto" }).scale.value_or(-1), 0);
        QCOMPARE(parsed({ "--scale=2" }).scale.value_or(-1), 2);
        QVERIFY(!parsed({}).scale.has_value());
        QVERIFY(!parsed({}).verbose);
        QCOMPARE(parsed({ "--version" }).action, CommandLine::Action::version);
        QCOMPARE(parsed({ "--version", "--help" }).action, CommandLine::Action::help);
        QCOMPARE(parsed({ "--help", "--version" }).action, CommandLine::Action::help);
    }

    void aBadScaleIsRefusedInOneLine()
    {
        for (const std::vector<std::string> &args :
            std::vector<std::vector<std::string>> { { "--scale", "5" }, { "--scale", "0" },
                { "--scale", "2.5" }, { "--scale", "AUTO" }, { "--scale", "" }, { "--scale=" },
                { "--scale" }, { "--scale", "22" }, { "--verbose", "--scale=-1" } }) {
            const CommandLine cmd = parsed(args);
            QCOMPARE(cmd.action, CommandLine::Action::refuse);
            QVERIFY(cmd.error.starts_with("slots_tarnix: --scale"));
            QVERIFY(cmd.error.find('\n') == std::string::npos);
        }
        QVERIFY(parsed({ "--scale", "7" }).error.find("\"7\"") != std::string::npos);
        // The help lists every option the game reads.
        const std::string help = usageText();
        for (const char *option : { "--scale auto|1|2|3|4", "--verbose", "--help", "--version" }) {
            QVERIFY2(help.find(option) != std::string::npos, option);
        }
    }

    void theVerboseLineNamesEverythingABugReportNeeds()
    {
        const std::string line
            = describe("wayland", { 1920, 1080 }, ModeSwitch::notX11, Presentation { 2 });
        for (const char *part : { "platform wayland", "screen 1920 x 1080", "not switched",
                 "factor 2", "full screen" }) {
            QVERIFY2(line.find(part) != std::string::npos, line.c_str());
        }
        const std::string switched
            = describe("xcb", { 1024, 768 }, ModeSwitch::switched, Presentation { 1 });
        QVERIFY(switched.find("mode switched to 800 x 600") != std::string::npos);
        QVERIFY(switched.find("factor 1") != std::string::npos);
    }

    void theCabinetSitsInTheMiddleOfTheScreen()
    {
        const Margins m = centred({ 960, 540 }, { 639, 465 });
        QCOMPARE(m.left + 639 + m.right, 960);
        QCOMPARE(m.top + 465 + m.bottom, 540);
        QVERIFY(std::abs(m.left - m.right) <= 1 && std::abs(m.top - m.bottom) <= 1);
        const Margins none = centred({ 500, 400 }, { 639, 465 });
        QCOMPARE(none.left + none.top + none.right + none.bottom, 0);
    }
};

QTEST_GUILESS_MAIN(PresentationChoice)
#include "test_presentation_choice.moc"
