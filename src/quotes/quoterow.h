#pragma once

// One record of the quote feed: comma-separated fields, field n between comma n-1 and comma n
// (field 1 is the wrapper and never used). A field exists only once its ending comma arrived.
//
//   2 code            7 bid price     12 turnover (万元)   17 last trade, "-" = sell
//   3 name            8 bid volume    13 open              18 last trade size (手)
//   4 latest price    9 ask price     14 (unused)
//   5 change %       10 ask volume    15 high
//   6 change (元)     11 volume (手)   16 low

#include "net/pagetext.h"

#include <QStringList>

#include <functional>

namespace net {
class HttpClient;
}

namespace quotes {

class QuoteRow final {
public:
    static constexpr int lastField = 18;

    QuoteRow() = default;
    explicit QuoteRow(QStringList fields) : m_fields(std::move(fields)) {}

    static QuoteRow parse(QStringView page);

    bool has(int field) const { return field >= 1 && field <= m_fields.size(); }
    // Empty text for a field that did not arrive.
    QString field(int field) const { return has(field) ? m_fields[field - 1] : QString(); }
    int fieldCount() const { return int(std::min<qsizetype>(m_fields.size(), lastField)); }
    bool complete() const { return m_fields.size() >= lastField; }

private:
    QStringList m_fields;
};

QString quoteFeedAddress(const QString& quoteSite, const QString& code);

// The quote row of one code, asked of the quote feed through the loader failure path: on any
// failure the client is disconnected, onFailure runs (a message, a timer back on) and the
// chain ends with a silent abort.
QuoteRow loadQuoteRow(net::HttpClient& client, const QString& quoteSite, const QString& code,
                      const std::function<void()>& onFailure = {});

} // namespace quotes
