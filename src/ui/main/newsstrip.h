#pragma once

#include <QFrame>

namespace ui::main {

// The news flash strip Panel8 at the bottom right, over the status bar: the icon (Image1, or
// Image19 while an item is unread) and the line Label48.
class NewsStrip final : public QFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NewsStrip)

public:
    NewsStrip(QWidget& parent, int statusBarTop);
};

} // namespace ui::main
