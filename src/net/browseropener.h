#pragma once

#include <QString>

namespace net {

// Opens an address in the user's default browser. The client's implementation hands it to the
// desktop; tests record it.
class BrowserOpener {
public:
    virtual ~BrowserOpener() = default;
    virtual void open(const QString& address) = 0;
};

// True for an http or https address with a host; nothing else is ever opened or played.
bool isOpenableAddress(const QString& address);

// Opens the address when it is openable; returns whether it was handed on.
bool openInBrowser(BrowserOpener& opener, const QString& address);

} // namespace net
