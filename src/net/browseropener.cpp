#include "net/browseropener.h"

#include <QUrl>

namespace net {

bool isOpenableAddress(const QString& address)
{
    const QUrl url(address.trimmed());
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

bool openInBrowser(BrowserOpener& opener, const QString& address)
{
    if (!isOpenableAddress(address))
        return false;
    opener.open(address.trimmed());
    return true;
}

} // namespace net
