#pragma once

#include "server/serverprocess.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <vector>

namespace servertest {

// GET through the client's own HTTP client, decoded as the client decodes service pages (GBK,
// or UTF-8 for the quote service). Throws what the client's loaders throw.
QString fetchPage(const QString& url, bool utf8 = false);
// POST through the client's own HTTP client; the reply decoded from GBK.
QString postForm(const QString& url, const std::vector<std::pair<QString, QString>>& fields);

// One lantuo-server for a whole test suite, started with --market in a fresh data folder.
class SharedServer {
public:
    static void startShared(const QStringList& extra = {QStringLiteral("--market")});
    static void stopShared();
    static ServerProcess& server();
    static QString dataDir();

private:
    static std::unique_ptr<QTemporaryDir> s_dir;
    static std::unique_ptr<ServerProcess> s_server;
};

} // namespace servertest
