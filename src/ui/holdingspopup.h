#pragma once

#include <QWidget>

namespace ui {

// Popup beside a recommendation: the stock's page and holdings lines.
class TForm17 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm17)

public:
    explicit TForm17(QWidget* parent = nullptr);
};

} // namespace ui
