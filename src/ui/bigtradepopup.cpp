#include "ui/bigtradepopup.h"

namespace ui {

namespace {

PopupLayout popupLayout()
{
    return {"TForm7",
            QRect(88, 16, 321, 16),
            QRect(0, 48, 417, 16),
            {{"Image1", "大单成交", QColor(200, 60, 0), QRect(3, 3, 82, 40), std::nullopt}}};
}

} // namespace

TForm7::TForm7(QWidget* parent) : AlertPopupWindow(popupLayout(), parent) {}

} // namespace ui
