#pragma once

// The copy of the watch list on the own service, which sends the alerts to the registered phone.
// A save asks the service to switch phone delivery on or off and, when on, replaces the service's
// three wave tables: "/gpycf.asp", "/gpdel1.asp", "/gpadd1.asp" per broadcast stock,
// "/gpdel2.asp", "/gpadd2.asp" per stock, "/gpdel3.asp", "/gpadd3.asp" per reported stock. Every
// request carries "sn=" + the number first; the replies are not read.

#include "net/httpclient.h"
#include "store/watchlist.h"

#include <QString>

#include <functional>
#include <vector>

namespace alerts {

struct ServiceRequest {
    QString path;
    net::FormFields fields;
    bool operator==(const ServiceRequest&) const = default;
};

// What a save sends, in order: 4 + b + n + r requests for n stocks, b broadcast and r reported
// with delivery on, the single switch-off request with it off. Nothing without a registered
// number: the placeholder shown in its stead belongs to someone else.
std::vector<ServiceRequest> remoteSyncRequests(const store::WatchList& watch, const QString& number,
                                               bool remoteAlerts);

// Posts the requests one after another. Throws net::HttpError at the first that fails; those
// before it stay sent. sent runs after each request that went through.
void sendRequests(net::HttpClient& client, const QString& serviceBase,
                  const std::vector<ServiceRequest>& requests,
                  const std::function<void(const ServiceRequest&)>& sent = {});

} // namespace alerts
