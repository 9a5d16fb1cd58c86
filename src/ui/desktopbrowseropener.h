#pragma once

#include "net/browseropener.h"

namespace ui {

// Hands an http or https address to the desktop's default browser; anything else is ignored.
class DesktopBrowserOpener final : public net::BrowserOpener {
public:
    void open(const QString& address) override;
};

} // namespace ui
