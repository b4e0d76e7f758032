// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// slots_tarnix: builds the services and the cabinet and runs the event loop.
#include "assets/asset_catalog.hpp"
#include "display/display_check.hpp"
#include "display/font_check.hpp"
#include "display/pacing.hpp"
#include "display/presentation.hpp"
#include "display/screen_mode.hpp"
#include "flow/instance_lock.hpp"
#include "flow/quit_signals.hpp"
#include "flow/services.hpp"
#include "flow/sound_bank.hpp"
#include "flow/standard_output.hpp"
#include "flow/tarnix.hpp"
#include "journal/journal_store.hpp"
#include "players/recall_file.hpp"
#include "players/record_saving.hpp"
#include "players/record_store.hpp"
#include "rules/rng.hpp"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QSessionManager>
#include <QUrl>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace
{
// The project's page is its guide, the README beside the game (in the source tree) or
// installed with it; TARNIX_PAGE names another address.
std::string projectPage()
{
    if (const QString page = qEnvironmentVariable("TARNIX_PAGE"); !page.isEmpty()) {
        return page.toStdString();
    }
    const QDir bin(QCoreApplication::applicationDirPath());
    const QStringList candidates = {
        bin.filePath(QStringLiteral("../share/doc/slots_tarnix/README.md")),
        bin.filePath(QStringLiteral("../README.md")),
    };
    for (const QString &c : candidates) {
        if (QFileInfo::exists(c)) {
            return QUrl::fromLocalFile(QFileInfo(c).canonicalFilePath()).toString().toStdString();
        }
    }
    return QUrl::fromLocalFile(QFileInfo(candidates.front()).absoluteFilePath())
        .toString()
        .toStdString();
}

// Another copy holds the lock: say so where a launcher's user and a terminal's user look.
void showAlreadyRunning()
{
    const QString text = QStringLiteral("slots_tarnix is already running");
    std::fprintf(stderr, "%s\n", qPrintable(text));
    QMessageBox::information(nullptr, QStringLiteral("slots_tarnix"), text);
}
} // namespace

int main(int argc, char **argv)
{
    // The cabinet is laid out in pixels for a 96 DPI screen: Qt must not quietly scale a
    // 120 DPI desktop to look like one, or the font check could never see it.
    if (!qEnvironmentVariableIsSet("QT_ENABLE_HIGHDPI_SCALING")) {
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    }
    const auto command = slot::readCommandLine(argc, argv);
    if (const auto status = slot::answerCommandLine(command)) {
        return *status;
    }
    // Started with >&- or 2>&-, the lock file or the records would take the closed stream's
    // place and receive the game's messages. Checked after --help and --version, whose
    // answer to a closed output is a failure to report.
    if (!slot::keepStandardStreamsOpen()) {
        std::fprintf(stderr, "slots_tarnix: a closed standard stream could not be replaced\n");
        return 1;
    }
    // --help and --version answer on a bare console; only the game itself needs a display.
    if (!slot::displayAvailable(argc, argv)) {
        return 1;
    }
    // From here a display that cannot be opened ends the game with one line, not Qt's abort.
    slot::DisplayOpening opening(argc, argv);
    // Before anything touches the screen mode or the records, which a second copy leaves alone.
    // The lock lies beside the records, so every copy that would share them finds it.
    const QString records = slot::SettingsRecordStore::userPath();
    const QString recordsFolder = QFileInfo(records).absolutePath();
    // On a first start the folder may not be there yet; a copy that found no folder must not
    // lock elsewhere while a later one locks beside the records.
    QDir().mkpath(recordsFolder);
    const slot::InstanceLock onlyCopy(
        slot::instanceLockCandidates(QFile::encodeName(recordsFolder).toStdString(), ::getuid()));
    if (onlyCopy.outcome() == slot::InstanceLock::Outcome::Held) {
        QApplication refused(argc, argv);
        opening.release();
        showAlreadyRunning();
        return 1;
    }
    if (onlyCopy.outcome() == slot::InstanceLock::Outcome::Unavailable) {
        std::fprintf(stderr,
            "slots_tarnix: no lock file could be made; a second copy would not be noticed\n");
    }
    slot::StartPresentation presentation(argc, argv, command);
    QApplication app(argc, argv);
    opening.release();
    presentation.applicationMade();
    slot::initAssets();
    QApplication::setFont(QFont(slot::cabinetFontFamily()));
    QApplication::setWindowIcon(QIcon(QPixmap(slot::assets::icon())));

    slot::GameRng rng;
    // A test seam: the crash test plays its long sessions at a fraction of the real delays.
    slot::RealPacing pacing(slot::pacePercent(std::getenv("TARNIX_PACE_PERCENT")));
    slot::SoundBank sound;
    slot::SettingsRecordStore store(records);
    slot::PlayerState player;
    slot::Services services { rng, pacing, sound };
    slot::FileRecallStorage recallFiles(slot::recallFolder());
    services.recall = std::make_shared<slot::GameRecall>(&recallFiles);
    slot::FileCareStorage careFiles(slot::recallFolder());
    services.care = std::make_shared<slot::PlayerCare>(
        &careFiles, [] { return static_cast<slot::Seconds>(std::time(nullptr)); }, slot::localDay);
    services.isScreenFontSmall = [] { return slot::IsScreenFontSmall(); };
    services.showLargeFontsMessage = [] { slot::showLargeFontsWarning(); };
    services.changeRes = [](int w, int h) {
        slot::MODchangeRes::ChangeRes(static_cast<float>(w), static_cast<float>(h));
    };
    services.restoreRes = [] { slot::MODchangeRes::RestoreRes(); };
    services.loadSounds = [&sound] { sound.load(); };
    services.loadRecord = [&store](int slot, slot::PlayerState &p) { store.loadLenient(slot, p); };
    QWidget *cabinet = nullptr; // the notice's parent, once the cabinet exists
    slot::RecordSaving saving([&store](const slot::PlayerState &p) { return store.save(p); },
        store.path().toStdString(),
        [&cabinet](const std::string &title, const std::string &text) {
            std::fprintf(stderr, "slots_tarnix: %s\n", text.c_str());
            // Not modal: play goes on beside it, and a quit is never held up by it.
            auto *box = new QMessageBox(QMessageBox::Information, QString::fromStdString(title),
                QString::fromStdString(text), QMessageBox::Ok, cabinet);
            box->setTextFormat(Qt::PlainText);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->setModal(false);
            box->show();
        });
    services.saveRecord = [&saving](const slot::PlayerState &p) { saving(p); };
    // The journal of the game in progress lives beside the recall files.
    slot::FileJournalStore journalFiles(slot::recallFolder());
    services.journal = std::make_shared<slot::GameJournal>(&journalFiles);
    services.saveRecordChecked = [&saving](const slot::PlayerState &p) { return saving(p); };
    services.note = [&cabinet](const std::string &text) {
        std::fprintf(stderr, "slots_tarnix: %s\n", text.c_str());
        // One calm line beside the cabinet; play goes on without an answer.
        auto *box = new QMessageBox(QMessageBox::Information, QStringLiteral("slots_tarnix"),
            QString::fromStdString(text), QMessageBox::Ok, cabinet);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setModal(false);
        box->show();
    };
    services.loadRecordResetting
        = [&store](int slot, slot::PlayerState &p) { store.loadResetting(slot, p); };
    services.readName = [&store](int slot) { return store.readName(slot); };
    services.openUrl = [](const std::string &url) {
        QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
    };
    services.projectPage = projectPage();
    services.endProgram = [] { QCoreApplication::exit(0); };

    slot::Tarnix window(player, services);
    cabinet = &window;
    presentation.stage(window, services);
    services.information = [&window](const std::string &title, const std::string &text) {
        QMessageBox::information(
            &window, QString::fromStdString(title), QString::fromStdString(text));
    };
    // A request to quit from outside (logout, kill) leaves the way the exit command does.
    slot::QuitSignals quit([&window] { window.mnuexit_Click(); });
    // Logging out: the session first asks for our data, then ends the event loop.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
        [&window](QSessionManager &) { window.sessionSaving(); });
    QObject::connect(
        &app, &QCoreApplication::aboutToQuit, &window, [&window] { window.sessionEnding(); });
    if (!window.Form_Load()) {
        return 0;
    }
    return QApplication::exec();
}
