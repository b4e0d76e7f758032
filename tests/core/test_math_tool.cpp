// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// tarnix-math's handling of what it is given, and the committed par sheet against the one the
// tool writes today.
#include "math_validate.hpp"
#include "par_sheet_text.hpp"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

using namespace slot;

namespace
{

QString committed(const QString &name)
{
    QFile f(QStringLiteral(TARNIX_SOURCE_DIR "/docs/") + name);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

class MathTool : public QObject
{
    Q_OBJECT
private slots:
    // Only the line counts and bets the cabinet offers, and only each command's own options.
    void optionsAreCheckedForEveryCommand()
    {
        const std::map<std::string, std::string> none;
        for (const char *command : { "evaluate", "enumerate", "simulate", "exact", "parsheet" }) {
            QVERIFY(knownCommand(command));
            QVERIFY(!optionProblem(command, none));
            for (const char *lines : { "1", "5", "10", "20", "25" }) {
                QVERIFY(!optionProblem(command, { { "lines", lines } }));
            }
            for (const char *lines : { "0", "3", "24", "26", "x", "" }) {
                const auto problem = optionProblem(command, { { "lines", lines } });
                QVERIFY(problem && problem->find("1, 5, 10, 20 or 25") != std::string::npos);
            }
            const auto unknown = optionProblem(command, { { "speed", "1" } });
            QVERIFY(unknown && unknown->find("--speed") != std::string::npos);
            QVERIFY(unknown->find("--lines") != std::string::npos);
        }
        for (const char *bet : { "1", "2", "3", "5", "10", "20" }) {
            QVERIFY(!optionProblem("parsheet", { { "bet", bet } }));
        }
        for (const char *bet : { "0", "4", "15", "21", "-1" }) {
            const auto problem = optionProblem("exact", { { "bet", bet } });
            QVERIFY(problem && problem->find("1, 2, 3, 5, 10 or 20") != std::string::npos);
        }
        QVERIFY(!optionProblem("parsheet", { { "format", "markdown" } }));
        QVERIFY(optionProblem("parsheet", { { "format", "html" } }));
        QVERIFY(optionProblem("exact", { { "format", "json" } })); // only the sheet has forms
        QVERIFY(!knownCommand("parsheets"));
    }

    // The tool itself: one calm line on standard error, exit status 2, nothing on stdout.
    void badInputEndsWithOneLineAndStatusTwo_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("lines") << QStringList { "parsheet", "--lines", "3" };
        QTest::newRow("bet") << QStringList { "simulate", "--games", "10", "--seed", "1", "--bet",
            "4" };
        QTest::newRow("format") << QStringList { "parsheet", "--format", "xml" };
        QTest::newRow("unknown option") << QStringList { "exact", "--colour", "red" };
        QTest::newRow("dangling option") << QStringList { "enumerate", "--lines" };
        QTest::newRow("unknown command") << QStringList { "payout" };
    }
    void badInputEndsWithOneLineAndStatusTwo()
    {
        QFETCH(QStringList, args);
        QProcess tool;
        tool.start(QStringLiteral(TARNIX_MATH), args);
        QVERIFY(tool.waitForFinished(10'000));
        QCOMPARE(tool.exitCode(), 2);
        QVERIFY(tool.readAllStandardOutput().isEmpty());
        const QByteArray err = tool.readAllStandardError();
        QVERIFY2(err.startsWith("tarnix-math: ") && err.count('\n') == 1, err.constData());
    }

    // docs/par-sheet.md and its pictures are what tools/par-sheet-doc.sh writes from today's
    // game; a change to the game's figures must come with the sheet written again.
    void committedParSheetIsCurrent()
    {
        const QString sheet = committed(QStringLiteral("par-sheet.md"));
        for (int lines : { 1, 25 }) {
            const ParReport r = parReport(lines, 1);
            const QString figure = QStringLiteral("par-band-%1.svg").arg(lines);
            QVERIFY2(
                sheet.contains(QString::fromStdString(parSheetMarkdown(r, figure.toStdString()))),
                "docs/par-sheet.md is out of date: run tools/par-sheet-doc.sh");
            QCOMPARE(committed(figure), QString::fromStdString(returnBandSvg(r)));

            // The JSON form of the same sheet is well formed and carries the same figures.
            QJsonParseError error;
            const auto json
                = QJsonDocument::fromJson(QByteArray::fromStdString(parSheetJson(r)), &error);
            QVERIFY2(json.isObject(), qPrintable(error.errorString()));
            const QJsonObject o = json.object();
            QCOMPARE(o.value("rtp").toDouble(), r.rtp);
            QCOMPARE(o.value("sd").toDouble(), r.sd);
            QCOMPARE(o.value("volatility_index").toDouble(), 1.645 * r.sd);
            QCOMPARE(o.value("prizes").toArray().size(), static_cast<qsizetype>(r.prizes.size()));
            QCOMPARE(o.value("return_bands").toArray().size(), 4);
        }
    }
};

QTEST_APPLESS_MAIN(MathTool)
#include "test_math_tool.moc"
