// slots_tarnix: builds the services and the cabinet and runs the event loop.
#include "display/pacing.hpp"
#include "flow/services.hpp"
#include "flow/sound_out.hpp"
#include "flow/tarnix.hpp"
#include "rules/rng.hpp"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    slot::GameRng rng;
    slot::RealPacing pacing;
    slot::SilentSound sound;
    slot::PlayerState player;
    slot::Services services { rng, pacing, sound };
    services.endProgram = [] { QCoreApplication::exit(0); };
    slot::Tarnix window(player, services);
    if (!window.Form_Load()) {
        return 0;
    }
    return QApplication::exec();
}
