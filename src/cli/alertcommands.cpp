#include "cli/alertcommands.h"

#include "alerts/phoneregistration.h"
#include "alerts/settingssave.h"
#include "alerts/watchedits.h"
#include "app/clock.h"
#include "app/sites.h"
#include "cli/clientsettings.h"
#include "cli/commandcontext.h"
#include "cli/jsonout.h"
#include "cli/options.h"
#include "net/httpclient.h"
#include "net/market.h"
#include "net/silentabort.h"

#include <QThread>

#include <functional>

namespace cli {

namespace {

constexpr qint64 tickMsecs = 5000;

int watchedIndex(const store::WatchList& watch, const QString& code)
{
    const int index = alerts::indexOfCode(watch, code);
    if (index < 0)
        refuse(code + QStringLiteral(" is not watched"));
    return index;
}

void addStock(ClientSettings& settings, const QString& code, CommandContext& context)
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

void setStock(ClientSettings& settings, const QString& code, const Options& options)
{
    const alerts::StockSettings changes{options.value("--broadcast"), options.value("--flags"),
                                        options.value("--rise"),      options.value("--trade"),
                                        options.value("--order"),     options.value("--report"),
                                        options.value("--minutes")};
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
    QJsonObject json{{QStringLiteral("at"), momentText(at)}};
    if (const auto* popup = std::get_if<alerts::AlertPopup>(&event)) {
        json.insert(QStringLiteral("type"), QStringLiteral("popup"));
        json.insert(QStringLiteral("kind"), alerts::popupKindName(popup->kind));
        json.insert(QStringLiteral("firstLine"), popup->firstLine);
        json.insert(QStringLiteral("secondLine"), popup->secondLine);
        json.insert(QStringLiteral("direction"), directionName(popup->direction));
        return json;
    }
    const auto& broadcast = std::get<alerts::Broadcast>(event);
    const QJsonArray rows = arrayOf(broadcast.rows, [](const alerts::BroadcastRow& row) {
        return QJsonObject{{QStringLiteral("number"), row.number},
                           {QStringLiteral("nameAndCode"), row.nameAndCode},
                           {QStringLiteral("price"), row.price},
                           {QStringLiteral("change"), row.change},
                           {QStringLiteral("volume"), row.volume}};
    });
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

[[noreturn]] void follow(ClientSettings& settings, const CommandContext& context)
{
    net::HttpClient client(QStringLiteral("IdHTTPgj"));
    for (;;) {
        const QDateTime now = context.clock.now();
        tickOnce(settings.alerts(), context.clock, client, context.sites.quoteSite,
                 [&now](const alerts::AlertEvent& event) { printJsonLine(eventJson(event, now)); });
        for (qint64 waited = 0; waited < tickMsecs; waited += 1000) {
            QThread::msleep(1000);
            settings.alerts().rearm();
        }
    }
}

QJsonObject watch(const Options& options, CommandContext& context)
{
    const QStringList& words = options.positional();
    if (words.isEmpty() && options.noOptions())
        return ClientSettings().json();
    const QString verb = words.value(0);
    if (words.size() == 1)
        throw UsageError("watch " + verb.toStdString() + " needs a stock code");
    const bool setting = verb == QLatin1String("set");
    const bool known = setting || verb == QLatin1String("add") || verb == QLatin1String("remove");
    if (words.size() != 2 || !known || (!setting && !options.noOptions()))
        throw UsageError("watch takes nothing, add CODE, remove CODE or set CODE with options");

    ClientSettings settings;
    const QString& code = words[1];
    if (verb == QLatin1String("add")) {
        addStock(settings, code, context);
    } else if (verb == QLatin1String("remove")) {
        store::WatchList watch = settings.watchList();
        alerts::removeStock(watch, watchedIndex(watch, code));
        settings.save(watch);
    } else {
        setStock(settings, code, options);
    }
    return settings.json();
}

QJsonObject switches(const Options& options, CommandContext&)
{
    options.noPositional("switches");
    ClientSettings settings;
    if (!options.noOptions()) {
        const store::PhoneRecord& phone = settings.alerts().phone();
        const bool local = switchValue(options.value("--local"), phone.localAlerts, "--local");
        const bool remote = switchValue(options.value("--remote"), phone.remoteAlerts, "--remote");
        settings.saveSwitches(local, remote);
    }
    QJsonObject json = settings.json();
    return {{QStringLiteral("localAlerts"), json[QStringLiteral("localAlerts")]},
            {QStringLiteral("remoteAlerts"), json[QStringLiteral("remoteAlerts")]},
            {QStringLiteral("status"), json[QStringLiteral("status")]}};
}

int tickCount(const Options& options)
{
    const std::optional<QString> count = options.value("--ticks");
    if (count && options.flag("--follow"))
        throw UsageError("alerts takes --ticks N or --follow, not both");
    bool ok = true;
    const int ticks = count ? count->toInt(&ok) : 1;
    if (!ok || ticks < 1 || ticks > 100000)
        throw UsageError("--ticks wants a number of ticks from 1 to 100000");
    return ticks;
}

// The alert engine headless: N ticks five seconds apart from the clock's moment, or on the real
// clock until interrupted, one JSON line per event as it is raised.
QJsonObject alertTicks(const Options& options, CommandContext& context)
{
    options.noPositional("alerts");
    const int ticks = tickCount(options);
    ClientSettings settings;
    if (options.flag("--follow"))
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
            failedTicks.append(momentText(now));
        // Timer6 re-arms once a second between two ticks.
        for (qint64 second = 0; second < tickMsecs / 1000; ++second)
            settings.alerts().rearm();
        clock.advance(tickMsecs);
    }
    return {{QStringLiteral("ticks"), ticks},
            {QStringLiteral("events"), events},
            {QStringLiteral("failedTicks"), failedTicks}};
}

// The phone number registered with the service and kept as the number on record.
QJsonObject registerNumber(const Options& options, CommandContext& context)
{
    const QString number = options.onlyPositional("register takes the phone number");
    ClientSettings settings;
    net::HttpClient client(QStringLiteral("IdHTTP1"));
    const alerts::Registration registration = alerts::registerPhone(
        client, context.sites.serviceBase, settings.alerts().database(), number, context.prompter);
    return {{QStringLiteral("number"), number},
            {QStringLiteral("known"), registration.known},
            {QStringLiteral("message"), registration.message}};
}

// What the settings window's save does, with the database as it stands: the tables rewritten,
// the copy on the service and the switches; the requests sent, in order.
QJsonObject saveSettings(const Options& options, CommandContext& context)
{
    options.noPositional("save");
    ClientSettings settings;
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

} // namespace

std::vector<Command> alertCommands()
{
    return {
        {.name = "watch",
         .arguments = "[add CODE | remove CODE | set CODE [--broadcast 0|1] [--flags XXXX] [--rise N] "
                      "[--trade D] [--order D] [--report 0|1] [--minutes M]]",
         .description = "Shows the watch list and both switches, or adds, removes or changes a watched stock.",
         .options = {"--broadcast", "--flags", "--rise", "--trade", "--order", "--report", "--minutes"},
         .run = &watch},
        {.name = "switches",
         .arguments = "[--local 0|1] [--remote 0|1]",
         .description = "Shows or sets the two alert switches: on this machine and by phone.",
         .options = {"--local", "--remote"},
         .run = &switches},
        {.name = "alerts",
         .arguments = "[--ticks N | --follow]",
         .description = "Runs the alert engine: N ticks five seconds apart from the clock's moment, "
                        "or --follow on the real clock, one line per event.",
         .options = {"--ticks"},
         .flags = {"--follow"},
         .run = &alertTicks},
        {.name = "register",
         .arguments = "NUMBER",
         .description = "Registers a phone number with the service and keeps it as the number on record.",
         .run = &registerNumber},
        {.name = "save",
         .arguments = "",
         .description = "The settings window's save as the database stands: the tables, the copy on the "
                        "service and the switches; the requests sent, in order.",
         .run = &saveSettings},
    };
}

} // namespace cli
