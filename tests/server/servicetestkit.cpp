#include "server/servicetestkit.h"

#include "net/httpclient.h"
#include "net/pagetext.h"

namespace servertest {

std::unique_ptr<QTemporaryDir> SharedServer::s_dir;
std::unique_ptr<ServerProcess> SharedServer::s_server;

QString fetchPage(const QString& url, bool utf8)
{
    net::HttpClient client(QStringLiteral("test"));
    client.setReadTimeout(10000);
    return net::decodePage(client.get(url), utf8 ? net::Encoding::Utf8 : net::Encoding::Gbk);
}

QString postForm(const QString& url, const std::vector<std::pair<QString, QString>>& fields)
{
    net::HttpClient client(QStringLiteral("test"));
    return net::decodePage(client.post(url, fields), net::Encoding::Gbk);
}

void SharedServer::startShared(const QStringList& extra)
{
    s_dir = std::make_unique<QTemporaryDir>();
    s_server = std::make_unique<ServerProcess>(s_dir->path(), extra);
    if (!s_server->start())
        qFatal("lantuo-server did not start: %s", s_server->output().constData());
}

void SharedServer::stopShared()
{
    s_server.reset();
    s_dir.reset();
}

ServerProcess& SharedServer::server()
{
    return *s_server;
}

QString SharedServer::dataDir()
{
    return s_dir->path();
}

} // namespace servertest
