#pragma once

#include "net/pagetext.h"
#include "net/serviceenvelope.h"

#include <QStringEncoder>

namespace testsupport {

// A payload as the client reads it from the service: in the service's page, sent as GBK bytes
// and decoded as every service page is.
inline QString servedPage(const QString& payload)
{
    const QByteArray bytes = QStringEncoder("GBK").encode(net::envelopePage(payload));
    return net::decodePage(bytes, net::Encoding::Gbk);
}

} // namespace testsupport
