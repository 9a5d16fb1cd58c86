#pragma once

#include <QWidget>

namespace ui {

// Today's capital flow of one stock by investor class.
class TForm18 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm18)

public:
    explicit TForm18(QWidget* parent = nullptr);
};

} // namespace ui
