#include "app/sites.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <utility>
#include <vector>

namespace app {

namespace {

using SiteField = QString Sites::*;

// Keys that hold a scheme and host; the "all" key fills those the file leaves out.
const std::vector<std::pair<const char*, SiteField>>& siteKeys()
{
    static const std::vector<std::pair<const char*, SiteField>> keys = {
        {"serviceBase", &Sites::serviceBase},
        {"quoteSite", &Sites::quoteSite},
        {"bigOrderSite", &Sites::bigOrderSite},
        {"holdingsSite", &Sites::holdingsSite},
        {"capitalFlowSite", &Sites::capitalFlowSite},
        {"chartImageSite", &Sites::chartImageSite},
        {"forumSite", &Sites::forumSite},
        {"sinaFinanceSite", &Sites::sinaFinanceSite},
        {"noticeSite", &Sites::noticeSite},
        {"p5wSite", &Sites::p5wSite},
        {"eastmoneyNewsSite", &Sites::eastmoneyNewsSite},
        {"jrjStockSite", &Sites::jrjStockSite},
        {"jrjForumSite", &Sites::jrjForumSite},
        {"privateFundLetterSite", &Sites::privateFundLetterSite},
        {"qqFinanceSite", &Sites::qqFinanceSite},
        {"insiderLetterSite", &Sites::insiderLetterSite},
        {"institutionLetterSite", &Sites::institutionLetterSite},
        {"marketDataSite", &Sites::marketDataSite},
        {"stockPoolSite", &Sites::stockPoolSite},
    };
    return keys;
}

// Keys that hold a whole address or a plain text; "all" does not touch them.
const std::vector<std::pair<const char*, SiteField>>& pageKeys()
{
    static const std::vector<std::pair<const char*, SiteField>> keys = {
        {"faultPage", &Sites::faultPage},
        {"authorContact", &Sites::authorContact},
        {"phoneServiceHome", &Sites::phoneServiceHome},
        {"authorQQ", &Sites::authorQQ},
    };
    return keys;
}

QString withoutTrailingSlash(QString site)
{
    while (site.endsWith(QLatin1Char('/')))
        site.chop(1);
    return site;
}

// The fault page and the author's page are served by the own service unless the file names them.
QString defaultFaultPage(const QString& serviceBase)
{
    return serviceBase + QStringLiteral("/fault.html");
}

QString defaultAuthorContact(const QString& serviceBase)
{
    return serviceBase + QStringLiteral("/author.html");
}

} // namespace

Sites Sites::defaults()
{
    Sites s;
    s.serviceBase = QStringLiteral("http://127.0.0.1:8856");
    s.quoteSite = QStringLiteral("http://hqdigi2.eastmoney.com");
    s.bigOrderSite = QStringLiteral("http://www.ddx.gubit.cn");
    s.holdingsSite = QStringLiteral("http://www.cwzx.net");
    s.capitalFlowSite = QStringLiteral("http://data.eastmoney.com");
    s.chartImageSite = QStringLiteral("http://image.sinajs.cn");
    s.forumSite = QStringLiteral("http://guba.eastmoney.com");
    s.sinaFinanceSite = QStringLiteral("http://vip.stock.finance.sina.com.cn");
    s.noticeSite = QStringLiteral("http://data.eastmoney.com");
    s.p5wSite = QStringLiteral("http://www.p5w.net");
    s.eastmoneyNewsSite = QStringLiteral("http://news.eastmoney.com");
    s.jrjStockSite = QStringLiteral("http://stock.jrj.com.cn");
    s.jrjForumSite = QStringLiteral("http://bbs.jrj.com.cn");
    s.privateFundLetterSite = QStringLiteral("http://www.simu168.com");
    s.qqFinanceSite = QStringLiteral("http://finance.qq.com");
    s.insiderLetterSite = QStringLiteral("http://www.cnstock.com");
    s.institutionLetterSite = QStringLiteral("http://www.cs.com.cn");
    s.marketDataSite = QStringLiteral("http://quote.eastmoney.com");
    s.stockPoolSite = QStringLiteral("http://data.eastmoney.com");
    s.faultPage = defaultFaultPage(s.serviceBase);
    s.authorContact = defaultAuthorContact(s.serviceBase);
    s.phoneServiceHome = QStringLiteral("http://feixin.10086.cn");
    s.authorQQ = QStringLiteral("66856856");
    return s;
}

Sites Sites::fromFile(const QString& iniPath)
{
    Sites s = defaults();
    if (!QFileInfo::exists(iniPath))
        return s;
    QSettings ini(iniPath, QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("sites"));
    const QString all = withoutTrailingSlash(ini.value(QStringLiteral("all")).toString());
    for (const auto& [key, field] : siteKeys()) {
        const QString name = QString::fromLatin1(key);
        if (ini.contains(name))
            s.*field = withoutTrailingSlash(ini.value(name).toString());
        else if (!all.isEmpty())
            s.*field = all;
    }
    s.faultPage = defaultFaultPage(s.serviceBase);
    s.authorContact = defaultAuthorContact(s.serviceBase);
    for (const auto& [key, field] : pageKeys()) {
        const QString name = QString::fromLatin1(key);
        if (ini.contains(name))
            s.*field = ini.value(name).toString();
    }
    return s;
}

QString Sites::defaultIniPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
           + QStringLiteral("/sites.ini");
}

} // namespace app
