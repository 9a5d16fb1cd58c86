#include "ui/main/forumbox.h"

#include "app/dashboardcaptions.h"
#include "app/mainstate.h"
#include "app/maintables.h"
#include "app/shelltexts.h"
#include "ui/fonts.h"
#include "ui/widgetparts.h"

#include <QHeaderView>
#include <QTableWidget>

namespace ui::main {

ForumBox::ForumBox(QWidget& column, const app::MainState& state)
    : QGroupBox(app::forumBoxCaptionBeforeFirstStock(), &column),
      m_state(state),
      m_grid(new QTableWidget(this))
{
    place(*this, "GroupBox1", QRect(6, 43, 520, 165));
    place(*m_grid, "StringGrid1", QRect(4, 14, 515, 150));
    m_grid->setColumnCount(4);
    m_grid->setFont(songFont(12));
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    m_grid->horizontalHeader()->setFixedHeight(20);
    m_grid->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background: rgb(255, 251, 240); }"));
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setCursor(Qt::PointingHandCursor);
    for (int c = 0; const int width : {21, 330, 61, 82})
        m_grid->setColumnWidth(c++, width);
    resetGrid();
}

void ForumBox::bindSteps(app::MainTables& tables)
{
    tables.firstShow.bind(app::firstshow::forumGrid, [this] { resetGrid(); });
    tables.dashboardLoad.bind(app::dashboard::commentCaption,
                              [this] { setTitle(app::commentBoxCaption(m_state.currentName)); });
}

void ForumBox::resetGrid()
{
    m_grid->clearContents();
    // The header row is the grid's horizontal header; one blank row under it.
    m_grid->setRowCount(1);
    m_grid->setHorizontalHeaderLabels(app::forumGridHeaders());
}

} // namespace ui::main
