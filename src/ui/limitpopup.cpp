#include "ui/limitpopup.h"

namespace ui {

namespace {

PopupLayout popupLayout()
{
    return {"TForm6",
            QRect(75, 16, 332, 16),
            QRect(0, 48, 409, 16),
            {{"Image1", "涨停", QColor(255, 0, 0), QRect(3, 3, 68, 40), quotes::Direction::Up},
             {"Image2", "跌停", QColor(0, 128, 0), QRect(3, 3, 68, 40), quotes::Direction::Down}}};
}

} // namespace

TForm6::TForm6(QWidget* parent) : AlertPopupWindow(popupLayout(), parent) {}

} // namespace ui
