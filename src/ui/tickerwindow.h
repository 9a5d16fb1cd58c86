#pragma once

#include <QWidget>

namespace ui {

// The desktop ticker: the indices and the watched stocks in a small window of its own.
class TForm15 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm15)

public:
    explicit TForm15(QWidget* parent = nullptr);

    // Set in the ticker's creation; from then on the index loader writes the ticker's index
    // rows, whether the ticker is shown or not.
    bool tickerActive() const { return m_tickerActive; }

private:
    bool m_tickerActive = false;
};

} // namespace ui
