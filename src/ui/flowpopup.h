#pragma once

#include <QWidget>

namespace ui {

// Popup: the big-order flow of the last half hour.
class TForm10 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm10)

public:
    explicit TForm10(QWidget* parent = nullptr);
};

} // namespace ui
