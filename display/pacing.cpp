// Blocking on purpose: the animations hold the thread between frames, as on the original cabinet.
#include "display/pacing.hpp"

#include <QCoreApplication>
#include <QThread>

namespace slot
{

void RealPacing::sleep(int ms)
{
    if (ms > 0) {
        QThread::msleep(static_cast<unsigned long>(ms));
    }
}

void RealPacing::processEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace slot
