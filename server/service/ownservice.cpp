#include "service/ownservice.h"

#include "alerts/phonemessages.h"
#include "app/clock.h"
#include "app/servicestatus.h"
#include "community/recommendationlist.h"
#include "info/digestrecord.h"
#include "info/stockpick.h"
#include "market/marketmodel.h"
#include "service/browserpages.h"
#include "service/fieldrules.h"
#include "service/formbody.h"
#include "service/presence.h"
#include "service/servicepage.h"
#include "service/servicestore.h"
#include "video/channellist.h"
#include "web/httphost.h"

#include <QRegularExpression>
#include <QUrlQuery>

#include <variant>

namespace service {

namespace {

constexpr int kPicksListed = 20;
constexpr int kRecommendationsListed = 20;
constexpr int kRecommendationsOnPage = 200;
constexpr int kDigestsOnPage = 50;
constexpr int kMaxNameChars = 16;
constexpr int kMaxReasonChars = 30;

using Outcome = ServiceStore::Outcome;

QString resolve(QString address, const QString& base)
{
    return address.replace(QLatin1String("{base}"), base);
}

QHttpServerResponse storeFailure()
{
    return ServicePage::error(500, QStringLiteral("服务器数据库故障"));
}

// A stored record the client could not read back as stored: a failure, not a changed record.
QHttpServerResponse unwritable()
{
    return ServicePage::error(500, QStringLiteral("服务器数据不能发送"));
}

QHttpServerResponse missing(const QString& key)
{
    return ServicePage::error(400, QStringLiteral("缺少字段 ") + key);
}

QHttpServerResponse invalid(const QString& key)
{
    return ServicePage::error(400, QStringLiteral("字段格式错误 ") + key);
}

QHttpServerResponse unknownPhone()
{
    // Not an error for the client: a save without a registered number still posts its switch.
    return ServicePage::data(QStringLiteral("该手机号码未注册"));
}

// The reply to a write for a registered phone number: the text when it was stored.
QHttpServerResponse phoneWriteReply(Outcome outcome, const QString& doneText)
{
    switch (outcome) {
    case Outcome::Done:
        return ServicePage::data(doneText);
    case Outcome::UnknownPhone:
        return unknownPhone();
    default:
        return storeFailure();
    }
}

// The query value of key, or nothing when the key is absent; "%xx" escapes are decoded.
std::optional<QString> queryValue(const QHttpServerRequest& request, const QString& key)
{
    const QUrlQuery query = request.query();
    if (!query.hasQueryItem(key))
        return std::nullopt;
    return query.queryItemValue(key, QUrl::FullyDecoded);
}

QString phoneOf(const FormBody& form, QHttpServerResponse* refusal)
{
    if (!form.has(QStringLiteral("sn"))) {
        *refusal = missing(QStringLiteral("sn"));
        return {};
    }
    const QString sn = form.value(QStringLiteral("sn"));
    if (!FieldRules::isPhoneNumber(sn)) {
        *refusal = invalid(QStringLiteral("sn"));
        return {};
    }
    return sn;
}

// Checks each named field with its rule; the first that is absent or broken refuses the form.
template <typename Rule>
bool checkFields(const FormBody& form, std::initializer_list<const char*> keys, Rule rule,
                 QHttpServerResponse* refusal)
{
    for (const char* key : keys) {
        const QString name = QString::fromLatin1(key);
        if (!form.has(name)) {
            *refusal = missing(name);
            return false;
        }
        if (!rule(form.value(name))) {
            *refusal = invalid(name);
            return false;
        }
    }
    return true;
}

bool isListedCode(const QString& code)
{
    return FieldRules::isStockCode(code)
        && (code.startsWith(QLatin1Char('6')) || code.startsWith(QLatin1Char('0'))
            || code.startsWith(QLatin1Char('3')));
}

using FormHandler = std::function<QHttpServerResponse(const FormBody&, const QHttpServerRequest&)>;

web::HttpHost::Handler formHandler(FormHandler handler)
{
    return [handler = std::move(handler)](const QHttpServerRequest& request) {
        auto parsed = FormBody::parse(request.body(), request.value("Content-Type"));
        if (const auto* error = std::get_if<FormBody::Error>(&parsed))
            return ServicePage::error(error->status, error->message);
        return handler(std::get<FormBody>(parsed), request);
    };
}

} // namespace

OwnService::OwnService(ServiceStore& store, Presence& presence, const market::MarketModel& market,
                       const app::Clock& clock, QString ownBase)
    : m_store(store), m_presence(presence), m_market(market), m_clock(clock),
      m_ownBase(std::move(ownBase))
{
}

QString OwnService::baseFor(const QHttpServerRequest& request) const
{
    static const QRegularExpression plainHost(
        QStringLiteral("^([A-Za-z0-9.-]{1,253}|\\[[0-9A-Fa-f:.]{2,45}\\])(:[0-9]{1,5})?$"));
    const QString host = QString::fromLatin1(request.value("Host"));
    if (plainHost.match(host).hasMatch())
        return QStringLiteral("http://") + host;
    return m_ownBase;
}

void OwnService::observe(const QHttpServerRequest& request)
{
    QString id;
    if (request.url().path() == QLatin1String("/gpsfjgshow.asp")) {
        const auto userid = queryValue(request, QStringLiteral("userid"));
        if (userid && FieldRules::isInstallationId(*userid))
            id = *userid;
    }
    m_presence.seen(web::HttpHost::clientAddress(request), id, m_clock.now());
}

void OwnService::registerOn(web::HttpHost& host)
{
    host.get(QStringLiteral("/gplogin.asp"), [this](const auto& r) { return login(r); });
    host.get(QStringLiteral("/gpgetstock.asp"), [this](const auto& r) { return stockPage(r); });
    host.get(QStringLiteral("/gpcgad.html"), [this](const QHttpServerRequest& r) {
        return ServicePage::html(QStringLiteral("岚拓股票"), BrowserPages::advertisementStrip(baseFor(r)));
    });
    host.get(QStringLiteral("/gpall.asp"), [this](const auto&) { return startCount(); });
    host.get(QStringLiteral("/gpreadall.asp"), [this](const auto&) { return onlineCount(); });
    host.get(QStringLiteral("/gpgetnews.asp"), [this](const auto&) { return latestDigest(); });
    host.get(QStringLiteral("/nwes.asp"), [this](const auto&) { return digestPage(); });
    host.get(QStringLiteral("/gpsfjgshow.asp"), [this](const auto& r) { return selectedStocks(r); });
    host.get(QStringLiteral("/gp1gettvdata.asp"), [this](const auto& r) { return channelList(r); });
    host.post(QStringLiteral("/gpaddsj.asp"),
              formHandler([this](const FormBody& f, const auto&) { return registerPhone(f); }));
    host.post(QStringLiteral("/gpycf.asp"),
              formHandler([this](const FormBody& f, const auto&) { return remoteSwitch(f); }));
    for (int wave = 1; wave <= 3; ++wave) {
        host.post(QStringLiteral("/gpdel%1.asp").arg(wave), formHandler([this, wave](const FormBody& f, const auto&) {
                      return clearWave(f, wave);
                  }));
        host.post(QStringLiteral("/gpadd%1.asp").arg(wave), formHandler([this, wave](const FormBody& f, const auto&) {
                      return addWatchStock(f, wave);
                  }));
    }
    host.get(QStringLiteral("/gpjgshow.asp"), [this](const auto&) { return recommendationList(); });
    host.post(QStringLiteral("/gpjg.asp"), formHandler([this](const FormBody& f, const auto& r) {
                  return recommend(f, r);
              }));
    host.get(QStringLiteral("/jg.asp"), [this](const auto&) { return recommendationPage(); });
    host.get(QStringLiteral("/notice.html"), [this](const auto&) {
        return ServicePage::html(QStringLiteral("公告"), BrowserPages::noticePage(m_store.notice()));
    });
    host.get(QStringLiteral("/fault.html"), [](const auto&) {
        return ServicePage::html(QStringLiteral("服务状态"), BrowserPages::faultPage());
    });
    host.get(QStringLiteral("/author.html"), [](const auto&) {
        return ServicePage::html(QStringLiteral("联系作者"), BrowserPages::authorPage());
    });
    host.get(QStringLiteral("/download.html"), [](const auto&) {
        return ServicePage::html(QStringLiteral("下载"), BrowserPages::downloadPage());
    });
}

QHttpServerResponse OwnService::login(const QHttpServerRequest& request)
{
    app::ServiceStatus status = m_store.status();
    const QString base = baseFor(request);
    status.pageUrl = resolve(status.pageUrl, base);
    status.noticeUrl = resolve(status.noticeUrl, base);
    const auto payload = app::serviceStatusPayload(status);
    return payload ? ServicePage::data(*payload) : unwritable();
}

QHttpServerResponse OwnService::stockPage(const QHttpServerRequest& request)
{
    const auto code = queryValue(request, QStringLiteral("name"));
    if (!code)
        return ServicePage::error(400, QStringLiteral("缺少参数 name"));
    if (!FieldRules::isStockCode(*code))
        return ServicePage::error(400, QStringLiteral("股票代码应为六位数字"));
    const QDateTime now = m_clock.now();
    const auto quote = m_market.quoteAt(*code, now);
    if (!quote) {
        return ServicePage::html(QStringLiteral("股票"),
                                 QStringLiteral("<p>没有找到股票 %1</p>").arg(*code), 404);
    }
    QString body = BrowserPages::stockPage(*quote, m_market.intradayAt(*code, now, 60));
    if (quote->trading)
        body.prepend(QStringLiteral("<meta http-equiv=\"refresh\" content=\"60\">"));
    return ServicePage::html(quote->stock->name, body);
}

QHttpServerResponse OwnService::startCount()
{
    const qint64 starts = m_store.countStart();
    if (starts < 0)
        return storeFailure();
    return ServicePage::data(QString::number(starts));
}

QHttpServerResponse OwnService::onlineCount()
{
    return ServicePage::data(QString::number(m_presence.onlineCount(m_clock.now())));
}

QHttpServerResponse OwnService::latestDigest()
{
    const auto digest = m_store.latestDigest();
    if (!digest)
        return ServicePage::data(QString());
    const auto payload = info::digestPayload(*digest);
    return payload ? ServicePage::data(*payload) : unwritable();
}

QHttpServerResponse OwnService::digestPage()
{
    return ServicePage::html(QStringLiteral("今日信息汇总"),
                             BrowserPages::digestPage(m_store.digests(kDigestsOnPage)));
}

QHttpServerResponse OwnService::selectedStocks(const QHttpServerRequest& request)
{
    const auto userid = queryValue(request, QStringLiteral("userid"));
    if (!userid)
        return ServicePage::error(400, QStringLiteral("缺少参数 userid"));
    if (!FieldRules::isInstallationId(*userid))
        return ServicePage::error(400, QStringLiteral("userid 应为数字"));
    return ServicePage::data(info::stockPicksPayload(m_store.latestPicks(kPicksListed)));
}

QHttpServerResponse OwnService::channelList(const QHttpServerRequest& request)
{
    const QString base = baseFor(request);
    std::vector<video::ChannelRecord> sent;
    for (video::ChannelRecord channel : m_store.channels()) {
        channel.address = resolve(channel.address, base);
        // Only plain http(s) addresses are played; a record the client could not read back
        // would arrive changed.
        const bool playable = channel.address.isEmpty() || FieldRules::isSafeAddress(channel.address);
        if (playable && video::fitsChannelList(channel))
            sent.push_back(std::move(channel));
        else
            qWarning("lantuo-server: channel %s left out of the list", qPrintable(channel.caption));
    }
    return ServicePage::data(video::channelListPayload(sent));
}

QHttpServerResponse OwnService::registerPhone(const FormBody& form)
{
    QHttpServerResponse refusal(QHttpServerResponse::StatusCode::BadRequest);
    const QString sn = phoneOf(form, &refusal);
    if (sn.isEmpty())
        return refusal;
    const alerts::PhoneMessage invitation = alerts::invitationMessage(sn);
    switch (m_store.registerPhone(sn, m_clock.now(),
                                  OutboxMessage{sn, invitation.stock, invitation.kind, invitation.text})) {
    case Outcome::Done:
        if (m_listener.outboxFilled)
            m_listener.outboxFilled();
        return ServicePage::data(QStringLiteral("手机号码保存成功"));
    case Outcome::Known:
        return ServicePage::data(QStringLiteral("该手机号码已存在"));
    default:
        return storeFailure();
    }
}

void OwnService::copyWritten(const QString& sn, ServiceStore::Outcome outcome)
{
    if (outcome == Outcome::Done && m_listener.copyChanged)
        m_listener.copyChanged(sn);
}

QHttpServerResponse OwnService::remoteSwitch(const FormBody& form)
{
    QHttpServerResponse refusal(QHttpServerResponse::StatusCode::BadRequest);
    const QString sn = phoneOf(form, &refusal);
    if (sn.isEmpty())
        return refusal;
    if (!form.has(QStringLiteral("ycf")))
        return missing(QStringLiteral("ycf"));
    const QString ycf = form.value(QStringLiteral("ycf"));
    if (ycf != QLatin1String("0") && ycf != QLatin1String("1"))
        return invalid(QStringLiteral("ycf"));
    const Outcome outcome = m_store.setRemote(sn, ycf == QLatin1String("1"));
    copyWritten(sn, outcome);
    return phoneWriteReply(outcome,
                           ycf == QLatin1String("1") ? QStringLiteral("已开启手机提示")
                                                     : QStringLiteral("已关闭手机提示"));
}

QHttpServerResponse OwnService::clearWave(const FormBody& form, int wave)
{
    QHttpServerResponse refusal(QHttpServerResponse::StatusCode::BadRequest);
    const QString sn = phoneOf(form, &refusal);
    if (sn.isEmpty())
        return refusal;
    const Outcome outcome = m_store.clearWave(sn, wave);
    copyWritten(sn, outcome);
    return phoneWriteReply(outcome, QStringLiteral("已清除"));
}

QHttpServerResponse OwnService::addWatchStock(const FormBody& form, int wave)
{
    QHttpServerResponse refusal(QHttpServerResponse::StatusCode::BadRequest);
    const QString sn = phoneOf(form, &refusal);
    if (sn.isEmpty())
        return refusal;
    const auto isName = [](const QString& v) { return FieldRules::isSafeText(v, kMaxNameChars); };
    // Any six-digit code: the client's lookup accepts every code its quote feed knows (900901
    // too), and a code the service's quotes do not know fails that phone's tick alone.
    if (!checkFields(form, {"gpdm"}, FieldRules::isStockCode, &refusal)
        || !checkFields(form, {"gpmc"}, isName, &refusal))
        return refusal;
    WatchStock stock;
    stock.code = form.value(QStringLiteral("gpdm"));
    stock.name = form.value(QStringLiteral("gpmc"));
    if (wave == 2) {
        if (!checkFields(form, {"zh"}, FieldRules::isFlags, &refusal)
            || !checkFields(form, {"ddcj", "ddmm", "zdf"}, FieldRules::isSmallNumber, &refusal))
            return refusal;
        stock.flags = form.value(QStringLiteral("zh"));
        stock.bigTrade = form.value(QStringLiteral("ddcj"));
        stock.bigOrder = form.value(QStringLiteral("ddmm"));
        stock.riseFall = form.value(QStringLiteral("zdf"));
    } else if (wave == 3) {
        if (!checkFields(form, {"sjjg"}, FieldRules::isSmallNumber, &refusal))
            return refusal;
        stock.minutes = form.value(QStringLiteral("sjjg"));
    }
    const Outcome outcome = m_store.addWatchStock(sn, wave, stock);
    copyWritten(sn, outcome);
    if (outcome == Outcome::Full)
        return ServicePage::error(409, QStringLiteral("该号码的股票数量已达上限"));
    return phoneWriteReply(outcome, QStringLiteral("已保存"));
}

QHttpServerResponse OwnService::recommendationList()
{
    std::vector<community::RecommendationRecord> records;
    for (const Recommendation& r : m_store.latestRecommendations(kRecommendationsListed))
        records.push_back({r.ip, r.name + QLatin1Char('(') + r.code + QLatin1Char(')'), r.reason, r.postedAt});
    return ServicePage::data(community::recommendationsPayload(records));
}

QHttpServerResponse OwnService::recommend(const FormBody& form, const QHttpServerRequest& request)
{
    QHttpServerResponse refusal(QHttpServerResponse::StatusCode::BadRequest);
    const auto isName = [](const QString& v) { return FieldRules::isSafeText(v, kMaxNameChars); };
    const auto isReason = [](const QString& v) { return FieldRules::isSafeText(v, kMaxReasonChars); };
    if (!checkFields(form, {"gpdm"}, isListedCode, &refusal)
        || !checkFields(form, {"gpmc"}, isName, &refusal)
        || !checkFields(form, {"tjly"}, isReason, &refusal))
        return refusal;
    const QString code = form.value(QStringLiteral("gpdm"));
    // The market's own name wins over whatever the post says, when the market knows the code.
    const auto quote = m_market.quoteAt(code, m_clock.now());
    const QString name = quote ? quote->stock->name : form.value(QStringLiteral("gpmc"));
    const QDateTime now = m_clock.now();
    const Recommendation recommendation{web::HttpHost::clientAddress(request), code, name,
                                        form.value(QStringLiteral("tjly")),
                                        now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))};
    switch (m_store.addRecommendation(recommendation, now.date())) {
    case Outcome::Done:
        return ServicePage::data(QStringLiteral("荐股成功"));
    case Outcome::LimitReached:
        return ServicePage::data(QStringLiteral("今日荐股次数超过2次"));
    default:
        return storeFailure();
    }
}

QHttpServerResponse OwnService::recommendationPage()
{
    return ServicePage::html(QStringLiteral("网友荐股"),
                             BrowserPages::recommendationPage(
                                 m_store.latestRecommendations(kRecommendationsOnPage)));
}

} // namespace service
