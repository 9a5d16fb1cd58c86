#include "ui/codevalidator.h"

#include "app/codeentry.h"

namespace ui {

QValidator::State CodeValidator::validate(QString& input, int&) const
{
    if (!app::codeTextAcceptable(input))
        return Invalid;
    return input.size() == app::stockCodeLength ? Acceptable : Intermediate;
}

} // namespace ui
