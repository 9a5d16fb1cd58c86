#pragma once

#include <QString>

namespace app {

// The message boxes a loader may show, as a seam: the client shows real boxes, tests and
// lantuo-cli record or print what would have been shown.
class Prompter {
public:
    virtual ~Prompter() = default;
    // Error box titled "错误" with the critical icon.
    virtual void error(const QString& text) = 0;
    // A plain message box with only OK.
    virtual void inform(const QString& text) = 0;
    // Question box titled "提示" with OK and Cancel; true for OK.
    virtual bool ask(const QString& text) = 0;
};

} // namespace app
