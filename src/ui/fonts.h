#pragma once

#include <QFont>

namespace ui {

// 宋体 at a pixel size: SimSun where installed, else the Noto CJK faces that stand in for it.
QFont songFont(int pixelSize, bool bold = false);

} // namespace ui
