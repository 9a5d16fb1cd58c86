#include "analytics/bigorderpages.h"

#include "analytics/chartparameters.h"
#include "net/market.h"

namespace analytics {

namespace {

QString pageName(BigOrderPage page)
{
    switch (page) {
    case BigOrderPage::SingleBar:
        return QStringLiteral("/single-bar.htm");
    case BigOrderPage::SingleBarDay:
        return QStringLiteral("/single-barDay.htm");
    case BigOrderPage::SinglePie:
        break;
    }
    return QStringLiteral("/single-pie.htm");
}

const QString buyValues = QStringLiteral("values=");
const QString sellValues = QStringLiteral("values_2=");

} // namespace

QString bigOrderPageAddress(const QString& site, const QString& code, BigOrderPage page)
{
    return site + QStringLiteral("/stock/") + net::marketPrefix(code) + u'/' + code
           + pageName(page);
}

SingleBarRead readSingleBar(QStringView body)
{
    if (body.contains(u"values=&"))
        return {true, {}, {}};
    return {false, parameterItems(body, buyValues), parameterItems(body, sellValues)};
}

SingleBarDayRead readSingleBarDay(QStringView body)
{
    return {parameterItems(body, buyValues), parameterItems(body, sellValues),
            parameterItems(body, u"x_labels=")};
}

SinglePieRead readSinglePie(QStringView body)
{
    return {firstParameterItems(body, buyValues), parameterItems(body, u"colours=")};
}

} // namespace analytics
