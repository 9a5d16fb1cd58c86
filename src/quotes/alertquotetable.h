#pragma once

#include "quotes/quoterow.h"

#include <QStringList>

#include <array>

namespace quotes {

// The alert engine's quote table: sixteen parallel columns, one entry per fetched stock in
// fetch order. Columns 1-12 hold fields 2-13 of the quote row, columns 13-16 fields 15-18
// (field 14 is skipped). A change of exactly "0" is stored as "0.0" so that every entry of
// column 4 reads as a number once its last character ("%") is dropped.
class AlertQuoteTable final {
public:
    static constexpr int columnCount = 16;

    void clear();
    // A row short of field 18 is left out for this pass, so every column keeps one entry per
    // stored row. Returns whether the row was stored.
    bool append(const QuoteRow& row);

    int rowCount() const { return int(m_columns[0].size()); }
    // Column 1..16.
    const QStringList& column(int column) const { return m_columns[column - 1]; }

private:
    std::array<QStringList, columnCount> m_columns;
};

// The field of the quote row that a column of the table holds.
int fieldOfColumn(int column);

} // namespace quotes
