#pragma once

#include <QWidget>

namespace ui {

// Every announcement found for the current stock, with its date.
class TForm2 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm2)

public:
    explicit TForm2(QWidget* parent = nullptr);
};

} // namespace ui
