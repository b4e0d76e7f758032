// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A quit from outside must end the game even when the game is stuck where its event loop never
// runs (as it was in a read that waited for ever): the first signal asks politely, the next
// while that one is unanswered ends the process. Each case runs in a child process.
#include "flow/quit_signals.hpp"

#include <QCoreApplication>
#include <QTest>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace slot;

namespace
{

// Runs `body` in a child with an application and the quit signals in place; returns its wait
// status. The child ends with 0 when `body` returns.
template <typename Body> int inChild(Body body)
{
    const pid_t child = ::fork();
    if (child == 0) {
        int argc = 1;
        char name[] = "stuck_quit_test";
        char *argv[] = { name, nullptr };
        QCoreApplication app(argc, argv);
        int asked = 0;
        QuitSignals quitSignals([&asked] { ++asked; });
        body(asked);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

} // namespace

class StuckQuitTest : public QObject
{
    Q_OBJECT
private slots:
    void answeredQuitsAreAskedEachTime_data()
    {
        QTest::addColumn<int>("sig");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }
    void answeredQuitsAreAskedEachTime()
    {
        QFETCH(int, sig);
        const int status = inChild([sig](int &asked) {
            for (int round = 1; round <= 3; ++round) {
                ::raise(sig);
                QCoreApplication::processEvents();
                if (asked != round) {
                    ::_exit(10 + round);
                }
            }
        });
        QVERIFY2(
            WIFEXITED(status) && WEXITSTATUS(status) == 0, qPrintable(QString::number(status)));
    }

    void aSecondQuitWhileStuckEndsTheGame_data() { answeredQuitsAreAskedEachTime_data(); }
    void aSecondQuitWhileStuckEndsTheGame()
    {
        QFETCH(int, sig);
        const int status = inChild([sig](int &) {
            ::raise(sig);
            ::raise(sig); // no event loop ran in between
            ::_exit(3);
        });
        QVERIFY2(
            WIFSIGNALED(status) && WTERMSIG(status) == sig, qPrintable(QString::number(status)));
    }
};

QTEST_APPLESS_MAIN(StuckQuitTest)
#include "stuck_quit_test.moc"
