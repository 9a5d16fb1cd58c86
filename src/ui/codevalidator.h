#pragma once

#include "app/codeentry.h"

#include <QValidator>

namespace ui {

// Keeps anything but up to six digits (or the given number) out of a code box, typed or pasted.
class CodeValidator final : public QValidator {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CodeValidator)

public:
    explicit CodeValidator(QObject* parent = nullptr, int length = app::stockCodeLength)
        : QValidator(parent), m_length(length)
    {
    }
    State validate(QString& input, int& position) const override;

private:
    int m_length;
};

} // namespace ui
