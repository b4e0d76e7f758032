// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The presentation at start-up: the only place that knows about Qt's scale factor.
#include "display/presentation.hpp"

#include "display/command_options.hpp"
#include "display/font_check.hpp"
#include "display/screen_mode.hpp"
#include "flow/services.hpp"
#include "flow/standard_output.hpp"

#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QPainter>
#include <QScreen>
#include <cstdio>
#include <vector>

namespace slot
{

namespace
{

std::optional<QByteArray> environment(const char *name)
{
    if (!qEnvironmentVariableIsSet(name)) {
        return std::nullopt;
    }
    return qgetenv(name);
}

void putBack(const char *name, const std::optional<QByteArray> &value)
{
    if (value) {
        qputenv(name, *value);
    } else {
        qunsetenv(name);
    }
}

// The margins round the cabinet are the main window's own background: painted black here
// rather than through its palette, which the menu bar would inherit.
class BlackSurround : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            auto *w = static_cast<QWidget *>(watched);
            QPainter(w).fillRect(w->rect(), Qt::black);
        }
        return false;
    }
};

} // namespace

present::CommandLine readCommandLine(int argc, char **argv)
{
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.emplace_back(argv[i]);
    }
    present::CommandLine cmd = present::parseCommandLine(args);
    if (cmd.action != present::CommandLine::Action::refuse) {
        if (auto unknown = present::unknownArgument(args)) {
            cmd.action = present::CommandLine::Action::refuse;
            cmd.error = std::move(*unknown);
        }
    }
    return cmd;
}

std::optional<int> answerCommandLine(const present::CommandLine &cmd)
{
    using Action = present::CommandLine::Action;
    switch (cmd.action) {
    case Action::run:
        return std::nullopt;
    case Action::help:
        std::fputs(present::usageText().c_str(), stdout);
        return finishStandardOutput("slots_tarnix") ? 0 : 1;
    case Action::version:
        std::puts("slots_tarnix " TARNIX_VERSION);
        return finishStandardOutput("slots_tarnix") ? 0 : 1;
    case Action::refuse:
        std::fprintf(stderr, "%s\n", cmd.error.c_str());
        return 2;
    }
    return 2;
}

StartPresentation::StartPresentation(int argc, char **argv, const present::CommandLine &cmd)
    : command(cmd)
    , userScaleFactor(environment("QT_SCALE_FACTOR"))
    , userPlatform(environment("QT_QPA_PLATFORM"))
{
    // A Wayland session gets the Wayland platform, with X11 (XWayland) only as the fallback;
    // Qt alone would pick X11 on some desktops.
    if (!userPlatform && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "wayland;xcb");
    }
    bool fontPasses = true;
    {
        // The look must not tell the desktop session that the game came and went.
        const auto session = environment("SESSION_MANAGER");
        qunsetenv("SESSION_MANAGER");
        // Qt takes its own options out of the arguments; the real application needs them too.
        std::vector<char *> copy(argv, argv + argc);
        copy.push_back(nullptr);
        int copyCount = argc;
        QGuiApplication look(copyCount, copy.data());
        putBack("SESSION_MANAGER", session);
        if (const QScreen *s = QGuiApplication::primaryScreen()) {
            screen = { s->geometry().width(), s->geometry().height() };
            fontPasses = IsScreenFontSmall(s);
        }
        if (present::shouldTrySwitch(command, fontPasses)) {
            outcome = MODchangeRes::ChangeRes(800, 600);
            if (outcome == present::ModeSwitch::refused) {
                MODchangeRes::RestoreRes();
            }
        } else {
            outcome
                = command.scale ? present::ModeSwitch::notAsked : present::ModeSwitch::fontCheck;
        }
    }
    presentation = present::choose(command, outcome, screen);
    if (const std::string notice = present::fallbackNotice(screen, presentation); !notice.empty()) {
        std::fprintf(stderr, "%s\n", notice.c_str());
    }
    if (presentation.factor > 1) {
        const double user = userScaleFactor ? userScaleFactor->toDouble() : 0.0;
        const double factor = presentation.factor * (user > 0 ? user : 1.0);
        qputenv("QT_SCALE_FACTOR", QByteArray::number(factor));
    }
}

void StartPresentation::applicationMade()
{
    putBack("QT_SCALE_FACTOR", userScaleFactor);
    putBack("QT_QPA_PLATFORM", userPlatform);
    if (command.verbose) {
        const std::string line = present::describe(
            QGuiApplication::platformName().toStdString(), screen, outcome, presentation);
        std::printf("%s\n", line.c_str());
        std::fflush(stdout);
    }
}

void StartPresentation::stage(QMainWindow &window, Services &services) const
{
    if (command.scale || presentation.fullScreen()) {
        services.fixedScreenNote = "The screen stays as it is: the cabinet is drawn to fit it.";
    }
    if (presentation.fullScreen()) {
        centreOnBlack(window);
    }
}

void centreOnBlack(QMainWindow &window)
{
    const QScreen *s = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    const QSize logical = s ? s->geometry().size() : window.size();
    const QSize cabinet = window.size();
    const present::Margins m = present::centred(
        { logical.width(), logical.height() }, { cabinet.width(), cabinet.height() });
    window.setFixedSize(logical.expandedTo(cabinet));
    window.setContentsMargins(m.left, m.top, m.right, m.bottom);
    window.installEventFilter(new BlackSurround(&window));
    window.setWindowState(Qt::WindowFullScreen);
}

} // namespace slot
