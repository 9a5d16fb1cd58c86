#include "server/serverprocess.h"

#include <QDeadlineTimer>
#include <QRegularExpression>

#include <csignal>

namespace servertest {

ServerProcess::ServerProcess(QString dataDir, QStringList extraArguments)
    : m_dataDir(std::move(dataDir)), m_extra(std::move(extraArguments))
{
    m_process.setProcessChannelMode(QProcess::MergedChannels);
}

ServerProcess::~ServerProcess()
{
    if (running())
        stop();
}

QString ServerProcess::binary()
{
    return QStringLiteral(LANTUO_SERVER_BIN);
}

QString ServerProcess::base() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_port);
}

bool ServerProcess::start()
{
    m_output.clear();
    m_process.start(binary(), QStringList{QStringLiteral("--port"), QStringLiteral("0"),
                                          QStringLiteral("--data"), m_dataDir}
                                  + m_extra);
    if (!m_process.waitForStarted(10000))
        return false;
    static const QRegularExpression listening(QStringLiteral("listening on http://127\\.0\\.0\\.1:(\\d+)"));
    const QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired()) {
        m_process.waitForReadyRead(100);
        m_output += m_process.readAll();
        const auto match = listening.match(QString::fromUtf8(m_output));
        if (match.hasMatch()) {
            m_port = match.captured(1).toUShort();
            return true;
        }
        if (m_process.state() == QProcess::NotRunning)
            return false;
    }
    return false;
}

int ServerProcess::stop()
{
    if (!running())
        return m_process.exitCode();
    ::kill(pid_t(m_process.processId()), SIGTERM);
    if (!m_process.waitForFinished(10000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
        return -1;
    }
    m_output += m_process.readAll();
    return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
}

void ServerProcess::killHard()
{
    m_process.kill();
    m_process.waitForFinished(5000);
}

int ServerProcess::admin(const QString& dataDir, const QStringList& arguments, QByteArray* output)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(binary(), QStringList{QStringLiteral("admin"), QStringLiteral("--data"), dataDir} + arguments);
    if (!process.waitForFinished(20000))
        return -1;
    if (output)
        *output = process.readAll();
    return process.exitCode();
}

} // namespace servertest
