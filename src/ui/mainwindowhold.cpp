#include "ui/mainwindowhold.h"

#include <QWidget>

namespace ui {

void MainWindowHold::hold(const QWidget& by)
{
    m_holders.insert(&by);
    m_mainWindow.setEnabled(false);
}

void MainWindowHold::release(const QWidget& by)
{
    m_holders.remove(&by);
    if (m_holders.isEmpty())
        m_mainWindow.setEnabled(true);
}

} // namespace ui
