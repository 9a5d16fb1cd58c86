#pragma once

#include <QWidget>

namespace ui {

// The selected stocks sent by the service.
class TForm20 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm20)

public:
    explicit TForm20(QWidget* parent = nullptr);
};

} // namespace ui
