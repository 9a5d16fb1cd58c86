#pragma once

#include <QWidget>

namespace ui {

// Today's digest: the newest item and a link to all of them.
class TForm21 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm21)

public:
    explicit TForm21(QWidget* parent = nullptr);
};

} // namespace ui
