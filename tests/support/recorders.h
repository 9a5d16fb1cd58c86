#pragma once

#include "app/prompter.h"
#include "net/browseropener.h"

#include <QStringList>

namespace testsupport {

// Remembers every box a loader would have shown; questions get the prepared answer.
class RecordingPrompter final : public app::Prompter {
public:
    void error(const QString& text) override { errors.append(text); }
    void inform(const QString& text) override { messages.append(text); }
    bool ask(const QString& text) override
    {
        questions.append(text);
        return answer;
    }

    bool answer = true;
    QStringList errors;
    QStringList messages;
    QStringList questions;
};

// Remembers the addresses handed to the default browser.
class RecordingBrowser final : public net::BrowserOpener {
public:
    void open(const QString& address) override { opened.append(address); }

    QStringList opened;
};

} // namespace testsupport
