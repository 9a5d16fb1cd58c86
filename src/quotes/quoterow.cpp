#include "quotes/quoterow.h"

#include "net/commafields.h"
#include "net/loader.h"

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

QuoteRow loadQuoteRow(net::HttpClient& client, const QString& quoteSite, const QString& code,
                      const std::function<void()>& onFailure)
{
    return net::runLoader(
        client,
        [&] {
            return QuoteRow::parse(
                net::fetchText(client, quoteFeedAddress(quoteSite, code), net::Encoding::Utf8));
        },
        onFailure);
}

} // namespace quotes
