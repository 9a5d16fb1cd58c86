#pragma once

#include "net/httpclient.h"

namespace app {

// The HTTP clients of the main window, one per group of loaders, each with its own cookies and
// read time-out. A client serves one request at a time.
struct MainClients final {
    Q_DISABLE_COPY_MOVE(MainClients)
    MainClients() = default;

    net::HttpClient idHttp1{QStringLiteral("IdHTTP1")};   // index quotes, quote panel, channel list
    net::HttpClient idHttp2{QStringLiteral("IdHTTP2")};   // holdings, rumours, comment, announcements
    net::HttpClient idHttp3{QStringLiteral("IdHTTP3")};   // service status, online count
    net::HttpClient idHttp4{QStringLiteral("IdHTTP4")};   // news flash, selected stocks
    net::HttpClient idHttp5{QStringLiteral("IdHTTP5")};   // forum comments, online count of Timer2
    net::HttpClient idHttp6{QStringLiteral("IdHTTP6")};   // online count refresh button
    net::HttpClient idHttpgj{QStringLiteral("IdHTTPgj")}; // stock lookup, alert quotes
};

} // namespace app
