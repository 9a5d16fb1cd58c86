#pragma once

#include <QWidget>

namespace ui {

// Registration of the mobile number that receives the alerts.
class TForm4 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm4)

public:
    explicit TForm4(QWidget* parent = nullptr);
};

} // namespace ui
