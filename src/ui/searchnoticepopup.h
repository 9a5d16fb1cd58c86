#pragma once

#include <QWidget>

namespace ui {

// Popup: a search notice about the current stock.
class TForm11 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm11)

public:
    explicit TForm11(QWidget* parent = nullptr);
};

} // namespace ui
