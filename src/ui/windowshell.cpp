#include "ui/windowshell.h"

#include "app/windowcatalog.h"

#include <QWidget>

namespace ui {

void applyWindowEntry(QWidget& window, const char* className)
{
    const app::WindowEntry& entry = app::windowEntry(className);
    window.setObjectName(QString::fromLatin1(entry.className));
    window.setWindowTitle(entry.caption);
    window.setFixedSize(entry.clientSize);
}

} // namespace ui
