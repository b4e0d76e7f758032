// slots_tarnix: builds the services and the cabinet and runs the event loop.
#include "assets/asset_catalog.hpp"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QMainWindow>
#include <QPixmap>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    slot::initAssets();
    QApplication::setFont(QFont(slot::cabinetFontFamily()));
    QApplication::setWindowIcon(QIcon(QPixmap(slot::assets::icon())));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("slots_TarNix"));
    auto *label = new QLabel(&window);
    label->setPixmap(QPixmap(slot::assets::background()));
    window.setCentralWidget(label);
    window.setFixedSize(639, 442);
    window.show();
    return QApplication::exec();
}
