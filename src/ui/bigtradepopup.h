#pragma once

#include "ui/alertpopupwindow.h"

namespace ui {

// Popup: a big trade of a watched stock.
class TForm7 final : public AlertPopupWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm7)

public:
    explicit TForm7(QWidget* parent = nullptr);
};

} // namespace ui
