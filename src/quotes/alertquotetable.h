#pragma once

#include "quotes/quoterow.h"

#include <QStringList>

#include <array>

namespace quotes {

// The field of the quote row that a column of the table holds, and the column of a field.
int fieldOfColumn(int column);
int columnOfField(int field);

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
    // Field 2-13 or 15-18 of the quote row stored as row 0, 1, …
    const QString& field(int row, int field) const { return m_columns[columnOfField(field) - 1][row]; }

private:
    std::array<QStringList, columnCount> m_columns;
};

// gestockgj: one stock's row fetched with the client and appended. A failed fetch ends the chain
// with a silent abort (the engine's timer wrapper turns its timer back on); so does a record
// short of field 18, which would leave the table's rows out of step with the stocks asked for.
void gestockgj(net::HttpClient& client, const QString& quoteSite, const QString& code,
               AlertQuoteTable& table);

} // namespace quotes
