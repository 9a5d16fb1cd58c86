#pragma once

#include "ui/alertpopupwindow.h"

namespace ui {

// Popup: a big order stands at the best bid or ask of a watched stock.
class TForm8 final : public AlertPopupWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm8)

public:
    explicit TForm8(QWidget* parent = nullptr);
};

} // namespace ui
