#pragma once

#include <QGroupBox>

class QTableWidget;

namespace ui::main {

// The forum comments box GroupBox1 with its grid StringGrid1: an unread mark, the post title,
// clicks and replies, the author.
class ForumBox final : public QGroupBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ForumBox)

public:
    explicit ForumBox(QWidget& column);

    // Empties the grid and writes its header row.
    void resetGrid();

private:
    QTableWidget* m_grid;
};

} // namespace ui::main
