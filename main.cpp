// slots_tarnix: builds the services and the cabinet and runs the event loop.
#include "assets/asset_catalog.hpp"
#include "display/font_check.hpp"
#include "display/pacing.hpp"
#include "display/screen_mode.hpp"
#include "flow/quit_signals.hpp"
#include "flow/services.hpp"
#include "flow/sound_bank.hpp"
#include "flow/tarnix.hpp"
#include "players/record_store.hpp"
#include "rules/rng.hpp"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

int main(int argc, char **argv)
{
    // The cabinet is laid out in pixels for a 96 DPI screen: Qt must not quietly scale a
    // 120 DPI desktop to look like one, or the font check could never see it.
    if (!qEnvironmentVariableIsSet("QT_ENABLE_HIGHDPI_SCALING")) {
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    }
    QApplication app(argc, argv);
    slot::initAssets();
    QApplication::setFont(QFont(slot::cabinetFontFamily()));
    QApplication::setWindowIcon(QIcon(QPixmap(slot::assets::icon())));

    slot::GameRng rng;
    slot::RealPacing pacing;
    slot::SoundBank sound;
    slot::SettingsRecordStore store(slot::SettingsRecordStore::userPath());
    slot::PlayerState player;
    slot::Services services { rng, pacing, sound };
    services.isScreenFontSmall = [] { return slot::IsScreenFontSmall(); };
    services.showLargeFontsMessage = [] { slot::showLargeFontsWarning(); };
    services.changeRes = [](int w, int h) {
        slot::MODchangeRes::ChangeRes(static_cast<float>(w), static_cast<float>(h));
    };
    services.restoreRes = [] { slot::MODchangeRes::RestoreRes(); };
    services.loadSounds = [&sound] { sound.load(); };
    services.loadRecord = [&store](int slot, slot::PlayerState &p) { store.loadLenient(slot, p); };
    services.saveRecord = [&store](const slot::PlayerState &p) { store.save(p); };
    services.endProgram = [] { QCoreApplication::exit(0); };

    slot::Tarnix window(player, services);
    services.information = [&window](const std::string &title, const std::string &text) {
        QMessageBox::information(
            &window, QString::fromStdString(title), QString::fromStdString(text));
    };
    // A request to quit from outside (logout, kill) leaves the way the exit command does.
    slot::QuitSignals quit([&window] { window.mnuexit_Click(); });
    if (!window.Form_Load()) {
        return 0;
    }
    return QApplication::exec();
}
