#include "app/servicestatus.h"

#include "app/lifecycle.h"
#include "app/prompter.h"
#include "app/sites.h"
#include "net/browseropener.h"
#include "net/loader.h"
#include "net/pagetext.h"
#include "net/serviceenvelope.h"

namespace app {

namespace {

// Only the tail of the envelope marker is looked for here, as the status reader always did.
constexpr QStringView statusMarker = u"\"#000000\">";
constexpr QStringView segmentMark = u"&2";

// One segment: the status character, two separator characters (the reader skips any two), the
// address, the mark.
QString segment(const QString& status, const QString& address)
{
    return status + QLatin1String("||") + address + segmentMark.toString();
}

} // namespace

ServiceStatus parseServiceStatus(QStringView page)
{
    const QStringList segments = net::envelopeSegments(page, segmentMark, statusMarker);
    ServiceStatus status;
    if (segments.size() >= 1) {
        status.startStatus = segments[0].left(1);
        status.pageUrl = segments[0].mid(3);
    }
    if (segments.size() >= 2) {
        status.runStatus = segments[1].left(1);
        status.noticeUrl = segments[1].mid(3);
    }
    return status;
}

std::optional<QString> serviceStatusPayload(const ServiceStatus& status)
{
    const QString payload =
        segment(status.startStatus, status.pageUrl) + segment(status.runStatus, status.noticeUrl);
    // Checked by reading it back: the one test that cannot drift from the reader.
    if (parseServiceStatus(statusMarker.toString() + payload) != status)
        return std::nullopt;
    return payload;
}

QString upgradeQuestion()
{
    return QStringLiteral("系统需要升级，按\"确定\"进入网站下载");
}

QString faultMessage(const QString& authorQQ)
{
    return QStringLiteral("当前有故障，按”确定“进入作者的空间查看原因！有疑问请联系作者QQ:")
           + authorQQ;
}

ServiceStatus getmail(ServiceStatusDeps& deps)
{
    const ServiceStatus status = net::runLoader(
        deps.client,
        [&] {
            return parseServiceStatus(
                net::fetchText(deps.client, deps.sites.serviceBase + QStringLiteral("/gplogin.asp")));
        },
        [&] {
            deps.prompter.inform(faultMessage(deps.sites.authorQQ));
            net::openInBrowser(deps.browser, deps.sites.faultPage);
            deps.lifecycle.requestExit();
        });

    if (status.startStatus == QLatin1String("2"))
        net::openInBrowser(deps.browser, status.pageUrl);
    if (status.runStatus.trimmed() != QLatin1String("8")) {
        if (deps.prompter.ask(upgradeQuestion()))
            net::openInBrowser(deps.browser, status.pageUrl);
        // The rest of the start-up still runs; the program stops once the message loop starts.
        deps.lifecycle.requestExit();
    } else if (deps.showNotice && net::isOpenableAddress(status.noticeUrl)) {
        deps.showNotice(status.noticeUrl);
    }
    return status;
}

} // namespace app
