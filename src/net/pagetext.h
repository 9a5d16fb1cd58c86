#pragma once

#include "net/httpclient.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <stdexcept>

namespace net {

// A downloaded page as wide text. The quote service (quote feed and index page) sends UTF-8;
// every other site and the own service send GBK (code page 936).
using PageText = QString;

enum class Encoding { Gbk, Utf8 };

// Reply bytes that are not valid in the page's encoding: the loader fails rather than scan
// replacement characters.
class DecodeError final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws DecodeError for any byte sequence that is invalid or cut short. A UTF-8 byte order
// mark at the start is dropped.
PageText decodePage(QByteArrayView bytes, Encoding encoding);

// The fetch every loader makes: GET the address with the loader's client and decode the reply.
// Throws HttpError or DecodeError.
PageText fetchText(HttpClient& client, const QString& address, Encoding encoding = Encoding::Gbk);

} // namespace net
