#include "app/lifecycle.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

namespace app {

namespace {

// How often a pending quit looks again whether the nested loops have ended.
constexpr int quitRetryMsecs = 20;

} // namespace

Lifecycle::Lifecycle(QObject* parent) : QObject(parent) {}

void Lifecycle::requestExit(int code)
{
    if (m_requested)
        return;
    m_requested = true;
    m_code = code;
    if (m_loopRunning)
        QTimer::singleShot(0, this, &Lifecycle::quitFromOutermostLoop);
}

int Lifecycle::runMessageLoop(const std::function<int()>& exec)
{
    if (m_requested)
        return m_code;
    m_loopRunning = true;
    const int result = exec();
    m_loopRunning = false;
    return m_requested ? m_code : result;
}

void Lifecycle::quitFromOutermostLoop()
{
    if (QThread::currentThread()->loopLevel() > 1) {
        QTimer::singleShot(quitRetryMsecs, this, &Lifecycle::quitFromOutermostLoop);
        return;
    }
    QCoreApplication::exit(m_code);
}

} // namespace app
