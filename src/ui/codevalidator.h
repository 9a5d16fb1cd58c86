#pragma once

#include <QValidator>

namespace ui {

// Keeps anything but up to six digits out of the code box, typed or pasted.
class CodeValidator final : public QValidator {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CodeValidator)

public:
    explicit CodeValidator(QObject* parent = nullptr) : QValidator(parent) {}
    State validate(QString& input, int& position) const override;
};

} // namespace ui
