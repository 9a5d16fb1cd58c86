#pragma once

#include <QWidget>

namespace ui {

// The alert settings: the watched stocks, their conditions and the delivery switches.
class TForm3 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm3)

public:
    explicit TForm3(QWidget* parent = nullptr);
};

} // namespace ui
