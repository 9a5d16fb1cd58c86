#pragma once

#include <QGroupBox>

namespace ui::main {

// The after-hours panel GroupBox8: hidden at start; when its tool button opens it, it covers
// the whole dashboard.
class AfterHoursPanel final : public QGroupBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AfterHoursPanel)

public:
    explicit AfterHoursPanel(QWidget& parent);
};

} // namespace ui::main
