#pragma once

#include <QStringList>

#include <cstdio>

namespace app {
class Clock;
}

namespace service {

// "lantuo-server admin --data DIR COMMAND …": the operator's way to publish what the clients
// show. It writes the same SQLite file as the running server (which reads it afresh on every
// request), so a change shows at the clients' next poll without a restart.
class AdminCommand final {
public:
    static QString usage();
    // arguments start after "admin"; returns the process exit code.
    static int run(const QStringList& arguments, const app::Clock& clock, FILE* out, FILE* err);
};

} // namespace service
