#pragma once

#include <QString>

#include <optional>

namespace app {
class Prompter;
}

namespace net {
class HttpClient;
}

namespace store {
class SettingsDatabase;
}

namespace alerts {

// Shown in the settings window while no number is on record.
QString placeholderPhoneNumber();

// "必须输入11位手机号码!" unless the text is eleven digits.
std::optional<QString> phoneNumberRefusal(const QString& number);

// The box that ends a failed registration or save: "当前服务器故障，请联系作者!".
QString serviceFaultMessage();

struct Registration {
    bool known = false; // the service already had the number
    QString message;    // what the user is told
};

// Registers the number with the service ("/gpaddsj.asp") and keeps it as the number on record.
// A refused number shows its message and ends with a silent abort before any request; a failed
// post or a database that cannot store the number shows serviceFaultMessage() and ends with a
// silent abort, the number stored nowhere locally.
Registration registerPhone(net::HttpClient& client, const QString& serviceBase,
                           store::SettingsDatabase& database, const QString& number,
                           app::Prompter& prompter);

} // namespace alerts
