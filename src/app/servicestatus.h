#pragma once

// The reply of "/gplogin.asp": after the marker "#000000"> come segments ended by "&2", each
// trimmed: a status character, two separator characters, then an address.
//
//   <body text="#000000">2||http://start.page/&2 8||http://notice.page/&2</body>
//
// Segment 1: startStatus ("2" opens pageUrl at start) and pageUrl (also the download page).
// Segment 2: runStatus ("8" lets this version run) and noticeUrl. Later segments are ignored;
// a value not in the reply stays empty. Empty segments (nothing but blanks between two marks)
// do not count. lantuo-server writes the payload with serviceStatusPayload; the client reads the
// page with parseServiceStatus.

#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

namespace net {
class BrowserOpener;
class HttpClient;
}

namespace app {

class Lifecycle;
class Prompter;
struct Sites;

struct ServiceStatus {
    QString startStatus;
    QString pageUrl;
    QString runStatus;
    QString noticeUrl;
    friend bool operator==(const ServiceStatus&, const ServiceStatus&) = default;
};

ServiceStatus parseServiceStatus(QStringView page);

// The payload of the reply (the service wraps it in its envelope), or nothing when the reader
// would not give the status back unchanged: a status that is not one visible character, an
// address that ends in a blank or holds "&2" or the envelope's marks.
std::optional<QString> serviceStatusPayload(const ServiceStatus& status);

QString upgradeQuestion();
QString faultMessage(const QString& authorQQ);

// What the status check acts on.
struct ServiceStatusDeps {
    net::HttpClient& client;
    const Sites& sites;
    Prompter& prompter;
    net::BrowserOpener& browser;
    Lifecycle& lifecycle;
    std::function<void(const QString&)> showNotice; // navigates the notice browser
};

// Fetches the status and acts on it: the start page, the upgrade question that ends the
// program, or the notice page. When the service cannot be reached: the fault message, the
// fault page, the end of the program and a silent abort.
ServiceStatus getmail(ServiceStatusDeps& deps);

} // namespace app
