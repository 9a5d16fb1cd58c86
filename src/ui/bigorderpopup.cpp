#include "ui/bigorderpopup.h"

namespace ui {

namespace {

PopupLayout popupLayout()
{
    return {"TForm8",
            QRect(90, 16, 320, 16),
            QRect(0, 48, 417, 16),
            {{"Image1", "大单出现", QColor(0, 90, 170), QRect(1, 0, 86, 44), std::nullopt}}};
}

} // namespace

TForm8::TForm8(QWidget* parent) : AlertPopupWindow(popupLayout(), parent) {}

} // namespace ui
