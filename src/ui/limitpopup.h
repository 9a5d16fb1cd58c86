#pragma once

#include "ui/alertpopupwindow.h"

namespace ui {

// Popup: a watched stock nears its daily limit, with the badge "涨停" or "跌停".
class TForm6 final : public AlertPopupWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm6)

public:
    explicit TForm6(QWidget* parent = nullptr);
};

} // namespace ui
