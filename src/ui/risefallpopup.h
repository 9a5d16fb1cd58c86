#pragma once

#include "ui/alertpopupwindow.h"

namespace ui {

// Popup: a watched stock rose or fell beyond its chosen percentage, with the badge "涨" or
// "跌".
class TForm9 final : public AlertPopupWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm9)

public:
    explicit TForm9(QWidget* parent = nullptr);
};

} // namespace ui
