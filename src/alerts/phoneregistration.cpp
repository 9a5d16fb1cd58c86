#include "alerts/phoneregistration.h"

#include "app/codeentry.h"
#include "app/prompter.h"
#include "net/httpclient.h"
#include "net/loader.h"
#include "net/pagetext.h"
#include "store/settingsdatabase.h"

namespace alerts {

QString placeholderPhoneNumber()
{
    return QStringLiteral("13900000000");
}

std::optional<QString> phoneNumberRefusal(const QString& number)
{
    if (number.size() == app::phoneNumberLength && app::codeTextAcceptable(number, app::phoneNumberLength))
        return std::nullopt;
    return QStringLiteral("必须输入11位手机号码!");
}

QString serviceFaultMessage()
{
    return QStringLiteral("当前服务器故障，请联系作者!");
}

namespace {

QString registrationMessage(const QString& number, bool known)
{
    if (known)
        return number + QStringLiteral("手机号码已存在");
    return number + QStringLiteral("手机号码保存成功,稍候您将收到 \"岚拓股票\" 字样的飞信邀请");
}

} // namespace

Registration registerPhone(net::HttpClient& client, const QString& serviceBase,
                           store::SettingsDatabase& database, const QString& number,
                           app::Prompter& prompter)
{
    if (const auto refusal = phoneNumberRefusal(number)) {
        prompter.error(*refusal);
        net::abortSilently();
    }
    const bool known = net::runLoader(
        client,
        [&] {
            const QByteArray reply = client.post(serviceBase + QStringLiteral("/gpaddsj.asp"),
                                                 {{QStringLiteral("sn"), number}});
            const bool known = net::decodePage(reply, net::Encoding::Gbk).contains(QStringLiteral("存在"));
            // Stored before the user is told it worked, so a locked database is no success.
            database.savePhoneNumber(number);
            return known;
        },
        [&prompter] { prompter.error(serviceFaultMessage()); });
    Registration registration{known, registrationMessage(number, known)};
    prompter.inform(registration.message);
    return registration;
}

} // namespace alerts
