#include "ui/main/mainstatusbar.h"

#include "app/shelltexts.h"
#include "ui/widgetparts.h"

#include <QLabel>

namespace ui::main {

MainStatusBar::MainStatusBar(QWidget& parent) : QFrame(&parent)
{
    place(*this, "StatusBar1", QRect(0, top, parent.width(), height));
    setAutoFillBackground(true);
    int left = 0;
    for (std::size_t i = 0; i < m_panels.size(); ++i) {
        // The last panel reaches to the right edge, as a status bar's last part does.
        const bool last = i + 1 == m_panels.size();
        const int width = last ? this->width() - left : app::statusPanelWidths.at(i);
        // 11 px: the stand-in faces are wider than SimSun, and the title must fit its 120 px.
        QLabel* panel = plainLabel(*this, {.geometry = QRect(left, 2, width, height - 3),
                                           .fontPixels = 11});
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setIndent(1);
        left += width;
        m_panels[i] = panel;
    }
    m_panels[0]->setText(app::statusBarTitle());
}

} // namespace ui::main
