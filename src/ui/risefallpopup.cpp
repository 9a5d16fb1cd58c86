#include "ui/risefallpopup.h"

namespace ui {

namespace {

PopupLayout popupLayout()
{
    return {"TForm9",
            QRect(48, 14, 329, 16),
            QRect(0, 46, 385, 16),
            {{"Image1", "涨", QColor(255, 0, 0), QRect(3, 3, 38, 33), quotes::Direction::Up},
             {"Image2", "跌", QColor(0, 128, 0), QRect(3, 3, 38, 33), quotes::Direction::Down}}};
}

} // namespace

TForm9::TForm9(QWidget* parent) : AlertPopupWindow(popupLayout(), parent) {}

} // namespace ui
