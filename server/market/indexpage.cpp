#include "market/indexpage.h"

#include "market/figures.h"

#include <QStringList>

namespace market {

QString IndexPage::record(const IndexQuote& q)
{
    const QStringList fields = {
        q.index->name,
        figures::price(q.last),
        figures::change(q.change()),
        figures::percent(q.change(), q.changePercent()),
        figures::tenThousands(q.amount),
        QString::number(q.rising),
        QString::number(q.falling),
        QString::number(q.unchanged),
        figures::price(q.prevClose),
        figures::price(q.open),
        figures::price(q.high),
        figures::price(q.low),
        QString::number(q.volumeLots),
    };
    return fields.join(QLatin1Char(',')) + QLatin1Char(',');
}

QByteArray IndexPage::render(const IndexQuote& shanghai, const IndexQuote& shenzhen)
{
    const QString page =
        QStringLiteral("<html>\r\n<head>\r\n<meta charset=\"utf-8\">\r\n<title>行情中心</title>\r\n"
                       "</head>\r\n<body>\r\n<div id=\"zs_sh\">%1</div>\r\n"
                       "<div id=\"zs_sz\">%2</div>\r\n<div id=\"time\">%3</div>\r\n"
                       "</body>\r\n</html>\r\n")
            .arg(record(shanghai), record(shenzhen),
                 shanghai.at.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    return page.toUtf8();
}

} // namespace market
