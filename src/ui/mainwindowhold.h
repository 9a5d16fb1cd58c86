#pragma once

#include <QSet>

class QWidget;

namespace ui {

// The windows that keep the main window from taking input while they are open (the alert
// settings, the pie, the ten-day chart, the capital flow): it is enabled again only when the last
// of them has let go, so closing one never frees the main window under another.
class MainWindowHold final {
public:
    explicit MainWindowHold(QWidget& mainWindow) : m_mainWindow(mainWindow) {}

    void hold(const QWidget& by);
    void release(const QWidget& by);
    bool heldBy(const QWidget& window) const { return m_holders.contains(&window); }

private:
    QWidget& m_mainWindow;
    QSet<const QWidget*> m_holders;
};

} // namespace ui
