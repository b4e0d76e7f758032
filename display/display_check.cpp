// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Qt aborts with a hint about reinstalling when no platform plugin can connect; a player who
// started the game from a console or over ssh needs to hear that a desktop is missing.
#include "display/display_check.hpp"

#include <QString>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

namespace slot
{

namespace
{
constexpr const char *kHowToRun
    = "start it from a desktop session, or on a virtual screen with: xvfb-run -a slots_tarnix";

bool isSet(const char *name)
{
    const char *value = std::getenv(name);
    return value && *value;
}

// The value after a Qt option given as -name or --name; the last one counts, as in Qt.
const char *optionValue(int argc, char **argv, const char *name)
{
    const char *value = nullptr;
    for (int i = 1; i + 1 < argc; ++i) {
        const char *arg = argv[i][0] == '-' && argv[i][1] == '-' ? argv[i] + 1 : argv[i];
        if (std::strcmp(arg, name) == 0) {
            value = argv[++i];
        }
    }
    return value;
}

struct Opening {
    std::mutex lock;
    std::vector<QString> held;
    std::string platform; // from the command line; empty: QT_QPA_PLATFORM or Qt's own choice
    std::string display; // -display on the command line
};

Opening &opening()
{
    static Opening o;
    return o;
}

// Qt's fatal message ends with the plugins it has: "Available platform plugins are: a, b."
std::string offeredPlugins(const QString &message)
{
    const QString marker = QStringLiteral("Available platform plugins are: ");
    const qsizetype at = message.indexOf(marker);
    if (at < 0) {
        return {};
    }
    QString list = message.mid(at + marker.size()).trimmed();
    if (list.endsWith(QLatin1Char('.'))) {
        list.chop(1);
    }
    return list.toStdString();
}

std::string failureLine(const QString &qtMessage)
{
    Opening &o = opening();
    const char *env = std::getenv("QT_QPA_PLATFORM");
    const std::string platform = !o.platform.empty() ? o.platform : env && *env ? env : "xcb";
    std::string line = "slots_tarnix: the display could not be opened (platform " + platform;
    if (platform.find("xcb") != std::string::npos) {
        const char *display = std::getenv("DISPLAY");
        line += ", X display "
            + (!o.display.empty()         ? o.display
                    : display && *display ? display
                                          : "(none)");
    }
    if (platform.find("wayland") != std::string::npos && isSet("WAYLAND_DISPLAY")) {
        line += ", Wayland display " + std::string(std::getenv("WAYLAND_DISPLAY"));
    }
    // A misspelt platform: the plugins there are say what was meant.
    const std::string offered = offeredPlugins(qtMessage);
    const std::string first = platform.substr(0, platform.find_first_of(";:"));
    if (!offered.empty() && (", " + offered + ",").find(" " + first + ",") == std::string::npos) {
        line += "; this Qt offers " + offered;
    }
    return line + "): " + kHowToRun;
}

void holdOrEnd(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        const std::string line = failureLine(message);
        std::fprintf(stderr, "%s\n", line.c_str());
        // Qt is half made, so no destructors: the kernel drops the lock, and the watcher puts
        // back a mode switched before a second connection failed.
        std::_Exit(1);
    }
    Opening &o = opening();
    const std::lock_guard guard(o.lock);
    o.held.push_back(qFormatLogMessage(type, context, message));
}
} // namespace

bool displayAvailable(int argc, char **argv)
{
    if (isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM")) {
        return true;
    }
    // A display named on the command line is for Qt to try, as one in DISPLAY would be.
    if (optionValue(argc, argv, "-platform") || optionValue(argc, argv, "-display")) {
        return true;
    }
    std::fprintf(stderr,
        "slots_tarnix: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set): %s\n",
        kHowToRun);
    return false;
}

DisplayOpening::DisplayOpening(int argc, char **argv)
{
    Opening &o = opening();
    const char *platform = optionValue(argc, argv, "-platform");
    const char *display = optionValue(argc, argv, "-display");
    o.platform = platform ? platform : "";
    o.display = display ? display : "";
    // Qt opens the display named by -display; the screen-mode switch, its watcher and the
    // programs the game starts must all use that one too, not whatever DISPLAY says.
    if (display) {
        qputenv("DISPLAY", display);
    }
    previous = qInstallMessageHandler(holdOrEnd);
    active = true;
}

DisplayOpening::~DisplayOpening()
{
    release();
}

void DisplayOpening::release()
{
    if (!active) {
        return;
    }
    active = false;
    qInstallMessageHandler(previous);
    Opening &o = opening();
    std::vector<QString> held;
    {
        const std::lock_guard guard(o.lock);
        held.swap(o.held);
    }
    for (const QString &m : held) {
        std::fprintf(stderr, "%s\n", qPrintable(m));
    }
}

} // namespace slot
