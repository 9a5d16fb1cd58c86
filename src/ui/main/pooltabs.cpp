#include "ui/main/pooltabs.h"

#include "ui/widgetparts.h"

#include <QLabel>

#include <utility>

namespace ui::main {

namespace {

constexpr int tabWidth = 62;
constexpr int tabStep = 64;
constexpr int tabHeight = 18;

} // namespace

PoolTabs::PoolTabs(QWidget& column) : QWidget(&column)
{
    place(*this, "poolTabs", QRect(330, 34, 2 * tabStep + tabWidth, tabHeight));
    int left = 0;
    for (const auto& [name, text] : {std::pair{"Label51", "股票池1"}, std::pair{"Label46", "股票池2"},
                                     std::pair{"Label47", "股民论坛"}}) {
        QLabel* tab = plainLabel(*this, {.name = name,
                                         .text = QString::fromUtf8(text),
                                         .geometry = QRect(left, 0, tabWidth, tabHeight),
                                         .fontPixels = 12,
                                         .alignment = Qt::AlignCenter});
        tab->setFrameStyle(QFrame::Box | QFrame::Plain);
        tab->setStyleSheet(QStringLiteral("color: green; background: white;"));
        tab->setCursor(Qt::PointingHandCursor);
        left += tabStep;
    }
}

} // namespace ui::main
