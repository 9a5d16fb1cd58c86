#pragma once

#include "market/marketmodel.h"
#include "service/servicestore.h"

#include <QString>

#include <vector>

namespace service {

// The pages the client shows in its embedded browsers or opens in the user's browser. Each
// returns the body markup; every text from the store is escaped here.
class BrowserPages final {
public:
    static QString stockPage(const market::StockQuote& quote,
                             const std::vector<market::IntradayPoint>& line);
    static QString advertisementStrip(const QString& base);
    static QString digestPage(const std::vector<info::DigestRecord>& digests);
    static QString recommendationPage(const std::vector<Recommendation>& list);
    static QString noticePage(const QString& noticeHtml);
    static QString faultPage();
    static QString authorPage();
    static QString downloadPage();
};

} // namespace service
