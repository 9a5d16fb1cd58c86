#pragma once

#include <QLabel>

namespace ui {

// A green, underlined caption that acts like a link: a pointing hand over it, clicked() on a
// left-button release inside it.
class LinkLabel final : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LinkLabel)

public:
    LinkLabel(const char* name, const QString& text, QWidget& parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace ui
