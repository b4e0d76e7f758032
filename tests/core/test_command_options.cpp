// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line the game accepts: its own options and the toolkit's pass, anything else is
// refused in one line that names the options there are.
#include "display/command_options.hpp"

#include <QTest>

using namespace slot::present;

Q_DECLARE_METATYPE(std::vector<std::string>)

class CommandOptions : public QObject
{
    Q_OBJECT
private slots:
    void knownArgumentsPass_data()
    {
        QTest::addColumn<std::vector<std::string>>("args");
        QTest::newRow("none") << std::vector<std::string> {};
        QTest::newRow("the game's own") << std::vector<std::string> { "--scale", "2", "--verbose",
            "--scale=auto", "--help", "-h", "--version" };
        // A bad --scale value is the option's own refusal, not an unknown argument.
        QTest::newRow("scale's value") << std::vector<std::string> { "--scale", "--bogus" };
        // What a session manager passes when it restores the game, and the X11 ones.
        QTest::newRow("toolkit values") << std::vector<std::string> { "-session", "1a2b",
            "-platform", "xcb", "-display", ":1", "-geometry", "640x480+0+0", "-style", "Fusion" };
        QTest::newRow("toolkit, two dashes") << std::vector<std::string> { "--platform",
            "offscreen", "--display", ":1", "--style", "Fusion", "--reverse" };
        QTest::newRow("toolkit flags and joined values")
            << std::vector<std::string> { "-reverse", "-widgetcount", "-sync", "-testability",
                   "-style=Fusion", "-stylesheet=a.qss", "-qmljsdebugger=port:1" };
        // The value of a toolkit option may look like anything, an option included.
        QTest::newRow("a value like an option")
            << std::vector<std::string> { "-qwindowtitle", "--bogus", "--verbose" };
    }
    void knownArgumentsPass()
    {
        QFETCH(std::vector<std::string>, args);
        const auto refusal = unknownArgument(args);
        QVERIFY2(!refusal, refusal ? refusal->c_str() : "");
    }

    void theFirstUnknownArgumentIsRefused_data()
    {
        QTest::addColumn<std::vector<std::string>>("args");
        QTest::addColumn<QString>("named");
        QTest::newRow("unknown option") << std::vector<std::string> { "--verbose", "--bogus",
            "--worse" } << "unknown option \"--bogus\"";
        QTest::newRow("one dash") << std::vector<std::string> { "-x" } << "unknown option \"-x\"";
        QTest::newRow("near a game option")
            << std::vector<std::string> { "--scales", "2" } << "unknown option \"--scales\"";
        // Qt reads -style= but not -platform=: a joined platform would be silently dropped.
        QTest::newRow("joined platform")
            << std::vector<std::string> { "-platform=xcb" } << "unknown option \"-platform=xcb\"";
        QTest::newRow("a stray word") << std::vector<std::string> { "-platform", "xcb",
            "offscreen" } << "unexpected argument \"offscreen\"";
    }
    void theFirstUnknownArgumentIsRefused()
    {
        QFETCH(std::vector<std::string>, args);
        QFETCH(QString, named);
        const auto refusal = unknownArgument(args);
        QVERIFY(refusal);
        const QString line = QString::fromStdString(*refusal);
        QVERIFY2(line.startsWith("slots_tarnix: " + named + ";"), qPrintable(line));
        QVERIFY(!line.contains('\n'));
        for (const char *option :
            { "--scale auto|1|2|3|4", "--verbose", "--help", "--version", "-platform" }) {
            QVERIFY2(line.contains(QLatin1String(option)), option);
        }
    }
};

QTEST_APPLESS_MAIN(CommandOptions)
#include "test_command_options.moc"
