#include "ui/codevalidator.h"

#include "app/codeentry.h"

namespace ui {

QValidator::State CodeValidator::validate(QString& input, int&) const
{
    if (!app::codeTextAcceptable(input, m_length))
        return Invalid;
    return input.size() == m_length ? Acceptable : Intermediate;
}

} // namespace ui
