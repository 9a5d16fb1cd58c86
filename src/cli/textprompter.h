#pragma once

#include "app/prompter.h"

#include <QStringList>

namespace cli {

// Boxes become text: errors and messages are kept for standard error, questions are answered
// with Cancel, as nobody is there to press OK.
class TextPrompter final : public app::Prompter {
public:
    void error(const QString& text) override { shown.append(text); }
    void inform(const QString& text) override { shown.append(text); }
    bool ask(const QString& text) override
    {
        questions.append(text);
        return false;
    }
    QString lastShown() const { return shown.isEmpty() ? QString() : shown.last(); }

    QStringList shown;
    QStringList questions;
};

} // namespace cli
