#include "shellfixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace uitest {

bool processEventsUntil(const std::function<bool()>& done, int patienceMsecs)
{
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < patienceMsecs)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    return done();
}

} // namespace uitest
