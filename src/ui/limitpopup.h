#pragma once

#include <QWidget>

namespace ui {

// Popup: a watched stock nears its daily limit.
class TForm6 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm6)

public:
    explicit TForm6(QWidget* parent = nullptr);
};

} // namespace ui
