#pragma once

#include <QWidget>

namespace ui {

// The price table broadcast at the opening, at midday and at the close.
class TForm5 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm5)

public:
    explicit TForm5(QWidget* parent = nullptr);
};

} // namespace ui
