#include "alerts/remotesync.h"

namespace alerts {

namespace {

using Field = std::pair<QString, QString>;

Field field(const char* key, const QString& value)
{
    return {QString::fromLatin1(key), value};
}

class RequestList final {
public:
    explicit RequestList(const QString& number) : m_number(number) {}

    void add(const char* path, net::FormFields rest = {})
    {
        rest.insert(rest.begin(), field("sn", m_number));
        m_requests.push_back({QString::fromLatin1(path), std::move(rest)});
    }

    std::vector<ServiceRequest> take() { return std::move(m_requests); }

private:
    QString m_number;
    std::vector<ServiceRequest> m_requests;
};

bool isOn(const QStringList& list, int i)
{
    return list.value(i) == QLatin1String("1");
}

} // namespace

std::vector<ServiceRequest> remoteSyncRequests(const store::WatchList& w, const QString& number,
                                               bool remoteAlerts)
{
    if (number.isEmpty())
        return {};
    RequestList requests(number);
    requests.add("/gpycf.asp", {field("ycf", remoteAlerts ? QStringLiteral("1") : QStringLiteral("0"))});
    if (!remoteAlerts)
        return requests.take();
    const int count = w.completeCount();
    requests.add("/gpdel1.asp");
    for (int i = 0; i < count; ++i)
        if (isOn(w.watchBroadcast, i))
            requests.add("/gpadd1.asp", {field("gpmc", w.watchNames[i]), field("gpdm", w.watchCodes[i])});
    requests.add("/gpdel2.asp");
    for (int i = 0; i < count; ++i)
        requests.add("/gpadd2.asp",
                     {field("zh", w.watchFlags[i]), field("ddcj", w.watchBigTrade[i]),
                      field("ddmm", w.watchBigOrder[i]), field("zdf", w.watchRiseFall[i]),
                      field("gpmc", w.watchNames[i]), field("gpdm", w.watchCodes[i])});
    requests.add("/gpdel3.asp");
    for (int i = 0; i < count; ++i)
        if (isOn(w.watchReport, i))
            requests.add("/gpadd3.asp", {field("sjjg", w.watchReportMinutes[i]),
                                         field("gpdm", w.watchCodes[i]), field("gpmc", w.watchNames[i])});
    return requests.take();
}

void sendRequests(net::HttpClient& client, const QString& serviceBase,
                  const std::vector<ServiceRequest>& requests,
                  const std::function<void(const ServiceRequest&)>& sent)
{
    for (const ServiceRequest& request : requests) {
        client.post(serviceBase + request.path, request.fields);
        if (sent)
            sent(request);
    }
}

} // namespace alerts
