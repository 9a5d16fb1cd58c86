#pragma once

#include <QGroupBox>

namespace ui::main {

// The stock information box GroupBox6: the latest rumour, research report, announcement and
// investor comment of the current stock, one line each.
class LatestInfoBox final : public QGroupBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LatestInfoBox)

public:
    explicit LatestInfoBox(QWidget& column);
};

} // namespace ui::main
