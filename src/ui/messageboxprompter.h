#pragma once

#include "app/prompter.h"

namespace ui {

// The client's message boxes: modal, plain text (a message may carry text from a page).
class MessageBoxPrompter final : public app::Prompter {
public:
    void error(const QString& text) override;
    void inform(const QString& text) override;
    bool ask(const QString& text) override;
};

} // namespace ui
