#include "cli/watchcommands.h"

#include "alerts/localalerts.h"
#include "alerts/phoneregistration.h"
#include "alerts/settingssave.h"
#include "alerts/watchedits.h"
#include "app/clock.h"
#include "app/sites.h"
#include "app/systemdir.h"
#include "cli/commandcontext.h"
#include "cli/commands.h"
#include "net/httpclient.h"
#include "net/market.h"
#include "net/silentabort.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QThread>

#include <cstdio>
#include <functional>
#include <map>

namespace cli {

namespace {

constexpr qint64 tickMsecs = 5000;

// Options of the form --name value, each at most once, from a fixed set.
std::map<QString, QString> optionsOf(const QStringList& arguments, const QStringList& known)
{
    std::map<QString, QString> options;
    for (qsizetype i = 0; i < arguments.size(); i += 2) {
        const QString& name = arguments[i];
        if (!known.contains(name) || options.count(name))
            throw UsageError("unknown or repeated option " + name.toStdString());
        if (i + 1 >= arguments.size())
            throw UsageError(name.toStdString() + " needs a value");
        options[name] = arguments[i + 1];
    }
    return options;
}

std::optional<QString> option(const std::map<QString, QString>& options, const char* name)
{
    const auto found = options.find(QString::fromLatin1(name));
    return found == options.end() ? std::nullopt : std::optional(found->second);
}

[[noreturn]] void refuse(const QString& message)
{
    throw LoaderFailure{message};
}

// The client's own database, open and loaded as its first show loads it.
class Settings final {
public:
    Settings() : m_alerts(app::systemDir())
    {
        try {
            m_alerts.createbase();
            m_alerts.sendbase();
        } catch (const store::SettingsError& e) {
            refuse(QStringLiteral("the settings database cannot be read: ") + QString::fromUtf8(e.what()));
        }
    }

    alerts::LocalAlerts& alerts() { return m_alerts; }
    store::WatchList watchList() const { return m_alerts.watchList(); }

    void save(const store::WatchList& watch)
    {
        guarded([&] { m_alerts.database().saveWatchList(watch); });
    }

    void saveSwitches(bool local, bool remote)
    {
        guarded([&] { m_alerts.database().saveSwitches(local, remote); });
    }

    QJsonObject json()
    {
        const store::WatchList& w = m_alerts.watchList();
        const store::PhoneRecord& phone = m_alerts.phone();
        return {{QStringLiteral("watchBroadcast"), QJsonArray::fromStringList(w.watchBroadcast)},
                {QStringLiteral("watchCodes"), QJsonArray::fromStringList(w.watchCodes)},
                {QStringLiteral("watchNames"), QJsonArray::fromStringList(w.watchNames)},
                {QStringLiteral("watchFlags"), QJsonArray::fromStringList(w.watchFlags)},
                {QStringLiteral("watchBigTrade"), QJsonArray::fromStringList(w.watchBigTrade)},
                {QStringLiteral("watchBigOrder"), QJsonArray::fromStringList(w.watchBigOrder)},
                {QStringLiteral("watchRiseFall"), QJsonArray::fromStringList(w.watchRiseFall)},
                {QStringLiteral("watchReportMinutes"), QJsonArray::fromStringList(w.watchReportMinutes)},
                {QStringLiteral("watchReport"), QJsonArray::fromStringList(w.watchReport)},
                {QStringLiteral("phoneNumber"), phone.number},
                {QStringLiteral("localAlerts"), phone.localAlerts},
                {QStringLiteral("remoteAlerts"), phone.remoteAlerts},
                {QStringLiteral("status"), store::alertStatusText(phone.localAlerts, phone.remoteAlerts)}};
    }

private:
    // What was saved is read back, so the answer shows the database as it now stands.
    void guarded(const std::function<void()>& write)
    {
        try {
            write();
            m_alerts.sendbase();
        } catch (const store::SettingsError& e) {
            refuse(QStringLiteral("the settings were not saved: ") + QString::fromUtf8(e.what()));
        }
    }

    alerts::LocalAlerts m_alerts;
};

int watchedIndex(const store::WatchList& watch, const QString& code)
{
    const int index = alerts::indexOfCode(watch, code);
    if (index < 0)
        refuse(code + QStringLiteral(" is not watched"));
    return index;
}

void addStock(Settings& settings, const QString& code, CommandContext& context)
{
    store::WatchList watch = settings.watchList();
    if (!net::isStockCode(code))
        refuse(alerts::codeLengthMessage());
    if (alerts::indexOfCode(watch, code) >= 0)
        refuse(alerts::alreadyWatchedMessage());
    net::HttpClient client(QStringLiteral("IdHTTP1"));
    const QString name = alerts::lookupWatchName(client, context.sites.quoteSite, code, context.prompter);
    if (name.isEmpty())
        refuse(alerts::unknownCodeMessage());
    alerts::appendStock(watch, code, name);
    settings.save(watch);
}

void setStock(Settings& settings, const QString& code, const QStringList& rest)
{
    const auto options = optionsOf(rest, {"--broadcast", "--flags", "--rise", "--trade", "--order",
                                          "--report", "--minutes"});
    const alerts::StockSettings changes{option(options, "--broadcast"), option(options, "--flags"),
                                        option(options, "--rise"),      option(options, "--trade"),
                                        option(options, "--order"),     option(options, "--report"),
                                        option(options, "--minutes")};
    if (const std::optional<QString> refusal = alerts::settingsRefusal(changes))
        refuse(*refusal);
    store::WatchList watch = settings.watchList();
    alerts::applySettings(watch, watchedIndex(watch, code), changes);
    settings.save(watch);
}

bool switchValue(const std::optional<QString>& value, bool current, const char* name)
{
    if (!value)
        return current;
    if (*value != QLatin1String("0") && *value != QLatin1String("1"))
        refuse(QString::fromLatin1(name) + QStringLiteral(" is 0 or 1, not ") + *value);
    return *value == QLatin1String("1");
}

QJsonObject eventJson(const alerts::AlertEvent& event, const QDateTime& at)
{
    QJsonObject json{{QStringLiteral("at"), at.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))}};
    if (const auto* popup = std::get_if<alerts::AlertPopup>(&event)) {
        json.insert(QStringLiteral("type"), QStringLiteral("popup"));
        json.insert(QStringLiteral("kind"), alerts::popupKindName(popup->kind));
        json.insert(QStringLiteral("firstLine"), popup->firstLine);
        json.insert(QStringLiteral("secondLine"), popup->secondLine);
        json.insert(QStringLiteral("direction"), directionName(popup->direction == quotes::Direction::Up));
        return json;
    }
    const auto& broadcast = std::get<alerts::Broadcast>(event);
    QJsonArray rows;
    for (const alerts::BroadcastRow& row : broadcast.rows)
        rows.append(QJsonObject{{QStringLiteral("number"), row.number},
                                {QStringLiteral("nameAndCode"), row.nameAndCode},
                                {QStringLiteral("price"), row.price},
                                {QStringLiteral("change"), row.change},
                                {QStringLiteral("volume"), row.volume}});
    json.insert(QStringLiteral("type"), QStringLiteral("broadcast"));
    json.insert(QStringLiteral("title"), broadcast.title);
    json.insert(QStringLiteral("priceCaption"), broadcast.priceCaption);
    json.insert(QStringLiteral("rows"), rows);
    return json;
}

// One tick; a failed one ends quietly, as in the client. True when it ran to its end.
bool tickOnce(alerts::LocalAlerts& engine, const app::Clock& clock, net::HttpClient& client,
              const QString& quoteSite, const std::function<void(const alerts::AlertEvent&)>& raise)
{
    try {
        engine.tick(clock, client, quoteSite, {{}, raise});
        return true;
    } catch (const net::SilentAbort&) {
        return false;
    }
}

void printLine(const QJsonObject& json)
{
    const QByteArray line = QJsonDocument(json).toJson(QJsonDocument::Compact) + '\n';
    std::fwrite(line.constData(), 1, std::size_t(line.size()), stdout);
    std::fflush(stdout);
}

[[noreturn]] void follow(Settings& settings, const CommandContext& context)
{
    net::HttpClient client(QStringLiteral("IdHTTPgj"));
    for (;;) {
        const QDateTime now = context.clock.now();
        tickOnce(settings.alerts(), context.clock, client, context.sites.quoteSite,
                 [&now](const alerts::AlertEvent& event) { printLine(eventJson(event, now)); });
        for (qint64 waited = 0; waited < tickMsecs; waited += 1000) {
            QThread::msleep(1000);
            settings.alerts().rearm();
        }
    }
}

} // namespace

QJsonObject watch(const QStringList& arguments, CommandContext& context)
{
    const QString verb = arguments.value(0);
    if (!arguments.isEmpty() && arguments.size() < 2)
        throw UsageError("watch " + verb.toStdString() + " needs a stock code");
    Settings settings;
    const QString code = arguments.value(1);
    if (verb.isEmpty())
        return settings.json();
    if (verb == QLatin1String("add") && arguments.size() == 2) {
        addStock(settings, code, context);
    } else if (verb == QLatin1String("remove") && arguments.size() == 2) {
        store::WatchList watch = settings.watchList();
        alerts::removeStock(watch, watchedIndex(watch, code));
        settings.save(watch);
    } else if (verb == QLatin1String("set")) {
        setStock(settings, code, arguments.mid(2));
    } else {
        throw UsageError("watch takes nothing, add CODE, remove CODE or set CODE with options");
    }
    return settings.json();
}

QJsonObject switches(const QStringList& arguments, CommandContext&)
{
    const auto options = optionsOf(arguments, {"--local", "--remote"});
    Settings settings;
    if (!options.empty()) {
        const store::PhoneRecord& phone = settings.alerts().phone();
        const bool local = switchValue(option(options, "--local"), phone.localAlerts, "--local");
        const bool remote = switchValue(option(options, "--remote"), phone.remoteAlerts, "--remote");
        settings.saveSwitches(local, remote);
    }
    QJsonObject json = settings.json();
    return {{QStringLiteral("localAlerts"), json[QStringLiteral("localAlerts")]},
            {QStringLiteral("remoteAlerts"), json[QStringLiteral("remoteAlerts")]},
            {QStringLiteral("status"), json[QStringLiteral("status")]}};
}

QJsonObject alertTicks(const QStringList& arguments, CommandContext& context)
{
    const bool following = arguments == QStringList{QStringLiteral("--follow")};
    int ticks = 1;
    if (!following) {
        const auto options = optionsOf(arguments, {"--ticks"});
        bool ok = true;
        if (const std::optional<QString> count = option(options, "--ticks"))
            ticks = count->toInt(&ok);
        if (!ok || ticks < 1 || ticks > 100000)
            throw UsageError("--ticks wants a number of ticks from 1 to 100000");
    }
    Settings settings;
    if (following)
        follow(settings, context);

    net::HttpClient client(QStringLiteral("IdHTTPgj"));
    app::Clock clock;
    clock.freezeAt(context.clock.now());
    QJsonArray events;
    QJsonArray failedTicks;
    for (int tick = 0; tick < ticks; ++tick) {
        const QDateTime now = clock.now();
        if (!tickOnce(settings.alerts(), clock, client, context.sites.quoteSite,
                      [&](const alerts::AlertEvent& event) { events.append(eventJson(event, now)); }))
            failedTicks.append(now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        // Timer6 re-arms once a second between two ticks.
        for (qint64 second = 0; second < tickMsecs / 1000; ++second)
            settings.alerts().rearm();
        clock.advance(tickMsecs);
    }
    return {{QStringLiteral("ticks"), ticks},
            {QStringLiteral("events"), events},
            {QStringLiteral("failedTicks"), failedTicks}};
}

QJsonObject registerNumber(const QStringList& arguments, CommandContext& context)
{
    if (arguments.size() != 1)
        throw UsageError("register takes the phone number");
    Settings settings;
    net::HttpClient client(QStringLiteral("IdHTTP1"));
    const alerts::Registration registration = alerts::registerPhone(
        client, context.sites.serviceBase, settings.alerts().database(), arguments[0], context.prompter);
    return {{QStringLiteral("number"), arguments[0]},
            {QStringLiteral("known"), registration.known},
            {QStringLiteral("message"), registration.message}};
}

QJsonObject saveSettings(const QStringList& arguments, CommandContext& context)
{
    if (!arguments.isEmpty())
        throw UsageError("save takes no arguments");
    Settings settings;
    const store::PhoneRecord& phone = settings.alerts().phone();
    const alerts::EditedSettings edited{settings.watchList(), phone.localAlerts, phone.remoteAlerts,
                                        phone.number};
    QJsonArray sent;
    net::HttpClient client(QStringLiteral("IdHTTP1"));
    const QString status = alerts::saveAlertSettings(
        settings.alerts(), edited, client, context.sites.serviceBase, context.prompter,
        [&sent](const alerts::ServiceRequest& request) {
            QJsonArray fields;
            for (const auto& [key, value] : request.fields)
                fields.append(key + u'=' + value);
            sent.append(QJsonObject{{QStringLiteral("path"), request.path},
                                    {QStringLiteral("fields"), fields}});
        });
    return {{QStringLiteral("requests"), sent},
            {QStringLiteral("status"), status},
            {QStringLiteral("message"), alerts::savedMessage()}};
}

} // namespace cli
