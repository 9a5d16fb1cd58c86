#include "quotes/quoterow.h"

#include "net/commafields.h"

namespace quotes {

QuoteRow QuoteRow::parse(QStringView page)
{
    return QuoteRow(net::commaFields(page));
}

QString quoteFeedAddress(const QString& quoteSite, const QString& code)
{
    return quoteSite + QStringLiteral("/EM_Quote2007/optional.aspx?type=z&fav=") + code
           + QStringLiteral("&hick=zhou");
}

net::PageText fetchQuoteRow(net::HttpClient& client, const QString& quoteSite, const QString& code)
{
    return net::fetchText(client, quoteFeedAddress(quoteSite, code), net::Encoding::Utf8);
}

} // namespace quotes
