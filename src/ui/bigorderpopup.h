#pragma once

#include <QWidget>

namespace ui {

// Popup: a big order of a watched stock on the book.
class TForm8 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm8)

public:
    explicit TForm8(QWidget* parent = nullptr);
};

} // namespace ui
