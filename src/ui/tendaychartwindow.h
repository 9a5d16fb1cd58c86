#pragma once

#include <QWidget>

namespace ui {

// The big-order chart of the last ten trading days.
class TForm13 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm13)

public:
    explicit TForm13(QWidget* parent = nullptr);
};

} // namespace ui
