#include "ui/plaintext.h"

namespace ui {

QString plainToolTip(const QString& text)
{
    if (text.isEmpty())
        return text;
    return QStringLiteral("<p style='white-space:pre-wrap'>") + text.toHtmlEscaped()
           + QStringLiteral("</p>");
}

} // namespace ui
