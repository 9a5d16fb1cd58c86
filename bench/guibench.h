#pragma once

// What the window benchmarks share: lantuo-server started on loopback at a frozen market moment,
// a meter of the GUI thread's stalls, waits that keep the event loop running, and the memory
// of this process and every helper process it started.

#include "app/clock.h"
#include "app/lifecycle.h"
#include "app/prompter.h"
#include "app/sites.h"
#include "net/browseropener.h"
#include "ui/windowset.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include <unistd.h>

#ifndef LANTUO_SERVER_BIN
#define LANTUO_SERVER_BIN "lantuo-server"
#endif

namespace bench {

// Boxes are kept, questions answered with Cancel: nobody is there.
class SilentPrompter final : public app::Prompter {
public:
    void error(const QString& text) override { shown << text; }
    void inform(const QString& text) override { shown << text; }
    bool ask(const QString& text) override
    {
        shown << text;
        return false;
    }
    QStringList shown;
};

class NoBrowser final : public net::BrowserOpener {
public:
    void open(const QString&) override {}
};

// Lateness of a 1 ms timer: how long the event loop was kept away beyond the interval.
class StallMeter final {
public:
    StallMeter()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            m_worst = std::max(m_worst, now - m_last - 1'000'000);
            m_last = now;
        });
        m_clock.start();
        m_timer.start();
    }

    void reset()
    {
        m_last = m_clock.nsecsElapsed();
        m_worst = 0;
    }
    // Includes the time since the last tick, so a stall at the very end counts too.
    double worstMsecs() const
    {
        const qint64 tail = m_clock.nsecsElapsed() - m_last - 1'000'000;
        return double(std::max(m_worst, tail)) / 1e6;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_worst = 0;
};

struct Server {
    QProcess process;
    QString base;
    ~Server()
    {
        process.terminate();
        process.waitForFinished(5000);
    }
};

inline bool startServer(Server& server, const QString& dataDir, const char* marketTime)
{
    server.process.setProcessChannelMode(QProcess::MergedChannels);
    server.process.start(QStringLiteral(LANTUO_SERVER_BIN),
                         {QStringLiteral("--market"), QStringLiteral("--port"), QStringLiteral("0"),
                          QStringLiteral("--data"), dataDir, QStringLiteral("--at"),
                          QString::fromLatin1(marketTime), QStringLiteral("--frozen")});
    static const QRegularExpression listening(QStringLiteral("listening on (http://127\\.0\\.0\\.1:\\d+)"));
    QByteArray output;
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 15000 && server.process.state() != QProcess::NotRunning) {
        server.process.waitForReadyRead(100);
        output += server.process.readAll();
        const auto match = listening.match(QString::fromUtf8(output));
        if (match.hasMatch()) {
            server.base = match.captured(1);
            return true;
        }
    }
    std::fprintf(stderr, "lantuo-server did not come up: %s\n", output.constData());
    return false;
}

inline void settle(int msecs)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < msecs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Keeps the event loop running until done() or the patience runs out; false then.
inline bool settleUntil(const std::function<bool()>& done, int patienceMsecs = 30000)
{
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > patienceMsecs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return true;
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Proportional set size in KiB of this process and all its descendants (the browser's helper
// processes), and how many processes that is.
struct Memory {
    qint64 pssKib = 0;
    int processes = 0;
};

inline Memory memoryOfThisProcessTree(const QStringList& skipped = {})
{
    Memory memory;
    std::vector<qint64> pending = {qint64(getpid())};
    while (!pending.empty()) {
        const qint64 pid = pending.back();
        pending.pop_back();
        const QString proc = QStringLiteral("/proc/%1").arg(pid);
        QFile command(proc + QStringLiteral("/comm"));
        const bool skip = command.open(QIODevice::ReadOnly) && skipped.contains(QString::fromLatin1(command.readAll().trimmed()));
        QFile rollup(proc + QStringLiteral("/smaps_rollup"));
        if (!skip && rollup.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : rollup.readAll().split('\n'))
                if (line.startsWith("Pss:"))
                    memory.pssKib += line.mid(4).trimmed().split(' ').first().toLongLong();
            ++memory.processes;
        }
        for (const QString& task : QDir(proc + QStringLiteral("/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile children(proc + QStringLiteral("/task/") + task + QStringLiteral("/children"));
            if (children.open(QIODevice::ReadOnly))
                for (const QByteArray& child : children.readAll().split(' '))
                    if (!child.trimmed().isEmpty())
                        pending.push_back(child.trimmed().toLongLong());
        }
    }
    return memory;
}

// The client's windows against lantuo-server at a frozen market moment, the client's clock frozen
// at the same moment, every site of sites.ini at the server, a data folder of its own.
class ClientAgainstServer final {
public:
    explicit ClientAgainstServer(const char* marketTime)
    {
        if (!m_work.isValid() || !startServer(m_server, m_work.filePath(QStringLiteral("server")), marketTime))
            return;
        const QString ini = m_work.filePath(QStringLiteral("sites.ini"));
        QFile file(ini);
        if (!file.open(QIODevice::WriteOnly))
            return;
        file.write("[sites]\nall=" + m_server.base.toUtf8() + "\n");
        file.close();
        m_sites = app::Sites::fromFile(ini);
        m_clock.freezeAt(QDateTime::fromString(QString::fromLatin1(marketTime), QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        QDir().mkpath(m_work.filePath(QStringLiteral("data")));
        m_windows = std::make_unique<ui::WindowSet>(ui::Services{
            m_sites, m_clock, prompter, m_browser, m_lifecycle, [] { return false; },
            m_work.filePath(QStringLiteral("data"))});
    }
    Q_DISABLE_COPY_MOVE(ClientAgainstServer)

    // The server came up and the first show ran through without a box; says why not otherwise.
    bool ready() const
    {
        if (!m_windows)
            return false;
        if (!prompter.shown.isEmpty() || m_lifecycle.exitRequested()) {
            std::fprintf(stderr, "start-up did not run through: %s\n",
                         qPrintable(prompter.shown.join(QLatin1Char('|'))));
            return false;
        }
        return true;
    }

    ui::WindowSet& windows() { return *m_windows; }
    ui::TForm1& mainWindow() { return m_windows->mainWindow; }
    const QString& serverBase() const { return m_server.base; }

    SilentPrompter prompter;

private:
    QTemporaryDir m_work;
    Server m_server;
    app::Sites m_sites;
    app::Clock m_clock;
    NoBrowser m_browser;
    app::Lifecycle m_lifecycle;
    std::unique_ptr<ui::WindowSet> m_windows;
};

} // namespace bench
