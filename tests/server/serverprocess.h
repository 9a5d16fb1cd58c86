#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace servertest {

// The real lantuo-server binary, started on a free port with its own data folder.
class ServerProcess final {
public:
    ServerProcess(QString dataDir, QStringList extraArguments = {});
    ~ServerProcess();
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    // Starts and waits for the "listening" line; false when the server did not come up.
    bool start();
    // SIGTERM, then waits for the exit; returns the exit code (-1 when it had to be killed).
    int stop();
    // SIGKILL: the server gets no chance to finish anything.
    void killHard();
    bool running() const { return m_process.state() != QProcess::NotRunning; }

    quint16 port() const { return m_port; }
    QString base() const;
    QString url(const QString& pathAndQuery) const { return base() + pathAndQuery; }
    QByteArray output() const { return m_output; }

    // Runs "lantuo-server admin --data DIR args…"; returns the exit code and keeps the output.
    static int admin(const QString& dataDir, const QStringList& arguments, QByteArray* output = nullptr);
    static QString binary();

private:
    QString m_dataDir;
    QStringList m_extra;
    QProcess m_process;
    QByteArray m_output;
    quint16 m_port = 0;
};

} // namespace servertest
