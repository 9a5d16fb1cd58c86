#pragma once

#include <QWidget>

namespace ui::main {

// Right of the window's edge, out of sight: the place of the hidden browsers that load the
// stock's big-order chart pages.
class BigOrderBrowsers final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BigOrderBrowsers)

public:
    explicit BigOrderBrowsers(QWidget& parent);
};

} // namespace ui::main
