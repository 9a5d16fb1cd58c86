#pragma once

#include "quotes/indexquotes.h"

#include <QWidget>

#include <array>

class QLabel;

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

    // Both index rows' value, change, percent and turnover cells, once the ticker is active:
    // each cell the index page wrote gets its text, and its ground where the page decided one.
    void showIndices(const quotes::IndexBox& box);

private:
    // Value, change, percent, turnover.
    using IndexCells = std::array<QLabel*, 4>;

    IndexCells makeIndexRow(const std::array<const char*, 4>& names, int top);
    static void showIndexCells(const IndexCells& cells, const quotes::IndexDisplay& display);

    bool m_tickerActive = false;
    IndexCells m_shanghai{};
    IndexCells m_shenzhen{};
};

} // namespace ui
