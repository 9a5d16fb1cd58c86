#pragma once

#include <QObject>

#include <functional>

namespace app {

// How the program asks to end. A request made before the message loop runs is kept, and the loop
// is then never entered; a request made while it runs ends it only from the outermost level.
// QCoreApplication::exit() would also end every nested loop, among them the local loop of an
// HttpClient waiting for a reply, so the quit waits until no such loop is running.
class Lifecycle final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Lifecycle)

public:
    explicit Lifecycle(QObject* parent = nullptr);

    // The first request wins; later ones change nothing.
    void requestExit(int code = 0);
    bool exitRequested() const { return m_requested; }
    int exitCode() const { return m_code; }
    bool loopRunning() const { return m_loopRunning; }

    // Runs exec (the application's message loop) unless an exit was already requested, and
    // returns the program's exit code.
    int runMessageLoop(const std::function<int()>& exec);

private:
    void quitFromOutermostLoop();

    bool m_requested = false;
    int m_code = 0;
    bool m_loopRunning = false;
};

} // namespace app
