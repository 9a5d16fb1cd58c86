#include "service/admincommand.h"

#include "app/clock.h"
#include "app/servicestatus.h"
#include "info/digestrecord.h"
#include "info/stockpick.h"
#include "market/stockcatalog.h"
#include "service/defaultcontent.h"
#include "service/fieldrules.h"
#include "service/gbk.h"
#include "service/servicestore.h"
#include "video/channellist.h"

#include <QCommandLineParser>
#include <QFile>

#include <functional>
#include <map>

namespace service {

namespace {

constexpr int kUsageError = 2;
constexpr int kFailure = 1;

struct Context {
    QCommandLineParser& parser;
    ServiceStore& store;
    const app::Clock& clock;
    FILE* out;
    FILE* err;
};

void print(FILE* stream, const QString& text)
{
    std::fputs(qPrintable(text + QLatin1Char('\n')), stream);
}

int refuse(const Context& c, const QString& message)
{
    print(c.err, QStringLiteral("lantuo-server admin: ") + message);
    return kUsageError;
}

int stored(const Context& c, bool ok, const QString& what)
{
    if (!ok) {
        print(c.err, QStringLiteral("lantuo-server admin: cannot store the %1: %2")
                         .arg(what, c.store.errorText()));
        return kFailure;
    }
    print(c.out, QStringLiteral("%1 stored").arg(what));
    return 0;
}

// Texts shown by the client must be writable in GBK and free of the reply marks.
bool isPublishable(const QString& text, int maxChars)
{
    return FieldRules::isSafeText(text, maxChars) && Gbk::encode(text).has_value();
}

// "{base}" as a typical service address, for the checks made before the real one is known.
QString withTypicalBase(QString address)
{
    return address.replace(QLatin1String("{base}"), QLatin1String("http://127.0.0.1:8856"));
}

bool isPublishableAddress(const QString& address)
{
    return FieldRules::isSafeAddress(withTypicalBase(address));
}

// The client reads back exactly what is stored: no blank at a trimmed end, no mark.
int unreadable(const Context& c, const QString& what)
{
    return refuse(c, QStringLiteral("the %1 would not reach the client as given").arg(what));
}

bool isStatusCharacter(const QString& text)
{
    return text.size() == 1 && text[0].unicode() > 0x20 && text[0].unicode() < 0x7F
        && text != QLatin1String("&");
}

int status(const Context& c)
{
    app::ServiceStatus s = c.store.status();
    const auto& p = c.parser;
    if (p.isSet(QStringLiteral("start")))
        s.startStatus = p.value(QStringLiteral("start"));
    if (p.isSet(QStringLiteral("run")))
        s.runStatus = p.value(QStringLiteral("run"));
    if (p.isSet(QStringLiteral("page")))
        s.pageUrl = p.value(QStringLiteral("page"));
    if (p.isSet(QStringLiteral("notice-url")))
        s.noticeUrl = p.value(QStringLiteral("notice-url"));
    const bool changed = p.isSet(QStringLiteral("start")) || p.isSet(QStringLiteral("run"))
                      || p.isSet(QStringLiteral("page")) || p.isSet(QStringLiteral("notice-url"));
    if (!changed) {
        print(c.out, QStringLiteral("startStatus=%1\nrunStatus=%2\npageUrl=%3\nnoticeUrl=%4")
                         .arg(s.startStatus, s.runStatus, s.pageUrl, s.noticeUrl));
        return 0;
    }
    if (!isStatusCharacter(s.startStatus) || !isStatusCharacter(s.runStatus))
        return refuse(c, QStringLiteral("a status is one printable character"));
    if (!isPublishableAddress(s.pageUrl) || !isPublishableAddress(s.noticeUrl))
        return refuse(c, QStringLiteral("addresses must be plain http(s) addresses"));
    app::ServiceStatus sent = s;
    sent.pageUrl = withTypicalBase(sent.pageUrl);
    sent.noticeUrl = withTypicalBase(sent.noticeUrl);
    if (!app::serviceStatusPayload(sent))
        return unreadable(c, QStringLiteral("status"));
    return stored(c, c.store.setStatus(s), QStringLiteral("status"));
}

int digest(const Context& c)
{
    const QDateTime now = c.clock.now();
    info::DigestRecord record{c.parser.value(QStringLiteral("text")), c.parser.value(QStringLiteral("title")),
                        c.parser.value(QStringLiteral("extra3")), c.parser.value(QStringLiteral("extra4"))};
    if (record.extra3.isEmpty())
        record.extra3 = now.toString(QStringLiteral("yyyy-M-d"));
    if (record.extra4.isEmpty())
        record.extra4 = now.toString(QStringLiteral("HH:mm:ss"));
    if (!isPublishable(record.text, 2000) || !isPublishable(record.title, 60)
        || !isPublishable(record.extra3, 60) || !isPublishable(record.extra4, 60))
        return refuse(c, QStringLiteral("digest needs --text and --title without markup or reply marks"));
    if (!info::digestPayload(record))
        return unreadable(c, QStringLiteral("digest"));
    return stored(c, c.store.addDigest(record, now), QStringLiteral("digest"));
}

int pick(const Context& c)
{
    const QDateTime now = c.clock.now();
    info::StockPick pick{c.parser.value(QStringLiteral("code")), c.parser.value(QStringLiteral("name")),
                   c.parser.value(QStringLiteral("date")), c.parser.value(QStringLiteral("time"))};
    if (!FieldRules::isStockCode(pick.code))
        return refuse(c, QStringLiteral("pick needs --code with six digits"));
    if (pick.name.isEmpty()) {
        const market::StockInfo* stock = market::StockCatalog::find(pick.code);
        if (!stock)
            return refuse(c, QStringLiteral("the market has no stock %1: give --name").arg(pick.code));
        pick.name = stock->name;
    }
    if (pick.date.isEmpty())
        pick.date = now.toString(QStringLiteral("yyyy-M-d"));
    if (pick.time.isEmpty())
        pick.time = now.toString(QStringLiteral("HH:mm:ss"));
    if (!isPublishable(pick.name, 16) || !isPublishable(pick.date, 20) || !isPublishable(pick.time, 20))
        return refuse(c, QStringLiteral("name, date and time may not carry markup or reply marks"));
    if (info::stockPicksPayload({pick}).isEmpty())
        return unreadable(c, QStringLiteral("pick"));
    return stored(c, c.store.addPick(pick), QStringLiteral("pick"));
}

int notice(const Context& c)
{
    QString html;
    if (c.parser.isSet(QStringLiteral("html-file"))) {
        QFile file(c.parser.value(QStringLiteral("html-file")));
        if (!file.open(QIODevice::ReadOnly) || file.size() > 256 * 1024)
            return refuse(c, QStringLiteral("cannot read the notice file (at most 256 KiB)"));
        html = QString::fromUtf8(file.readAll());
    } else if (c.parser.isSet(QStringLiteral("text"))) {
        html = QStringLiteral("<p style=\"font-size:12px\">")
             + c.parser.value(QStringLiteral("text")).toHtmlEscaped().replace(QLatin1String("\n"), QLatin1String("<br>"))
             + QStringLiteral("</p>");
    } else {
        return refuse(c, QStringLiteral("notice needs --text or --html-file"));
    }
    if (!Gbk::encode(html))
        return refuse(c, QStringLiteral("the notice holds characters GBK cannot write"));
    return stored(c, c.store.setNotice(html), QStringLiteral("notice"));
}

int channelAdd(const Context& c)
{
    const video::ChannelRecord entry{c.parser.value(QStringLiteral("caption")), c.parser.value(QStringLiteral("address")),
                             c.parser.value(QStringLiteral("category")), c.parser.value(QStringLiteral("group")),
                             c.parser.value(QStringLiteral("level"))};
    if (!isPublishable(entry.caption, 30) || !isPublishable(entry.category, 10)
        || !isPublishable(entry.group, 10) || !isPublishable(entry.level, 10))
        return refuse(c, QStringLiteral("channel-add needs --caption, --category, --group and --level"));
    if (!entry.address.isEmpty() && !isPublishableAddress(entry.address))
        return refuse(c, QStringLiteral("the address must be a plain http(s) address"));
    video::ChannelRecord sent = entry;
    sent.address = withTypicalBase(sent.address);
    if (!video::fitsChannelList(sent))
        return unreadable(c, QStringLiteral("channel"));
    return stored(c, c.store.addChannel(entry), QStringLiteral("channel"));
}

int channelClear(const Context& c)
{
    return stored(c, c.store.clearChannels(), QStringLiteral("empty channel list"));
}

int show(const Context& c)
{
    const app::ServiceStatus s = c.store.status();
    print(c.out, QStringLiteral("status: start %1, run %2, page %3, notice %4")
                     .arg(s.startStatus, s.runStatus, s.pageUrl, s.noticeUrl));
    if (const auto d = c.store.latestDigest())
        print(c.out, QStringLiteral("latest digest: %1 | %2").arg(d->title, d->text));
    for (const info::StockPick& p : c.store.latestPicks(20))
        print(c.out, QStringLiteral("pick: %1 %2 %3 %4").arg(p.code, p.name, p.date, p.time));
    for (const video::ChannelRecord& e : c.store.channels())
        print(c.out, QStringLiteral("channel: %1 %2 %3 %4 %5").arg(e.caption, e.address, e.category, e.group, e.level));
    if (c.parser.isSet(QStringLiteral("sn"))) {
        const auto copy = c.store.watchCopy(c.parser.value(QStringLiteral("sn")));
        if (!copy) {
            print(c.out, QStringLiteral("phone: not registered"));
        } else {
            print(c.out, QStringLiteral("phone: remote %1, %2/%3/%4 stocks")
                             .arg(copy->remoteOn ? QStringLiteral("on") : QStringLiteral("off"))
                             .arg(copy->wave1.size())
                             .arg(copy->wave2.size())
                             .arg(copy->wave3.size()));
        }
    }
    return 0;
}

// One line per message: time, phone, stock ("-" for none), kind, delivered or waiting, text.
int outbox(const Context& c)
{
    const QString phone = c.parser.value(QStringLiteral("phone"));
    if (!phone.isEmpty() && !FieldRules::isPhoneNumber(phone))
        return refuse(c, QStringLiteral("--phone wants an 11-digit number"));
    QString since;
    if (c.parser.isSet(QStringLiteral("since"))) {
        const QDateTime at = QDateTime::fromString(c.parser.value(QStringLiteral("since")),
                                                   QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (!at.isValid())
            return refuse(c, QStringLiteral("--since wants \"yyyy-MM-dd HH:mm:ss\""));
        since = outboxTime(at);
    }
    for (const OutboxEntry& e : c.store.outbox(phone, since)) {
        const QString state = e.deliveredAt.isEmpty()
            ? QStringLiteral("waiting(%1)").arg(e.attempts)
            : QStringLiteral("delivered");
        print(c.out, QStringLiteral("%1 %2 %3 %4 %5 %6")
                         .arg(e.createdAt, e.message.phone,
                              e.message.stock.isEmpty() ? QStringLiteral("-") : e.message.stock,
                              e.message.kind, state, e.message.text));
    }
    return 0;
}

const std::map<QString, std::function<int(const Context&)>>& commands()
{
    static const std::map<QString, std::function<int(const Context&)>> all = {
        {QStringLiteral("status"), status},   {QStringLiteral("digest"), digest},
        {QStringLiteral("pick"), pick},       {QStringLiteral("notice"), notice},
        {QStringLiteral("channel-add"), channelAdd},
        {QStringLiteral("channel-clear"), channelClear},
        {QStringLiteral("show"), show},       {QStringLiteral("outbox"), outbox},
    };
    return all;
}

} // namespace

QString AdminCommand::usage()
{
    return QStringLiteral(
        "Operator commands (write the server's SQLite file; a running server sees them at once):\n"
        "  lantuo-server admin --data DIR status [--start C] [--run C] [--page URL] [--notice-url URL]\n"
        "      startStatus \"2\" opens the page at client start; runStatus other than \"8\" asks for\n"
        "      an upgrade. Addresses may use {base} for the server's own address. Without options:\n"
        "      prints the status.\n"
        "  lantuo-server admin --data DIR digest --text T --title T [--extra3 X] [--extra4 Y]\n"
        "  lantuo-server admin --data DIR pick --code C [--name N] [--date D] [--time T]\n"
        "  lantuo-server admin --data DIR notice (--text T | --html-file FILE)\n"
        "  lantuo-server admin --data DIR channel-add --caption C [--address URL] --category K\n"
        "      --group G --level L      (category \"0\": a category whose key is --group)\n"
        "  lantuo-server admin --data DIR channel-clear\n"
        "  lantuo-server admin --data DIR show [--sn PHONE]\n"
        "  lantuo-server admin --data DIR outbox [--phone N] [--since \"yyyy-MM-dd HH:mm:ss\"]\n"
        "      the messages for the phones, oldest first, one a line: time, phone, stock (- for\n"
        "      none), kind, delivered or waiting(attempts), text\n"
        "Texts are UTF-8 on the command line; they may not contain < > or the reply marks\n"
        "&1 &2 &3 &4 $a0-$a4 ***.\n");
}

int AdminCommand::run(const QStringList& arguments, const app::Clock& clock, FILE* out, FILE* err)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char* name : {"data", "start", "run", "page", "notice-url", "text", "title", "extra3",
                             "extra4", "code", "name", "date", "time", "html-file", "caption",
                             "address", "category", "group", "level", "sn", "phone", "since"}) {
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
    }
    parser.addPositionalArgument(QStringLiteral("command"), QString());
    if (!parser.parse(QStringList{QStringLiteral("lantuo-server-admin")} + arguments)) {
        print(err, parser.errorText() + QLatin1Char('\n') + usage());
        return kUsageError;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1 || !commands().count(positional.front()) || !parser.isSet(QStringLiteral("data"))) {
        print(err, usage());
        return kUsageError;
    }
    ServiceStore store(parser.value(QStringLiteral("data")));
    if (!store.isOpen()) {
        print(err, QStringLiteral("lantuo-server admin: cannot open the database: ") + store.errorText());
        return kFailure;
    }
    if (store.isNew() && !DefaultContent::publish(store, clock.now())) {
        print(err, QStringLiteral("lantuo-server admin: cannot write the first content: ") + store.errorText());
        return kFailure;
    }
    return commands().at(positional.front())({parser, store, clock, out, err});
}

} // namespace service
