#pragma once

#include <QWidget>

namespace ui {

// The recommendation exchange shared by all users.
class TForm16 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm16)

public:
    explicit TForm16(QWidget* parent = nullptr);
};

} // namespace ui
