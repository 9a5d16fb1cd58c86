#pragma once

#include <QGroupBox>

class QTableWidget;

namespace app {
struct MainState;
struct MainTables;
} // namespace app

namespace ui::main {

// The forum comments box GroupBox1 with its grid StringGrid1: an unread mark, the post title,
// clicks and replies, the author.
class ForumBox final : public QGroupBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ForumBox)

public:
    ForumBox(QWidget& column, const app::MainState& state);

    void bindSteps(app::MainTables& tables);

    // Empties the grid and writes its header row.
    void resetGrid();

private:
    const app::MainState& m_state;
    QTableWidget* m_grid;
};

} // namespace ui::main
