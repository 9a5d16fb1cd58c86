#pragma once

#include <QWidget>

namespace ui {

// Today's big orders by size class, as a pie.
class TForm14 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm14)

public:
    explicit TForm14(QWidget* parent = nullptr);
};

} // namespace ui
