#pragma once

#include <QWidget>

namespace ui {

// Popup: a watched stock rose or fell beyond its chosen percentage.
class TForm9 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm9)

public:
    explicit TForm9(QWidget* parent = nullptr);
};

} // namespace ui
