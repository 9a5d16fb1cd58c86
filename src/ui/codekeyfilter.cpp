#include "ui/codekeyfilter.h"

#include "app/codeentry.h"

#include <QKeyEvent>

namespace ui {

namespace {

// The character a key press types, or a null QChar for a key that types nothing.
QChar typedCharacter(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Backspace:
        return QChar(8);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QChar(13);
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return {};
    default:
        break;
    }
    if (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return {};
    return key.text().isEmpty() ? QChar() : key.text().front();
}

} // namespace

bool CodeKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const QChar c = typedCharacter(*static_cast<QKeyEvent*>(event));
        if (!c.isNull() && !app::codeKeyAccepted(c))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ui
