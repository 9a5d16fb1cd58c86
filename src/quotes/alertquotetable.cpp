#include "quotes/alertquotetable.h"

namespace quotes {

int fieldOfColumn(int column)
{
    return column <= 12 ? column + 1 : column + 2;
}

void AlertQuoteTable::clear()
{
    for (QStringList& column : m_columns)
        column.clear();
}

bool AlertQuoteTable::append(const QuoteRow& row)
{
    if (!row.complete())
        return false;
    for (int column = 1; column <= columnCount; ++column) {
        const int field = fieldOfColumn(column);
        QString value = row.field(field);
        if (field == 5 && value == QLatin1String("0"))
            value = QStringLiteral("0.0");
        m_columns[column - 1].append(value);
    }
    return true;
}

} // namespace quotes
